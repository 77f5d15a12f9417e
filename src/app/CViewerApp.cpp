// The application object: one instance only, splash, settings loaded and stored around the
// main window's modal run.
#include "CViewerApp.h"

#include "CMainDlg.h"
#include "CRegistryKey.h"
#include "InstanceChannel.h"
#include "Resources.h"
#include "SettingsStore.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>

namespace zyfo {

namespace {
constexpr const char *kInstanceName = "Zyfo";
constexpr DWORD kSplashMilliseconds = 2000;
// How long a second start waits for the running copy to take its file; it covers the running
// copy's splash when both start at once.
constexpr std::chrono::seconds kHandOverTimeout{10};

// The file named on the command line as a full path, as the file dialog returns it; empty when
// there is none.
std::string fileArgument(const std::vector<std::string> &arguments)
{
    if (arguments.empty() || arguments.front().empty())
        return {};
    std::error_code ignored;
    return std::filesystem::absolute(arguments.front(), ignored).lexically_normal().string();
}
} // namespace

CViewerApp::CViewerApp()
{
    SetHelpDocument(helpDocument());
}

CViewerApp::~CViewerApp() = default;

BOOL CViewerApp::InitInstance()
{
    m_instanceGuard = std::make_unique<InstanceGuard>(kInstanceName);
    const std::string file = fileArgument(arguments());
    // Another copy is running: end silently, without a window and without touching the
    // settings; a file named on the command line goes to that copy.
    if (m_instanceGuard->alreadyExists()) {
        if (!file.empty())
            handOver(file);
        return FALSE;
    }

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
    if (!file.empty())
        mainWindow.openFileWhenIdle(file);
    // Only the copy holding the lock may replace the socket file.
    std::unique_ptr<InstanceChannel> channel;
    if (m_instanceGuard->held())
        channel = std::make_unique<InstanceChannel>(
            InstanceGuard::socketFile(kInstanceName),
            [&mainWindow](const std::string &path) { mainWindow.openFileWhenIdle(path); });
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

void CViewerApp::handOver(const std::string &file)
{
    if (InstanceChannel::send(InstanceGuard::socketFile(kInstanceName), file, kHandOverTimeout))
        return;
    std::fprintf(stderr, "zyfo: uruchomiony program nie odpowiada, nie otworzy pliku %s\n",
                 file.c_str());
    m_handOverFailed = true;
}

int CViewerApp::ExitInstance()
{
    m_instanceGuard.reset();
    const int exitCode = CWinApp::ExitInstance();
    return m_handOverFailed ? 1 : exitCode;
}

} // namespace zyfo
