// Live updating end to end: zydgen keeps appending to a data file, as a running logger does,
// while the main window re-reads it on its timer and follows the newest measurements.
#include "MainWindowFixture.h"
#include "ToolProcess.h"

namespace zyfo {
namespace {

using namespace test;

constexpr int kLoggedRows = 60;
constexpr int kFollowedRows = 15;
constexpr int kLastCount = 20;

TEST_F(MainWindowTest, NewRowsOfAFollowingLoggerAppearAndTheFromPickersFollow)
{
    const std::string path = (folders.root() / "live.zyd").string();
    test::ToolProcess logged(ZYDGEN_PATH, {"--records", std::to_string(kLoggedRows), "--start",
                                           "2006-12-05 00:00:00", path});
    ASSERT_EQ(logged.wait().exitCode, 0);
    open(path);
    ASSERT_EQ(file().rowCount(), kLoggedRows);
    const int items = static_cast<CComboBox &>(control(IDC_CHANNEL)).GetCount();
    ASSERT_GT(items, 0);

    // Re-read every second, showing the newest 20 rows.
    window.setLiveUpdate({1, 1, kLastCount, 1});
    EXPECT_EQ(file().fromRow(), kLoggedRows - kLastCount);

    // Records stamped with the current time, some written in two parts.
    test::ToolProcess logger(ZYDGEN_PATH, {"--append", "--follow", "0.2", "--count",
                                           std::to_string(kFollowedRows), "--torn", "0.3", path});
    const int all = kLoggedRows + kFollowedRows;
    EXPECT_TRUE(waitFor([&] { return file().rowCount() == all; }, 120000))
        << file().rowCount() << " rows";
    EXPECT_EQ(logger.wait().exitCode, 0);

    // The To end is the newest second (the first of its rows: a following logger may write
    // several records within one second), the From end 19 rows before it.
    EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(all - 1));
    const std::time_t firstShown = file().rowTime(std::max(file().toRow() - kLastCount + 1, 0));
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), firstShown);
    EXPECT_GT(firstShown, file().rowTime(kLoggedRows - kLastCount));
    EXPECT_EQ(static_cast<CComboBox &>(control(IDC_CHANNEL)).GetCount(), items);
}

} // namespace
} // namespace zyfo
