// Message boxes: through the scriptable seam, or shown with Polish buttons.
#pragma once

#include "WinDefs.h"

#include <string>

class QWidget;

namespace zyfo {

// MB_OK or MB_YESNO, with MB_ICONQUESTION or MB_ICONEXCLAMATION; "\r\n" breaks lines. An empty
// caption shows the program's name. Returns IDOK, IDYES or IDNO; a Yes/No box cannot be
// cancelled. `owner` may be nullptr.
int runMessageBox(QWidget *owner, const std::string &text, const std::string &caption, UINT type);

} // namespace zyfo
