// The application object: one instance only, splash, settings loaded and stored around the
// main window's modal run.
#pragma once

#include "CWinApp.h"
#include "InstanceGuard.h"

#include <memory>
#include <string>

namespace zyfo {

// The program's whole run happens in InitInstance: it refuses to run beside another copy
// ("Zyfo" guard), shows the splash for two seconds, takes the user's locale, loads the twelve
// settings into the main window and its chart, runs the main window modally and stores the
// settings when it closes. The guard is released in ExitInstance.
//
// A file named as the first argument opens once the main window runs. A second start with a
// file hands its full path to the running copy through the socket beside the guard and ends;
// when the running copy does not take it within ten seconds, the second start says so on
// standard error and ends with exit code 1.
class CViewerApp : public CWinApp
{
public:
    CViewerApp();
    ~CViewerApp() override;

    // Always FALSE: there is no message loop after the main window's own.
    BOOL InitInstance() override;
    // Releases the instance guard; the process exit code (1 after a failed hand-over).
    int ExitInstance() override;

private:
    void handOver(const std::string &file);

    bool m_handOverFailed = false;
    std::unique_ptr<InstanceGuard> m_instanceGuard;
};

} // namespace zyfo
