// The main window driven as a person uses it: before and after a file, channel switches,
// colours, resizing, Enter and Escape, the About item and help.
#include "MainWindowFixture.h"

#include "CColorBox.h"
#include "CWinApp.h"

#include <QMenu>
#include <QTest>

#include <functional>
#include <vector>

namespace zyfo {
namespace {

using namespace test;

constexpr int kTemperatureItem = 0;
constexpr int kHumidityItem = 1;
constexpr int kDewPointItem = 2;
constexpr int kBinaryItem = 3;

TEST_F(MainWindowTest, BeforeAFileTheDataControlsAreDisabledAndTheTitleIsTheProgramsName)
{
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_EQ(title(), "VENTRO ZYFO");
    EXPECT_EQ(window.dataFile(), nullptr);

    // The menu works without a file: cancelling "Otwórz plik" changes nothing.
    DialogScript script;
    script.answerFileDialog(IDCANCEL);
    runMenu("Otwórz plik");
    ASSERT_EQ(script.requests().size(), 1u);
    const DialogRequest &request = script.requests()[0];
    EXPECT_TRUE(request.openDialog);
    EXPECT_EQ(request.filter, "*.zyd|*.zyd||");
    EXPECT_EQ(window.dataFile(), nullptr);
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
}

TEST_F(MainWindowTest, OpeningAFileListsItsChannelsAndSetsTheTitle)
{
    const std::string path = writeRecords("station.zyd", 0, 30);
    open(path);
    EXPECT_EQ(title(), "VENTRO ZYFO - " + path);
    EXPECT_EQ(window.filePath(), path);
    for (int id : kDataControls)
        EXPECT_TRUE(enabled(id)) << id;
    auto &list = static_cast<CComboBox &>(control(IDC_CHANNEL));
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetCurSel(), kTemperatureItem);
    EXPECT_TRUE(isChecked(window, IDC_DRAW));
    EXPECT_EQ(file().rowCount(), 30);
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(0));
    EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(29));
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheChart)
{
    open(writeRecords("station.zyd", 0, 10));
    QWidget *chart = window.chart().GetSafeHwnd();
    QWidget *combo = widgetOf(window, IDC_CHANNEL);
    QWidget *colorButton = widgetOf(window, IDC_COLOR);
    const QRect comboBefore = combo->geometry();
    const QRect buttonBefore = colorButton->geometry();

    for (const QSize size : {QSize(900, 600), QSize(700, 420)}) {
        window.GetSafeHwnd()->resize(size);
        CRect client;
        window.GetClientRect(&client);
        const int top = GetSystemMetrics(SM_CYDLGFRAME) + 45;
        ASSERT_TRUE(waitFor([&] { return chart->width() == client.Width(); }));
        EXPECT_EQ(chart->geometry(), QRect(0, top, client.Width(), client.Height() - top));
        EXPECT_EQ(combo->geometry(), comboBefore);
        EXPECT_EQ(colorButton->geometry(), buttonBefore);
    }
}

TEST_F(MainWindowTest, WykresOffDisablesKolorAndRemovesTheLine)
{
    open(writeRecords("station.zyd", 0, 20));
    const COLORREF color = window.chart().channelColor(ChannelKind::Temperature, 0);
    EXPECT_GT(linesIn(color), 0u);
    EXPECT_TRUE(enabled(IDC_COLOR));

    click(window, IDC_DRAW);
    EXPECT_FALSE(isChecked(window, IDC_DRAW));
    EXPECT_FALSE(enabled(IDC_COLOR));
    EXPECT_FALSE(file().channelView(ChannelKind::Temperature, 0).shown);
    EXPECT_EQ(window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);
    EXPECT_EQ(linesIn(color), 0u);
    // The dew point still shows on the shared temperature axis.
    EXPECT_TRUE(file().groupView(UnitGroup::Temperature).shown);

    // Drawn again with a pen of the line width in force now.
    window.chart().SetLineWidth(5);
    click(window, IDC_DRAW);
    EXPECT_TRUE(enabled(IDC_COLOR));
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnWidth, 5);
    EXPECT_EQ(pen->lopnColor, color);
    EXPECT_GT(linesIn(color), 0u);
}

TEST_F(MainWindowTest, AColourForAnUndrawnChannelMakesNoPenUntilItIsDrawn)
{
    open(writeRecords("station.zyd", 0, 20));
    click(window, IDC_DRAW); // temperature not drawn
    const COLORREF chosen = RGB(10, 200, 30);
    {
        // "Kolor" is greyed for an undrawn channel; the button is enabled here so that its
        // handler can be clicked in that state.
        DialogScript script;
        script.answerColorDialog(IDOK, chosen);
        control(IDC_COLOR).EnableWindow(TRUE);
        click(window, IDC_COLOR);
        ASSERT_EQ(script.requests().size(), 1u);
        EXPECT_EQ(script.requests()[0].flags & CC_FULLOPEN, CC_FULLOPEN);
    }
    EXPECT_EQ(window.chart().channelColor(ChannelKind::Temperature, 0), chosen);
    EXPECT_EQ(static_cast<CColorBox &>(control(IDC_COLOR_BOX)).color(), chosen);
    EXPECT_EQ(window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);

    click(window, IDC_DRAW);
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnColor, chosen);
    EXPECT_GT(linesIn(chosen), 0u);
}

TEST_F(MainWindowTest, AColourForADrawnChannelReplacesItsPenAndCancelChangesNothing)
{
    open(writeRecords("station.zyd", 0, 20));
    choose(window, IDC_CHANNEL, kHumidityItem);
    const COLORREF before = window.chart().channelColor(ChannelKind::RelativeHumidity, 0);
    EXPECT_EQ(static_cast<CColorBox &>(control(IDC_COLOR_BOX)).color(), before);
    {
        DialogScript script;
        script.answerColorDialog(IDCANCEL);
        click(window, IDC_COLOR);
        ASSERT_EQ(script.requests().size(), 1u);
        EXPECT_EQ(script.requests()[0].color, before);
    }
    EXPECT_EQ(window.chart().channelColor(ChannelKind::RelativeHumidity, 0), before);

    const COLORREF chosen = RGB(250, 0, 250);
    DialogScript script;
    script.answerColorDialog(IDOK, chosen);
    click(window, IDC_COLOR);
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::RelativeHumidity, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnColor, chosen);
    EXPECT_EQ(linesIn(before), 0u);
    EXPECT_GT(linesIn(chosen), 0u);
}

TEST_F(MainWindowTest, EnterAndEscapeCommitAValueEditAndTheWindowStays)
{
    open(writeRecords("station.zyd", 0, 20));
    choose(window, IDC_CHANNEL, kHumidityItem);
    enterValue(IDC_VALUE_FROM, "500");
    EXPECT_EQ(text(IDC_VALUE_FROM), "99");
    EXPECT_EQ(text(IDC_VALUE_TO), "100");
    EXPECT_EQ(file().groupView(UnitGroup::RelativeHumidity).viewMinimum, 99);
    EXPECT_EQ(file().groupView(UnitGroup::RelativeHumidity).viewMaximum, 100);
    EXPECT_TRUE(window.IsWindowVisible());

    enterValue(IDC_VALUE_TO, "0", Qt::Key_Escape);
    EXPECT_EQ(text(IDC_VALUE_TO), "1");
    EXPECT_EQ(text(IDC_VALUE_FROM), "0");
    EXPECT_TRUE(window.IsWindowVisible());
}

TEST_F(MainWindowTest, NonNumericAndEqualValuesAreClampedIntoOrder)
{
    open(writeRecords("station.zyd", 0, 20));
    choose(window, IDC_CHANNEL, kHumidityItem);
    enterValue(IDC_VALUE_TO, "abc");
    EXPECT_EQ(text(IDC_VALUE_TO), "1");
    EXPECT_EQ(text(IDC_VALUE_FROM), "0");

    enterValue(IDC_VALUE_TO, "40");
    enterValue(IDC_VALUE_FROM, "40");
    EXPECT_EQ(text(IDC_VALUE_FROM), "40");
    EXPECT_EQ(text(IDC_VALUE_TO), "41");
}

TEST_F(MainWindowTest, DewPointAndTemperatureShareOneRangeAndGrid)
{
    open(writeRecords("station.zyd", 0, 20));
    enterValue(IDC_VALUE_FROM, "8");
    click(window, IDC_GRID);
    EXPECT_TRUE(isChecked(window, IDC_GRID));

    choose(window, IDC_CHANNEL, kDewPointItem);
    EXPECT_EQ(text(IDC_VALUE_FROM), "8");
    EXPECT_TRUE(isChecked(window, IDC_GRID));
    enterValue(IDC_VALUE_TO, "25");
    click(window, IDC_GRID);

    choose(window, IDC_CHANNEL, kTemperatureItem);
    EXPECT_EQ(text(IDC_VALUE_FROM), "8");
    EXPECT_EQ(text(IDC_VALUE_TO), "25");
    EXPECT_FALSE(isChecked(window, IDC_GRID));
    EXPECT_FALSE(file().groupView(UnitGroup::Temperature).grid);
}

TEST_F(MainWindowTest, BinaryInputAllowsOnlyZeroAndOne)
{
    open(writeRecords("station.zyd", 0, 20));
    choose(window, IDC_CHANNEL, kBinaryItem);
    enterValue(IDC_VALUE_FROM, "3");
    EXPECT_EQ(text(IDC_VALUE_FROM), "0");
    for (const char *typed : {"-4", "7", "1"}) {
        enterValue(IDC_VALUE_TO, typed);
        EXPECT_EQ(text(IDC_VALUE_FROM), "0") << typed;
        EXPECT_EQ(text(IDC_VALUE_TO), "1") << typed;
    }
    EXPECT_EQ(file().groupView(UnitGroup::BinaryInput).viewMinimum, 0);
    EXPECT_EQ(file().groupView(UnitGroup::BinaryInput).viewMaximum, 1);
}

TEST_F(MainWindowTest, UpDownArrowsStepTheEditsWithinTheirLimits)
{
    open(writeRecords("station.zyd", 0, 20));
    choose(window, IDC_CHANNEL, kHumidityItem);
    enterValue(IDC_VALUE_FROM, "5");
    QWidget *fromSpin = widgetOf(window, IDC_VALUE_FROM_SPIN);
    QTest::mouseClick(fromSpin, Qt::LeftButton, {}, QPoint(fromSpin->width() / 2, 2));
    EXPECT_EQ(text(IDC_VALUE_FROM), "6");
    EXPECT_EQ(file().groupView(UnitGroup::RelativeHumidity).viewMinimum, 6);

    QWidget *toSpin = widgetOf(window, IDC_VALUE_TO_SPIN);
    enterValue(IDC_VALUE_TO, "100");
    QTest::mouseClick(toSpin, Qt::LeftButton, {}, QPoint(toSpin->width() / 2, 2));
    EXPECT_EQ(text(IDC_VALUE_TO), "100");
    QTest::mouseClick(toSpin, Qt::LeftButton, {},
                      QPoint(toSpin->width() / 2, toSpin->height() - 2));
    EXPECT_EQ(text(IDC_VALUE_TO), "99");
}

TEST_F(MainWindowTest, TheAboutItemOfTheSystemMenuAndPomocOpenAboutAndHelp)
{
    CMenu *systemMenu = window.GetSystemMenu(FALSE);
    ASSERT_NE(systemMenu, nullptr);
    const auto &items = systemMenu->items();
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].flags, MF_SEPARATOR);
    EXPECT_EQ(items.back().id, 16u);
    EXPECT_EQ(items.back().text, "&About zyfo...");

    QTest::keyClick(window.GetSafeHwnd(), Qt::Key_Space, Qt::AltModifier);
    QMenu *popup = nullptr;
    ASSERT_TRUE(waitFor([&] {
        popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        return popup != nullptr;
    }));
    QAction *about = popup->actions().back();
    EXPECT_EQ(about->text(), "&About zyfo...");
    popup->close();
    // The About dialog runs modally; it is closed from inside its own loop. The system menu's
    // item and Pomoc / "O programie" open the same dialog.
    for (const std::function<void()> &open : std::vector<std::function<void()>>{
             [&] { about->trigger(); }, [&] { runMenu("O programie"); }}) {
        std::string caption;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                caption = modal->windowTitle().toStdString();
                modal->close();
            }
        });
        open();
        EXPECT_EQ(caption, "O programie");
    }

    DialogScript script;
    runMenu("Pomoc");
    ASSERT_EQ(script.requests().size(), 1u);
    EXPECT_EQ(script.requests()[0].kind, DialogRequest::Kind::Help);
    EXPECT_EQ(script.requests()[0].helpData, 100u);
}

} // namespace
} // namespace zyfo
