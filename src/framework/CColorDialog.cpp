// The colour dialog, through the scriptable seam.
#include "CColorDialog.h"

#include "CWinApp.h"
#include "CWnd.h"
#include "DialogScript.h"

#include <QColorDialog>

namespace zyfo {

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd *parent)
    : m_color(initial & 0xFFFFFF)
    , m_flags(flags)
    , m_parent(parent)
{}

int CColorDialog::DoModal()
{
    if (DialogScript *script = DialogScript::active()) {
        DialogRequest request;
        request.kind = DialogRequest::Kind::ColorDialog;
        request.color = m_color;
        request.flags = m_flags;
        DialogScript::Answer answer = script->respond(std::move(request));
        if (answer.result == IDOK)
            m_color = answer.color & 0xFFFFFF;
        return answer.result;
    }
    CWnd *owner = m_parent != nullptr ? m_parent : AfxGetMainWnd();
    QColor chosen =
        QColorDialog::getColor(QColor(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color)),
                               owner != nullptr ? owner->GetSafeHwnd() : nullptr);
    if (!chosen.isValid())
        return IDCANCEL;
    m_color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return IDOK;
}

} // namespace zyfo
