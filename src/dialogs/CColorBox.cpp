// A static control that fills itself with one colour.
#include "CColorBox.h"

#include "CPaintDC.h"

namespace zyfo {

const MessageMap *CColorBox::GetMessageMap() const
{
    static const MessageMap map = {onPaint(&CColorBox::OnPaint)};
    return &map;
}

void CColorBox::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_color);
}

} // namespace zyfo
