// The colour dialog, through the scriptable seam.
#pragma once

#include "WinDefs.h"

namespace zyfo {

class CWnd;

class CColorDialog
{
public:
    // Opens on `initial`; CC_FULLOPEN shows the custom colour part (always shown here).
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd *parent = nullptr);

    // IDOK when a colour was chosen, else IDCANCEL.
    int DoModal();
    // The chosen colour after IDOK, else the initial one.
    COLORREF GetColor() const { return m_color; }

private:
    COLORREF m_color;
    DWORD m_flags;
    CWnd *m_parent;
};

} // namespace zyfo
