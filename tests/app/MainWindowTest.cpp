// The main window driven as a person uses it: before and after a file, the About item, resizing,
// drawing and colours, value edits with their limits, and the shared temperature axis.
#include "MainWindowFixture.h"

#include "CColorBox.h"
#include "CWinApp.h"

#include <QMenu>
#include <QTest>

namespace zyfo {
namespace {

using namespace test;

constexpr int kHumidityItem = 1;
constexpr int kDewPointItem = 2;
constexpr int kBinaryItem = 3;

// A file of one row leaves the controls disabled until a re-read brings a second row.
TEST_F(MainWindowTest, ControlsAreDisabledUntilAFileHasTwoRowsAndItsNameIsInTheTitle)
{
    EXPECT_EQ(title(), "VENTRO ZYFO");
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
    const std::string path = writeRecords("station.zyd", 0, 1);
    open(path);
    EXPECT_EQ(title(), "VENTRO ZYFO - " + path);
    // Turning live update on re-reads at once.
    window.setLiveUpdate({5, 1, 100, 0});
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
    writeRecords("station.zyd", 1, 1, true);
    window.setLiveUpdate({5, 1, 100, 0});
    for (int id : kDataControls)
        EXPECT_TRUE(enabled(id)) << id;
}

// The system menu's About item and Pomoc / "O programie" open the same About dialog.
TEST_F(MainWindowTest, TheAboutItemOfTheSystemMenuOpensTheAboutDialog)
{
    const auto systemMenuAbout = [&] {
        QTest::keyClick(window.GetSafeHwnd(), Qt::Key_Space, Qt::AltModifier);
        QMenu *popup = nullptr;
        ASSERT_TRUE(waitFor([&] {
            popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            return popup != nullptr;
        }));
        const QList<QAction *> items = popup->actions();
        const auto about = std::find_if(items.begin(), items.end(), [](const QAction *item) {
            return item->text() == "&About zyfo...";
        });
        ASSERT_NE(about, items.end());
        popup->close();
        (*about)->trigger();
    };
    const DialogTemplate *opened[2] = {};
    const std::function<void()> ways[] = {systemMenuAbout, [&] { runMenu("O programie"); }};
    for (int way = 0; way < 2; ++way)
        withModalDialog(ways[way], [&](CDialog &dialog) {
            opened[way] = &dialog.dialogTemplate();
            EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "O programie");
            click(dialog, IDOK);
        });
    EXPECT_NE(opened[0], nullptr);
    EXPECT_EQ(opened[0], opened[1]);
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheChart)
{
    open(writeRecords("station.zyd", 0, 10));
    QWidget *chart = window.chart().GetSafeHwnd();
    QWidget *combo = widgetOf(window, IDC_CHANNEL);
    const QRect comboBefore = combo->geometry();
    window.GetSafeHwnd()->resize(QSize(900, 600));
    CRect client;
    window.GetClientRect(&client);
    const int top = GetSystemMetrics(SM_CYDLGFRAME) + 45;
    ASSERT_TRUE(waitFor([&] { return chart->width() == client.Width(); }));
    EXPECT_EQ(chart->geometry(), QRect(0, top, client.Width(), client.Height() - top));
    EXPECT_EQ(combo->geometry(), comboBefore);
}

TEST_F(MainWindowTest, WykresOffGreysKolorAndAColourMakesNoPenUntilItIsDrawnAgain)
{
    open(writeRecords("station.zyd", 0, 20));
    const COLORREF color = window.chart().channelColor(ChannelKind::Temperature, 0);
    ASSERT_GT(linesIn(color), 0u);
    click(window, IDC_DRAW);
    EXPECT_FALSE(enabled(IDC_COLOR));
    EXPECT_EQ(linesIn(color), 0u);

    // The button is enabled here so that its handler can be clicked in that state.
    DialogScript script;
    script.answerColorDialog(IDOK, RGB(10, 200, 30));
    control(IDC_COLOR).EnableWindow(TRUE);
    click(window, IDC_COLOR);
    EXPECT_EQ(static_cast<CColorBox &>(control(IDC_COLOR_BOX)).color(), RGB(10, 200, 30));
    EXPECT_EQ(window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);

    // Drawn again with a pen of the chosen colour and the line width in force now.
    window.chart().SetLineWidth(5);
    click(window, IDC_DRAW);
    EXPECT_TRUE(enabled(IDC_COLOR));
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnWidth, 5);
    EXPECT_EQ(pen->lopnColor, RGB(10, 200, 30));
    EXPECT_GT(linesIn(RGB(10, 200, 30)), 0u);
}

TEST_F(MainWindowTest, ValueEditsAreCommittedByEnterOrEscapeWithinTheirLimitsAndTheWindowStays)
{
    struct Case
    {
        int item, id;
        const char *typed;
        Qt::Key key;
        const char *from, *to;
    };
    const Case cases[] = {
        {kHumidityItem, IDC_VALUE_FROM, "500", Qt::Key_Return, "99", "100"},
        {kHumidityItem, IDC_VALUE_TO, "0", Qt::Key_Escape, "0", "1"},
        {kBinaryItem, IDC_VALUE_TO, "7", Qt::Key_Return, "0", "1"},
        {kBinaryItem, IDC_VALUE_FROM, "3", Qt::Key_Escape, "0", "1"},
    };
    open(writeRecords("station.zyd", 0, 20));
    for (const Case &c : cases) {
        choose(window, IDC_CHANNEL, c.item);
        enterValue(c.id, c.typed, c.key);
        EXPECT_EQ(text(IDC_VALUE_FROM), c.from) << c.typed;
        EXPECT_EQ(text(IDC_VALUE_TO), c.to) << c.typed;
        EXPECT_TRUE(window.IsWindowVisible());
    }
}

TEST_F(MainWindowTest, DewPointAndTemperatureShareOneRangeAndGrid)
{
    open(writeRecords("station.zyd", 0, 20));
    enterValue(IDC_VALUE_FROM, "8");
    click(window, IDC_GRID);
    choose(window, IDC_CHANNEL, kDewPointItem);
    EXPECT_EQ(text(IDC_VALUE_FROM), "8");
    EXPECT_TRUE(isChecked(window, IDC_GRID));
}

} // namespace
} // namespace zyfo
