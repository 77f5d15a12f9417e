// The "Wykres" dialog: line width and points edits with their limits, draw-all, colours,
// means; Enter and Esc never close it.
#include "CChartCtrl.h"
#include "CChartSettingsDlg.h"
#include "ChartFixture.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"

#include <QImage>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::click;
using test::isEnabled;
using test::textOf;
using test::typeInto;

class ChartSettingsDlgTest : public ::testing::Test
{
protected:
    // Opens the dialog as the main window does, from the chart's settings.
    void open(int maxPoints = 0, int lineWidth = 2)
    {
        test::loadRows(chart, 20,
                       {{ChannelKind::Temperature, "RT-350 nr 1", test::constant(20, 20.0)}});
        chart.settings().maxPoints = maxPoints;
        chart.settings().lineWidth = lineWidth;
        dialog.m_maxPoints = maxPoints;
        dialog.m_lineWidth = lineWidth;
        dialog.m_backColor = chart.settings().backColor;
        dialog.m_textColor = chart.settings().textColor;
        ensureApplication();
        ASSERT_TRUE(dialog.Create());
        dialog.ShowWindow(SW_SHOW);
        test::activate(dialog);
    }

    // The colour in the middle of a swatch as it paints itself.
    QColor swatchColor(int id)
    {
        QWidget *swatch = test::widgetOf(dialog, id);
        return swatch->grab().toImage().pixelColor(swatch->width() / 2, swatch->height() / 2);
    }

    int seriesPenWidth()
    {
        const LOGPEN *pen = chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle();
        return pen != nullptr ? pen->lopnWidth : -1;
    }

    CChartCtrl chart;
    CChartSettingsDlg dialog{chart};
};

TEST_F(ChartSettingsDlgTest, DrawAllAtStartGreysFiveAndAnOutOfRangeWidthIsDrawnAtItsLimit)
{
    open(0, 50);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "5");
    EXPECT_TRUE(test::isChecked(dialog, IDC_CHART_DRAW_ALL));
    EXPECT_FALSE(isEnabled(dialog, IDC_CHART_POINTS));
    EXPECT_EQ(chart.settings().maxPoints, 0);
    // The width put into the edit at start is applied like a typed one.
    EXPECT_EQ(textOf(dialog, IDC_CHART_WIDTH), "10");
    EXPECT_EQ(seriesPenWidth(), 10);
}

TEST_F(ChartSettingsDlgTest, WidthIsClampedAsItIsTyped)
{
    open();
    const std::pair<const char *, const char *> cases[] = {{"0", "1"}, {"25", "10"}, {"x", "1"}};
    for (const auto &[typed, shown] : cases) {
        typeInto(dialog, IDC_CHART_WIDTH, typed);
        EXPECT_EQ(textOf(dialog, IDC_CHART_WIDTH), shown) << typed;
        EXPECT_EQ(seriesPenWidth(), std::stoi(shown)) << typed;
    }
    // Emptying the edit puts "1" back at once, so a 5 typed next makes 15, shown as 10.
    typeInto(dialog, IDC_CHART_WIDTH, "7");
    QTest::keyClick(test::widgetOf(dialog, IDC_CHART_WIDTH), Qt::Key_Backspace);
    EXPECT_EQ(textOf(dialog, IDC_CHART_WIDTH), "1");
    QTest::keyClicks(test::widgetOf(dialog, IDC_CHART_WIDTH), "5");
    EXPECT_EQ(textOf(dialog, IDC_CHART_WIDTH), "10");
}

TEST_F(ChartSettingsDlgTest, PointCountsAreKeptWithinTheirLimitsAndDrawAllGreysTheEdit)
{
    open(1000);
    typeInto(dialog, IDC_CHART_POINTS, "3");
    EXPECT_EQ(chart.settings().maxPoints, 5);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "3") << "corrected only on leaving";
    test::focus(dialog, IDC_CHART_WIDTH);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "5");
    typeInto(dialog, IDC_CHART_POINTS, "250000");
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "100000");
    EXPECT_EQ(chart.settings().maxPoints, 100000);

    typeInto(dialog, IDC_CHART_POINTS, "40");
    click(dialog, IDC_CHART_DRAW_ALL);
    EXPECT_EQ(chart.settings().maxPoints, 0);
    EXPECT_FALSE(isEnabled(dialog, IDC_CHART_POINTS));
    EXPECT_FALSE(isEnabled(dialog, IDC_CHART_POINTS_SPIN));
    click(dialog, IDC_CHART_DRAW_ALL);
    EXPECT_TRUE(isEnabled(dialog, IDC_CHART_POINTS));
    EXPECT_EQ(chart.settings().maxPoints, 40);
}

TEST_F(ChartSettingsDlgTest, EnterAndEscapeNeverHideItButCloseAndTheCloseBoxDo)
{
    open(1000);
    typeInto(dialog, IDC_CHART_POINTS, "2");
    QTest::keyClick(test::widgetOf(dialog, IDC_CHART_POINTS), Qt::Key_Return);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "5") << "Enter applied the edit";
    EXPECT_TRUE(dialog.IsWindowVisible());
    test::pressKey(dialog, IDC_CHART_WIDTH, Qt::Key_Escape);
    EXPECT_TRUE(dialog.IsWindowVisible());

    click(dialog, IDC_CHART_CLOSE);
    EXPECT_FALSE(dialog.IsWindowVisible());
    dialog.ShowWindow(SW_SHOW);
    dialog.GetSafeHwnd()->close();
    EXPECT_FALSE(dialog.IsWindowVisible());
    EXPECT_NE(dialog.GetSafeHwnd(), nullptr);
}

TEST_F(ChartSettingsDlgTest, ColoursAndMeansApplyAtOnceAndACancelledColourChangesNothing)
{
    open();
    DialogScript script;
    script.answerColorDialog(IDOK, RGB(10, 20, 30));
    script.answerColorDialog(IDCANCEL);
    script.answerColorDialog(IDOK, RGB(200, 0, 0));
    const COLORREF back = chart.settings().backColor;
    click(dialog, IDC_CHART_BACK_COLOR);
    click(dialog, IDC_CHART_BACK_COLOR);
    EXPECT_EQ(chart.settings().backColor, RGB(10, 20, 30));
    EXPECT_EQ(swatchColor(IDC_CHART_BACK_SWATCH), QColor(10, 20, 30));
    click(dialog, IDC_CHART_TEXT_COLOR);
    EXPECT_EQ(chart.settings().textColor, RGB(200, 0, 0));
    EXPECT_EQ(swatchColor(IDC_CHART_TEXT_SWATCH), QColor(200, 0, 0));
    ASSERT_EQ(script.requests().size(), 3u);
    EXPECT_EQ(script.requests()[0].color, back) << "opens at the chart's colour";
    EXPECT_EQ(script.requests()[1].color, RGB(10, 20, 30));

    click(dialog, IDC_CHART_SHOW_MEANS);
    EXPECT_EQ(chart.settings().showMeans, 1);
}

} // namespace
} // namespace zyfo
