// The application object: one instance only, splash, settings loaded and stored around the
// main window's modal run.
#include "CViewerApp.h"

#include "CMainDlg.h"
#include "CRegistryKey.h"
#include "Resources.h"
#include "SettingsStore.h"

#include <clocale>

namespace zyfo {

namespace {
constexpr const char *kInstanceName = "Zyfo";
constexpr DWORD kSplashMilliseconds = 2000;
} // namespace

CViewerApp::CViewerApp()
{
    SetHelpDocument(helpDocument());
}

CViewerApp::~CViewerApp() = default;

BOOL CViewerApp::InitInstance()
{
    m_instanceGuard = std::make_unique<InstanceGuard>(kInstanceName);
    // Another copy is running: end silently, without a window and without touching the
    // settings.
    if (m_instanceGuard->alreadyExists())
        return FALSE;

    CDialog splash(splashDialogTemplate());
    if (splash.Create(nullptr)) {
        splash.ShowWindow(SW_SHOW);
        splash.UpdateWindow();
        Sleep(kSplashMilliseconds);
    }
    // Numbers formatted from here on (legend means, reports) use the user's decimal separator.
    std::setlocale(LC_ALL, "");

    CMainDlg mainWindow;
    m_pMainWnd = &mainWindow;
    CRegistryKey key;
    SettingsStore settings(mainWindow.chart().settings(), mainWindow.liveUpdateSettings());
    settings.Load(key);
    splash.ShowWindow(SW_HIDE);

    mainWindow.DoModal();

    settings.Store(key);
    mainWindow.closeDataFile();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CViewerApp::ExitInstance()
{
    m_instanceGuard.reset();
    return CWinApp::ExitInstance();
}

} // namespace zyfo
