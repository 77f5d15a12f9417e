// The main window driven as a person uses it: before and after a file, channel switches,
// colours, resizing, value edits with Enter and Escape, the About item and help.
#include "MainWindowFixture.h"

#include "CColorBox.h"
#include "CWinApp.h"

#include <QMenu>
#include <QTest>

namespace zyfo {
namespace {

using namespace test;

constexpr int kTemperatureItem = 0;
constexpr int kHumidityItem = 1;
constexpr int kDewPointItem = 2;
constexpr int kBinaryItem = 3;

TEST_F(MainWindowTest, ControlsAreDisabledUntilAFileIsOpenedWhichListsItsChannelsAndNamesIt)
{
    for (int id : kDataControls)
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_EQ(title(), "VENTRO ZYFO");

    const std::string path = writeRecords("station.zyd", 0, 30);
    open(path);
    EXPECT_EQ(title(), "VENTRO ZYFO - " + path);
    for (int id : kDataControls)
        EXPECT_TRUE(enabled(id)) << id;
    auto &list = static_cast<CComboBox &>(control(IDC_CHANNEL));
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetCurSel(), kTemperatureItem);
    EXPECT_TRUE(isChecked(window, IDC_DRAW));
    EXPECT_EQ(shownTime(IDC_FROM_DATE, IDC_FROM_TIME), file().rowTime(0));
    EXPECT_EQ(shownTime(IDC_TO_DATE, IDC_TO_TIME), file().rowTime(29));
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheChart)
{
    open(writeRecords("station.zyd", 0, 10));
    QWidget *chart = window.chart().GetSafeHwnd();
    QWidget *combo = widgetOf(window, IDC_CHANNEL);
    const QRect comboBefore = combo->geometry();
    for (const QSize size : {QSize(900, 600), QSize(700, 420)}) {
        window.GetSafeHwnd()->resize(size);
        CRect client;
        window.GetClientRect(&client);
        const int top = GetSystemMetrics(SM_CYDLGFRAME) + 45;
        ASSERT_TRUE(waitFor([&] { return chart->width() == client.Width(); }));
        EXPECT_EQ(chart->geometry(), QRect(0, top, client.Width(), client.Height() - top));
        EXPECT_EQ(combo->geometry(), comboBefore);
    }
}

TEST_F(MainWindowTest, WykresOffGreysKolorAndRemovesTheLineAndAColourThenMakesNoPen)
{
    open(writeRecords("station.zyd", 0, 20));
    const COLORREF color = window.chart().channelColor(ChannelKind::Temperature, 0);
    EXPECT_GT(linesIn(color), 0u);
    click(window, IDC_DRAW);
    EXPECT_FALSE(enabled(IDC_COLOR));
    EXPECT_EQ(window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);
    EXPECT_EQ(linesIn(color), 0u);
    // The dew point still shows on the shared temperature axis.
    EXPECT_TRUE(file().groupView(UnitGroup::Temperature).shown);

    // "Kolor" is greyed for an undrawn channel; the button is enabled here so that its
    // handler can be clicked in that state.
    const COLORREF chosen = RGB(10, 200, 30);
    {
        DialogScript script;
        script.answerColorDialog(IDOK, chosen);
        control(IDC_COLOR).EnableWindow(TRUE);
        click(window, IDC_COLOR);
        EXPECT_EQ(script.requests().at(0).color, color) << "the dialog opens at the colour";
    }
    EXPECT_EQ(static_cast<CColorBox &>(control(IDC_COLOR_BOX)).color(), chosen);
    EXPECT_EQ(window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);

    // Drawn again with a pen of the chosen colour and the line width in force now.
    window.chart().SetLineWidth(5);
    click(window, IDC_DRAW);
    EXPECT_TRUE(enabled(IDC_COLOR));
    const LOGPEN *pen = window.chart().channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(pen->lopnWidth, 5);
    EXPECT_EQ(pen->lopnColor, chosen);
    EXPECT_GT(linesIn(chosen), 0u);
    EXPECT_EQ(linesIn(color), 0u);
}

TEST_F(MainWindowTest, ValueEditsAreCommittedByEnterOrEscapeIntoOrderAndTheWindowStays)
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
        {kHumidityItem, IDC_VALUE_TO, "abc", Qt::Key_Return, "0", "1"},
        {kHumidityItem, IDC_VALUE_TO, "40", Qt::Key_Return, "0", "40"},
        {kHumidityItem, IDC_VALUE_FROM, "40", Qt::Key_Return, "40", "41"},
        {kBinaryItem, IDC_VALUE_FROM, "3", Qt::Key_Return, "0", nullptr}, // To not touched
        {kBinaryItem, IDC_VALUE_TO, "-4", Qt::Key_Return, "0", "1"},
        {kBinaryItem, IDC_VALUE_TO, "7", Qt::Key_Return, "0", "1"},
    };
    open(writeRecords("station.zyd", 0, 20));
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << ": " << c.typed);
        choose(window, IDC_CHANNEL, c.item);
        enterValue(c.id, c.typed, c.key);
        EXPECT_EQ(text(IDC_VALUE_FROM), c.from);
        if (c.to != nullptr) {
            EXPECT_EQ(text(IDC_VALUE_TO), c.to);
        }
        EXPECT_TRUE(window.IsWindowVisible());
    }
    EXPECT_EQ(file().groupView(UnitGroup::RelativeHumidity).viewMinimum, 40);
    EXPECT_EQ(file().groupView(UnitGroup::BinaryInput).viewMaximum, 1);

    // The arrows step within the limits too.
    choose(window, IDC_CHANNEL, kHumidityItem);
    enterValue(IDC_VALUE_TO, "100");
    QWidget *toSpin = widgetOf(window, IDC_VALUE_TO_SPIN);
    QTest::mouseClick(toSpin, Qt::LeftButton, {}, QPoint(toSpin->width() / 2, 2));
    EXPECT_EQ(text(IDC_VALUE_TO), "100");
    QTest::mouseClick(toSpin, Qt::LeftButton, {},
                      QPoint(toSpin->width() / 2, toSpin->height() - 2));
    EXPECT_EQ(text(IDC_VALUE_TO), "99");
    EXPECT_EQ(file().groupView(UnitGroup::RelativeHumidity).viewMaximum, 99);
}

TEST_F(MainWindowTest, DewPointAndTemperatureShareOneRangeAndGrid)
{
    open(writeRecords("station.zyd", 0, 20));
    enterValue(IDC_VALUE_FROM, "8");
    click(window, IDC_GRID);
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

TEST_F(MainWindowTest, TheAboutItemOfTheSystemMenuOpensAboutAndPomocOpensHelp)
{
    QTest::keyClick(window.GetSafeHwnd(), Qt::Key_Space, Qt::AltModifier);
    QMenu *popup = nullptr;
    ASSERT_TRUE(waitFor([&] {
        popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        return popup != nullptr;
    }));
    QAction *about = popup->actions().back();
    EXPECT_EQ(about->text(), "&About zyfo...");
    popup->close();
    withModalDialog([&] { about->trigger(); },
                    [](CDialog &dialog) {
                        EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "O programie");
                        click(dialog, IDOK);
                    });
    DialogScript script;
    runMenu("Pomoc");
    ASSERT_EQ(script.requests().size(), 1u);
    EXPECT_EQ(script.requests()[0].kind, DialogRequest::Kind::Help);
    EXPECT_EQ(script.requests()[0].helpData, 100u);
}

} // namespace
} // namespace zyfo
