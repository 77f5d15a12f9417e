// The "Wykres" dialog: line width and points edits with their limits, draw-all, colours; Enter
// and Esc never close it.
#include "CChartCtrl.h"
#include "CChartSettingsDlg.h"
#include "CColorBox.h"
#include "ChartFixture.h"
#include "DialogDriver.h"
#include "DialogIds.h"
#include "DialogScript.h"

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
    // Opens the dialog as the main window does, from the chart's settings; the width of 50
    // stands for a hand-edited one beyond the dialog's limit.
    void SetUp() override
    {
        test::loadRows(chart, 20,
                       {{ChannelKind::Temperature, "RT-350 nr 1", test::constant(20, 20.0)}});
        chart.settings().maxPoints = dialog.m_maxPoints = 1000;
        chart.settings().lineWidth = dialog.m_lineWidth = 50;
        ensureApplication();
        ASSERT_TRUE(dialog.Create());
        test::activate(dialog);
    }

    CChartCtrl chart;
    CChartSettingsDlg dialog{chart};
};

TEST_F(ChartSettingsDlgTest, WidthIsClampedAndDrawnAsItIsTypedOrLoaded)
{
    const auto expectWidth = [&](int width) {
        EXPECT_EQ(textOf(dialog, IDC_CHART_WIDTH), std::to_string(width));
        EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, width);
    };
    expectWidth(10); // the loaded 50, applied like a typed width
    for (const auto &[typed, shown] : {std::pair{"0", 1}, std::pair{"25", 10}}) {
        typeInto(dialog, IDC_CHART_WIDTH, typed);
        expectWidth(shown);
    }
    // Applied on every change: emptied, the edit gets "1" at once, so a 5 typed next is too wide.
    typeInto(dialog, IDC_CHART_WIDTH, "");
    expectWidth(1);
    QTest::keyClicks(test::widgetOf(dialog, IDC_CHART_WIDTH), "5");
    expectWidth(10);
}

TEST_F(ChartSettingsDlgTest, PointCountsAreKeptWithinTheirLimitsAndDrawAllGreysTheEdit)
{
    typeInto(dialog, IDC_CHART_POINTS, "3");
    EXPECT_EQ(chart.settings().maxPoints, 5);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "3") << "corrected only on leaving";
    test::focus(dialog, IDC_CHART_WIDTH);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "5");
    typeInto(dialog, IDC_CHART_POINTS, "250000");
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "100000");
    // Enter applies the edit as leaving it does; neither Enter nor Escape hides the dialog.
    typeInto(dialog, IDC_CHART_POINTS, "4");
    QTest::keyClick(test::widgetOf(dialog, IDC_CHART_POINTS), Qt::Key_Return);
    EXPECT_EQ(textOf(dialog, IDC_CHART_POINTS), "5");
    test::pressKey(dialog, IDC_CHART_WIDTH, Qt::Key_Escape);
    EXPECT_TRUE(dialog.IsWindowVisible());

    typeInto(dialog, IDC_CHART_POINTS, "700");
    for (const bool drawAll : {true, false}) {
        click(dialog, IDC_CHART_DRAW_ALL);
        EXPECT_EQ(chart.settings().maxPoints, drawAll ? 0 : 700);
        EXPECT_EQ(isEnabled(dialog, IDC_CHART_POINTS), !drawAll);
        EXPECT_EQ(isEnabled(dialog, IDC_CHART_POINTS_SPIN), !drawAll);
    }
}

TEST_F(ChartSettingsDlgTest, DrawingAllAtStartShowsFiveGreyedUnderATickedBox)
{
    CChartSettingsDlg drawingAll{chart};
    drawingAll.m_maxPoints = 0;
    ASSERT_TRUE(drawingAll.Create());
    EXPECT_EQ(textOf(drawingAll, IDC_CHART_POINTS), "5");
    EXPECT_TRUE(test::isChecked(drawingAll, IDC_CHART_DRAW_ALL));
    EXPECT_FALSE(isEnabled(drawingAll, IDC_CHART_POINTS));
    EXPECT_FALSE(isEnabled(drawingAll, IDC_CHART_POINTS_SPIN));
    EXPECT_EQ(chart.settings().maxPoints, 0);
}

TEST_F(ChartSettingsDlgTest, AChosenColourGoesToTheChartAndItsSwatchAndACancelledOneChangesNothing)
{
    struct Case
    {
        int button, swatch;
        COLORREF ChartSettings::*color;
    };
    const Case cases[] = {{IDC_CHART_BACK_COLOR, IDC_CHART_BACK_SWATCH, &ChartSettings::backColor},
                          {IDC_CHART_TEXT_COLOR, IDC_CHART_TEXT_SWATCH, &ChartSettings::textColor}};
    const COLORREF chosen = RGB(10, 20, 30);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        const COLORREF before = chart.settings().*c.color;
        const auto &swatch = static_cast<const CColorBox &>(*dialog.GetDlgItem(c.swatch));
        DialogScript script;
        script.answerColorDialog(IDOK, chosen);
        script.answerColorDialog(IDCANCEL);
        // The first dialog is confirmed, the second cancelled: the chosen colour stays.
        for (int round = 0; round < 2; ++round) {
            click(dialog, c.button);
            EXPECT_EQ(chart.settings().*c.color, chosen);
            EXPECT_EQ(swatch.color(), chosen);
        }
        ASSERT_EQ(script.requests().size(), 2u);
        EXPECT_EQ(script.requests()[0].color, before) << "opens at the chart's colour";
        EXPECT_EQ(script.requests()[1].color, chosen);
        EXPECT_EQ(script.requests()[1].flags, static_cast<DWORD>(CC_FULLOPEN));
    }
}

} // namespace
} // namespace zyfo
