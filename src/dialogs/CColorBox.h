// A static control that fills itself with one colour: the channel colour of the main window and
// the two colour samples of the chart settings dialog.
#pragma once

#include "CStatic.h"

namespace zyfo {

class CColorBox : public CStatic
{
public:
    // The colour painted; a change shows at the next paint (redraw the box to see it at once).
    void setColor(COLORREF color) { m_color = color; }
    COLORREF color() const { return m_color; }

protected:
    const MessageMap *GetMessageMap() const override;

private:
    // Fills the whole client area with the colour and draws nothing else.
    void OnPaint();

    COLORREF m_color = RGB(0x80, 0x80, 0x80);
};

} // namespace zyfo
