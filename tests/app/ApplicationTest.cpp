// The application's whole run: one instance only, settings stored when it closes, also on a
// clean account or with the key deleted meanwhile; a file named on the command line, opened
// at start-up or handed to the copy already running.
#include "CMainDlg.h"
#include "CViewerApp.h"
#include "DialogScript.h"
#include "LocalSockets.h"
#include "MenuDriver.h"
#include "RegistryValues.h"
#include "ToolProcess.h"
#include "UserFolders.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
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

// On a clean account the settings are made by loading and stored at exit; a key deleted while
// the program runs stays deleted.
TEST(Application, AllTwelveSettingsAreStoredAtExitButAKeyDeletedWhileRunningIsNotRecreated)
{
    test::UserFolders folders;
    const std::filesystem::path registry = RegistryStore::forCurrentUser().file();
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted);
        CViewerApp app;
        EXPECT_TRUE(runProgram(app, [&](CMainDlg &window) {
            EXPECT_TRUE(std::filesystem::exists(registry)); // made by loading
            if (deleted)
                std::filesystem::remove(registry);
            EXPECT_TRUE(test::chooseMenuItem(window, "Zakończ"));
        }));
        if (deleted)
            break;
        const std::uint32_t defaults[] = {0x000000, 0xFFFFFF, 2, 0, 1, 0, 1, 0, 0, 5, 0, 100};
        for (std::size_t i = 0; i < std::size(test::kSettingNames); ++i)
            EXPECT_EQ(test::storedDword(test::kSettingNames[i]), defaults[i])
                << test::kSettingNames[i];
    }
    EXPECT_FALSE(std::filesystem::exists(registry));
}

// Two small files of the weather station, written by zydgen.
std::filesystem::path generatedFile(const test::UserFolders &folders, const std::string &name,
                                    int records)
{
    const std::filesystem::path path = folders.root() / name;
    EXPECT_EQ(
        test::runTool(ZYDGEN_PATH, {"--records", std::to_string(records), path.string()}).exitCode,
        0);
    return path;
}

// Whether the data file (.zyd) the process holds open, the one its window shows, is `file` alone.
bool showsOnly(const test::ToolProcess &program, const std::filesystem::path &file)
{
    std::vector<std::filesystem::path> files = test::openFiles(program.pid());
    std::erase_if(files, [](const auto &open) { return open.extension() != ".zyd"; });
    return files == std::vector<std::filesystem::path>{file};
}

TEST(Application, AFileArgumentOpensAfterTheSplashOrSaysItIsInvalid)
{
    const struct
    {
        const char *name;
        bool exists;
        bool liveUpdate;
    } cases[] = {
        {"stacja.zyd", true, false},
        {"stacja.zyd", true, true},
        {"brak.zyd", false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.liveUpdate ? " live" : ""));
        test::UserFolders folders;
        const std::filesystem::path path =
            c.exists ? generatedFile(folders, c.name, 30) : folders.root() / c.name;
        test::writeDword("ONLINE_CHECK", c.liveUpdate ? 1 : 0);
        DialogScript script;
        script.answerMessageBox(IDOK);
        CViewerApp app;
        // A relative argument, as typed in the file's folder, becomes the full path.
        const auto here = std::filesystem::current_path();
        std::filesystem::current_path(folders.root());
        app.SetArguments({c.name});
        EXPECT_TRUE(runProgram(app, [&](CMainDlg &window) {
            EXPECT_TRUE(test::waitFor(
                [&] { return window.dataFile() != nullptr || !script.requests().empty(); }));
            const std::string title = window.GetSafeHwnd()->windowTitle().toStdString();
            if (c.exists) {
                EXPECT_TRUE(script.requests().empty());
                EXPECT_EQ(window.filePath(), path.string());
                EXPECT_EQ(title, "VENTRO ZYFO - " + path.string());
                EXPECT_EQ(window.chart().file().rowCount(), 30);
            } else {
                ASSERT_EQ(script.requests().size(), 1u);
                EXPECT_EQ(script.requests()[0].text, "Nieprawidłowy plik");
                EXPECT_EQ(window.dataFile(), nullptr);
                EXPECT_EQ(title, "VENTRO ZYFO");
            }
            const bool timerRuns = std::ranges::any_of(
                window.GetSafeHwnd()->findChildren<QTimer *>(),
                [](QTimer *timer) { return timer->isActive() && timer->interval() == 5000; });
            EXPECT_EQ(timerRuns, c.liveUpdate && c.exists);
            EXPECT_TRUE(test::chooseMenuItem(window, "Zakończ"));
        }));
        std::filesystem::current_path(here);
    }
}

TEST(Application, ASecondStartHandsItsFileToTheRunningCopyAndTheLastOneWins)
{
    ensureApplication();
    test::UserFolders folders;
    test::ToolProcess first(ZYFO_PATH, {});
    // Once it listens, the first copy surely holds the lock.
    ASSERT_TRUE(test::waitFor([] { return test::isListening(InstanceGuard::socketFile("Zyfo")); }));
    // Each second start ends silently, with or without a file.
    const auto start = [&](const std::vector<std::string> &arguments) {
        const test::ToolOutput second = test::runTool(ZYFO_PATH, arguments);
        EXPECT_EQ(second.exitCode, 0);
        EXPECT_EQ(second.out + second.err, "");
    };
    for (const char *name : {"a.zyd", "b.zyd", "c.zyd"})
        generatedFile(folders, name, 10);
    start({(folders.root() / "a.zyd").string()});
    EXPECT_TRUE(test::waitFor([&] { return showsOnly(first, folders.root() / "a.zyd"); }));
    // Two handed over at once: the last one is shown.
    start({(folders.root() / "b.zyd").string()});
    start({(folders.root() / "c.zyd").string()});
    EXPECT_TRUE(test::waitFor([&] { return showsOnly(first, folders.root() / "c.zyd"); }));
    // Without a file the first copy keeps its file.
    start({});
    EXPECT_TRUE(showsOnly(first, folders.root() / "c.zyd"));
}

TEST(Application, AKilledCopysSocketDoesNotStopTheNextStartNorItsHandOvers)
{
    ensureApplication();
    test::UserFolders folders;
    const std::filesystem::path socket = InstanceGuard::socketFile("Zyfo");
    const std::filesystem::path a = generatedFile(folders, "a.zyd", 10);
    const std::filesystem::path b = generatedFile(folders, "b.zyd", 10);
    {
        test::ToolProcess killed(ZYFO_PATH, {a.string()});
        ASSERT_TRUE(
            test::waitFor([&] { return showsOnly(killed, a) && test::isListening(socket); }));
        killed.signal(SIGKILL);
        killed.wait();
    }
    ASSERT_TRUE(std::filesystem::exists(socket)) << "the killed copy leaves its socket file";
    ASSERT_FALSE(test::isListening(socket));

    test::ToolProcess next(ZYFO_PATH, {b.string()});
    EXPECT_TRUE(test::waitFor([&] { return showsOnly(next, b); }));
    EXPECT_EQ(test::runTool(ZYFO_PATH, {a.string()}).exitCode, 0);
    EXPECT_TRUE(test::waitFor([&] { return showsOnly(next, a); }));
}

} // namespace
} // namespace zyfo
