// The application's whole run: one instance only, settings loaded into the main window and
// stored when it closes, also on a clean account or with the key deleted meanwhile.
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
    testing::ToolProcess second(ZYFO_PATH, {});
    const testing::ToolOutput output = second.wait();
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
    EXPECT_FALSE(std::filesystem::exists(RegistryStore::forCurrentUser().file()));
}

TEST(Application, AllTwelveSettingsAreStoredAtExitOnACleanAccount)
{
    test::UserFolders folders;
    CViewerApp app;
    EXPECT_TRUE(runProgram(app, [](CMainDlg &window) {
        std::string title;
        window.GetWindowText(title);
        EXPECT_EQ(title, "VENTRO ZYFO");
        EXPECT_TRUE(test::chooseMenuItem(window, "Zakończ"));
    }));
    const std::uint32_t defaults[] = {0x000000, 0xFFFFFF, 2, 0, 1, 0, 1, 0, 0, 5, 0, 100};
    for (std::size_t i = 0; i < std::size(test::kSettingNames); ++i)
        EXPECT_EQ(test::storedDword(test::kSettingNames[i]), defaults[i]) << test::kSettingNames[i];

    // The guard is free again once the program has ended.
    InstanceGuard next("Zyfo");
    EXPECT_TRUE(next.held());
}

TEST(Application, LoadedSettingsReachTheWindowAndChangesAreStoredOnClose)
{
    test::UserFolders folders;
    test::writeDword("LINIA", 7);
    test::writeDword("DATA_LINIA", 1);
    test::writeDword("ONLINE_DRAW_LAST", 33);
    CViewerApp app;
    EXPECT_TRUE(runProgram(app, [](CMainDlg &window) {
        EXPECT_EQ(window.chart().settings().lineWidth, 7);
        EXPECT_EQ(window.chart().bottomBandHeight(), 95); // date and time on one line
        EXPECT_EQ(window.liveUpdate().lastCount, 33);
        window.chart().SetLineWidth(3);
        window.GetSafeHwnd()->close(); // the close box
    }));
    EXPECT_EQ(test::storedDword("LINIA"), 3u);
    EXPECT_EQ(test::storedDword("DATA_LINIA"), 1u);
    EXPECT_EQ(test::storedDword("ONLINE_DRAW_LAST"), 33u);
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
