// The program's help viewer: a window showing the help document at a context's anchor.
#pragma once

#include "WinDefs.h"

#include <string>

namespace zyfo {

class HelpViewer
{
public:
    // Shows `html` (the whole help document) and scrolls to the anchor "context-<data>" when
    // the document has one. Through the scriptable seam, the request is only recorded. The
    // window is made once and reused.
    static void open(const std::string &html, DWORD data, UINT command);
};

} // namespace zyfo
