// Chart layout: value-axis bands, plot band, too small rectangles.
#include "ChartLayout.h"
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

TEST(ChartLayoutTest, ThreeShownGroupsStandInTheAxisOrder)
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
}

TEST(ChartLayoutTest, TooFewRowsOrTooLittleRoomLeaveOnlyTheBackground)
{
    const auto primitives = [](int rows, const CRect &rect) {
        CChartCtrl chart;
        loadRows(chart, rows, {{ChannelKind::Temperature, "T", constant(rows, 0)}});
        CRecordingDC dc;
        chart.RenderAsShown(dc, rect);
        return dc.primitives();
    };
    const auto one = primitives(1, {0, 0, 400, 300});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].kind, Primitive::Kind::Fill);
    EXPECT_EQ(one[0].color, RGB(0, 0, 0));
    // bottom <= top + 55 + 30 + 5 is too small; one unit more is enough.
    EXPECT_EQ(primitives(5, {0, 10, 400, 100}).size(), 1u);
    EXPECT_GT(primitives(5, {0, 10, 400, 101}).size(), 1u);
}

} // namespace
} // namespace zyfo::test
