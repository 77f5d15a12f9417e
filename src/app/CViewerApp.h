// The application object: one instance only, splash, settings loaded and stored around the
// main window's modal run.
#pragma once

#include "CWinApp.h"
#include "InstanceGuard.h"

#include <memory>

namespace zyfo {

// The program's whole run happens in InitInstance: it refuses to run beside another copy
// ("Zyfo" guard), shows the splash for two seconds, takes the user's locale, loads the twelve
// settings into the main window and its chart, runs the main window modally and stores the
// settings when it closes. The guard is released in ExitInstance.
class CViewerApp : public CWinApp
{
public:
    CViewerApp();
    ~CViewerApp() override;

    // Always FALSE: there is no message loop after the main window's own.
    BOOL InitInstance() override;
    // Releases the instance guard; the process exit code.
    int ExitInstance() override;

private:
    std::unique_ptr<InstanceGuard> m_instanceGuard;
};

} // namespace zyfo
