// The open-file (or save-file) dialog, through the scriptable seam.
#pragma once

#include "WinDefs.h"

#include <string>

namespace zyfo {

class CWnd;

// The fields of the file dialog's description that the program reads or sets.
struct OPENFILENAME
{
    DWORD Flags = 0;
    std::string lpstrTitle;  // empty: the dialog's own title
    std::string lpstrDefExt; // without the dot
    int nFilterIndex = 1;    // from 1; on return the filter the user left selected
    int nFileExtension = 0;  // on return: offset of the extension in the path, 0 when none
};

class CFileDialog
{
public:
    // `filter` is "caption|pattern|caption|pattern||" (patterns separated by ";"), the
    // default extension may be given with or without its dot. OFN_OVERWRITEPROMPT asks before
    // a save dialog replaces a file; OFN_FILEMUSTEXIST makes an open dialog accept only
    // existing files; OFN_HIDEREADONLY has nothing to hide here.
    CFileDialog(BOOL openFileDialog, const std::string &defaultExtension = {},
                const std::string &fileName = {},
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                const std::string &filter = {}, CWnd *parent = nullptr);

    // IDOK when a file was chosen, else IDCANCEL. A name chosen without an extension gets the
    // selected filter's extension (or the default extension) when one is set.
    int DoModal();
    std::string GetPathName() const { return m_path; }

    OPENFILENAME m_ofn;

private:
    int showDialog();

    bool m_open;
    std::string m_fileName;
    std::string m_filter;
    CWnd *m_parent;
    std::string m_path;
};

} // namespace zyfo
