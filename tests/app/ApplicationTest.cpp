// The application's whole run: one instance only, settings stored when it closes, also on a
// clean account or with the key deleted meanwhile.
#include "CMainDlg.h"
#include "CViewerApp.h"
#include "MenuDriver.h"
#include "RegistryValues.h"
#include "ToolProcess.h"
#include "UserFolders.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zyfo {
namespace {

// Runs the program's start-up in this process; `steps` run once the main window is on screen
// and must close it. Returns whether the steps ran.
bool runProgram(CViewerApp &app, const std::function<void(CMainDlg &)> &steps)
{
    ensureApplication();
    bool ran = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *window = dynamic_cast<CMainDlg *>(AfxGetMainWnd());
        if (ran || window == nullptr || !window->IsWindowVisible())
            return;
        ran = true;
        steps(*window);
    });
    poll.start();
    EXPECT_EQ(app.InitInstance(), FALSE);
    EXPECT_EQ(app.ExitInstance(), 0);
    return ran;
}

TEST(Application, ASecondInstanceEndsSilentlyWithoutTouchingTheSettings)
{
    test::UserFolders folders;
    InstanceGuard running("Zyfo");
    ASSERT_TRUE(running.held());
    // The program itself: no window, no output, a normal exit.
    const test::ToolOutput output = test::ToolProcess(ZYFO_PATH, {}).wait();
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.out + output.err, "");
    EXPECT_FALSE(std::filesystem::exists(RegistryStore::forCurrentUser().file()));
}

TEST(Application, AllTwelveSettingsAreStoredAtExitOnACleanAccount)
{
    test::UserFolders folders;
    CViewerApp app;
    EXPECT_TRUE(runProgram(
        app, [](CMainDlg &window) { EXPECT_TRUE(test::chooseMenuItem(window, "Zakończ")); }));
    const std::uint32_t defaults[] = {0x000000, 0xFFFFFF, 2, 0, 1, 0, 1, 0, 0, 5, 0, 100};
    for (std::size_t i = 0; i < std::size(test::kSettingNames); ++i)
        EXPECT_EQ(test::storedDword(test::kSettingNames[i]), defaults[i]) << test::kSettingNames[i];
}

TEST(Application, AKeyDeletedWhileRunningIsNotRecreated)
{
    test::UserFolders folders;
    CViewerApp app;
    const std::filesystem::path registry = RegistryStore::forCurrentUser().file();
    EXPECT_TRUE(runProgram(app, [&](CMainDlg &window) {
        EXPECT_TRUE(std::filesystem::exists(registry)); // made by loading
        std::filesystem::remove(registry);
        EXPECT_TRUE(test::chooseMenuItem(window, "Zakończ"));
    }));
    EXPECT_FALSE(std::filesystem::exists(registry));
}

} // namespace
} // namespace zyfo
