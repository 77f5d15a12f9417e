// The print dialog, through the scriptable seam: chooses a printer (or a PDF file) and returns
// its drawing surface.
#pragma once

#include "CDC.h"
#include "WinDefs.h"

#include <memory>

class QPrinter;

namespace zyfo {

class CWnd;

// The fields of the print dialog's description that the program sets.
struct PRINTDLG
{
    DWORD Flags = 0;
    int nFromPage = 1;
    int nToPage = 1;
    int nMinPage = 1;
    int nMaxPage = 1;
};

// The printer chosen stays chosen for the next run of the same dialog. Only the full print
// dialog is offered: the first argument (setup only) must be FALSE.
class CPrintDialog
{
public:
    explicit CPrintDialog(BOOL printSetupOnly, DWORD flags = PD_RETURNDC, CWnd *parent = nullptr);
    ~CPrintDialog();
    CPrintDialog(const CPrintDialog &) = delete;
    CPrintDialog &operator=(const CPrintDialog &) = delete;

    // IDOK when the user chose to print, else IDCANCEL. The page range offered is
    // nMinPage..nMaxPage, preset to nFromPage..nToPage.
    int DoModal();
    // With PD_RETURNDC, the surface of the chosen printer after DoModal returned IDOK; owned by
    // the dialog and valid until its next DoModal. nullptr otherwise.
    CDC *GetPrinterDC() const { return m_dc.get(); }

    PRINTDLG m_pd;

private:
    int showDialog();

    CWnd *m_parent;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<CDC> m_dc;
};

} // namespace zyfo
