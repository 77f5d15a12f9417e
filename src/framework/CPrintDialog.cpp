// The print dialog, through the scriptable seam: chooses a printer (or a PDF file) and returns
// its drawing surface.
#include "CPrintDialog.h"

#include "Application.h"
#include "CPrinterDC.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "DialogScript.h"

#include <QPrintDialog>
#include <QPrinter>

namespace zyfo {

CPrintDialog::CPrintDialog(BOOL, DWORD flags, CWnd *parent)
    : m_parent(parent)
{
    m_pd.Flags = flags;
}

CPrintDialog::~CPrintDialog() = default;

int CPrintDialog::DoModal()
{
    m_dc.reset();
    if (DialogScript *script = DialogScript::active()) {
        DialogRequest request;
        request.kind = DialogRequest::Kind::PrintDialog;
        request.flags = m_pd.Flags;
        DialogScript::Answer answer = script->respond(std::move(request));
        if (answer.result == IDOK && (m_pd.Flags & PD_RETURNDC))
            m_dc = std::move(answer.printer);
        return answer.result;
    }
    return showDialog();
}

int CPrintDialog::showDialog()
{
    ensureApplication();
    if (m_printer == nullptr)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CWnd *owner = m_parent != nullptr ? m_parent : AfxGetMainWnd();
    QWidget *ownerWidget = owner != nullptr ? owner->GetSafeHwnd() : nullptr;
    QPrintDialog dialog(m_printer.get(), ownerWidget);
    dialog.setMinMax(m_pd.nMinPage, m_pd.nMaxPage);
    dialog.setFromTo(m_pd.nFromPage, m_pd.nToPage);
    if (dialog.exec() != QDialog::Accepted)
        return IDCANCEL;
    if (m_pd.Flags & PD_RETURNDC)
        m_dc = std::make_unique<CPrinterDC>(*m_printer);
    return IDOK;
}

} // namespace zyfo
