// The "Wykres" dialog: line width and points edits with their limits, draw-all; Enter and Esc
// never close it.
#include "CChartCtrl.h"
#include "CChartSettingsDlg.h"
#include "ChartFixture.h"
#include "DialogDriver.h"
#include "DialogIds.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

using test::click;
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

    click(dialog, IDC_CHART_DRAW_ALL);
    EXPECT_EQ(chart.settings().maxPoints, 0);
    EXPECT_FALSE(test::isEnabled(dialog, IDC_CHART_POINTS));
}

TEST_F(ChartSettingsDlgTest, EnterAndEscapeNeverHideIt)
{
    test::pressKey(dialog, IDC_CHART_POINTS, Qt::Key_Return);
    test::pressKey(dialog, IDC_CHART_WIDTH, Qt::Key_Escape);
    EXPECT_TRUE(dialog.IsWindowVisible());
}

} // namespace
} // namespace zyfo
