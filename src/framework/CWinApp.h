// The application object and the program-wide platform calls: message boxes, system metrics,
// sleeping.
#pragma once

#include "WinDefs.h"

#include <string>
#include <vector>

namespace zyfo {

class CWnd;

// The program defines one global object of a class derived from CWinApp; main() hands control
// to AfxWinMain, which starts the platform, runs InitInstance and returns ExitInstance's
// result. The whole run happens inside InitInstance (modal windows have their own loops), so
// InitInstance's result only says whether the program started normally.
class CWinApp
{
public:
    // Becomes the program's application object.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp &) = delete;
    CWinApp &operator=(const CWinApp &) = delete;

    virtual BOOL InitInstance() { return FALSE; }
    // The process exit code.
    virtual int ExitInstance() { return 0; }

    // The help document (HTML) the help viewer shows; anchors "context-<n>" mark the topics.
    void SetHelpDocument(std::string html) { m_helpDocument = std::move(html); }
    const std::string &helpDocument() const { return m_helpDocument; }

    // The command-line arguments after the program's name, without the toolkit's own options
    // (set by AfxWinMain before InitInstance).
    void SetArguments(std::vector<std::string> arguments) { m_arguments = std::move(arguments); }
    const std::vector<std::string> &arguments() const { return m_arguments; }

    // The program's main window, set by InitInstance; modal dialogs without a parent belong
    // to it.
    CWnd *m_pMainWnd = nullptr;

private:
    std::string m_helpDocument;
    std::vector<std::string> m_arguments;
};

CWinApp *AfxGetApp();
CWnd *AfxGetMainWnd();

// Starts the GUI platform (with Qt's Polish translations of its own dialogs when installed),
// runs the application object and returns its exit code; 1 when there is no application object.
int AfxWinMain(int argc, char **argv);

// SM_CYDLGFRAME, SM_CXICON, SM_CYICON in pixels; 0 for other indexes.
int GetSystemMetrics(int index);

// Blocks the thread: no events are handled meanwhile.
void Sleep(DWORD milliseconds);

} // namespace zyfo
