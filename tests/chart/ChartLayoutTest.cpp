// Chart layout: value-axis bands, plot band, bottom band heights, too small rectangles.
#include "ChartLayout.h"
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

TEST(ChartLayoutTest, OneShownGroupTakesTheBandFrom10To35)
{
    CChartCtrl chart;
    loadRows(chart, 11, {{ChannelKind::Temperature, "T", constant(11, 0)}});
    const ChartLayout layout({0, 0, 400, 300}, 1, chart.bottomBandHeight(), chart.file());
    EXPECT_EQ(layout.bandLeft(UnitGroup::Temperature), 10);
    EXPECT_EQ(layout.bandWidth(UnitGroup::Temperature), 25);
    EXPECT_EQ(layout.axesEnd(), 35);
    EXPECT_EQ(layout.plotTop(), 30);
    EXPECT_EQ(layout.plotBottom(), 245);

    // The data run from axesEnd + 1 to right - 2: the first and the last row's vertices.
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    auto lines = linesOfColor(dc, chart.channelColor(ChannelKind::Temperature, 0));
    lines.pop_back(); // the legend's stroke
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front().from.x, 36);
    EXPECT_EQ(lines.back().to.x, 398);
}

TEST(ChartLayoutTest, BandsFollowTheAxisOrderAndTheirWidthsScale)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::RadiationWm2, "R", constant(3, 1)},
              {ChannelKind::VapourContent, "V", constant(3, 1)},
              {ChannelKind::DewPoint, "D", constant(3, 1)}});
    const ChartLayout layout({0, 0, 800, 600}, 1, 55, chart.file());
    EXPECT_EQ(layout.bandLeft(UnitGroup::Temperature), 10);
    EXPECT_EQ(layout.bandLeft(UnitGroup::VapourContent), 35);
    EXPECT_EQ(layout.bandLeft(UnitGroup::RadiationWm2), 70);
    EXPECT_EQ(layout.axesEnd(), 95);

    const ChartLayout printed({100, 50, 4000, 3000}, 3, 55, chart.file());
    EXPECT_EQ(printed.bandLeft(UnitGroup::Temperature), 130);
    EXPECT_EQ(printed.bandLeft(UnitGroup::VapourContent), 205);
    EXPECT_EQ(printed.bandLeft(UnitGroup::RadiationWm2), 310);
    EXPECT_EQ(printed.axesEnd(), 385);
    EXPECT_EQ(printed.plotTop(), 140);
    EXPECT_EQ(printed.plotBottom(), 3000 - 165);
    EXPECT_EQ(
        ChartLayout({0, 0, 100, 100}, 1, 55, chart.file()).bandWidth(UnitGroup::RadiationUmol), 45);
}

TEST(ChartLayoutTest, BottomBandFollowsTheDateAndTimeFlags)
{
    CChartCtrl chart;
    EXPECT_EQ(chart.bottomBandHeight(), 55) << "show date and time in two columns";
    chart.SetDateTimeOneLine(1);
    EXPECT_EQ(chart.bottomBandHeight(), 95);
    chart.SetShowTime(0);
    EXPECT_EQ(chart.bottomBandHeight(), 55);
    chart.SetShowDate(0);
    EXPECT_EQ(chart.bottomBandHeight(), 10);
    chart.SetShowTime(1);
    EXPECT_EQ(chart.bottomBandHeight(), 45);
    chart.SetDateTimeOneLine(0);
    EXPECT_EQ(chart.bottomBandHeight(), 45);
    chart.SetShowDate(1);
    EXPECT_EQ(chart.bottomBandHeight(), 55);
}

TEST(ChartLayoutTest, TooFewRowsOrTooLittleRoomLeaveOnlyTheBackground)
{
    CChartCtrl chart;
    loadRows(chart, 1, {{ChannelKind::Temperature, "T", constant(1, 0)}});
    CRecordingDC one;
    chart.RenderAsShown(one, {0, 0, 400, 300});
    ASSERT_EQ(one.primitives().size(), 1u);
    EXPECT_EQ(one.primitives()[0].kind, Primitive::Kind::Fill);
    EXPECT_EQ(one.primitives()[0].color, RGB(0, 0, 0));

    CChartCtrl full;
    loadRows(full, 5, {{ChannelKind::Temperature, "T", constant(5, 0)}});
    // bottom <= top + 55 + 30 + 5 is too small; one unit more is enough.
    CRecordingDC small;
    full.RenderAsShown(small, {0, 10, 400, 100});
    EXPECT_EQ(small.primitives().size(), 1u);
    CRecordingDC enough;
    full.RenderAsShown(enough, {0, 10, 400, 101});
    EXPECT_GT(enough.primitives().size(), 1u);
}

} // namespace
} // namespace zyfo::test
