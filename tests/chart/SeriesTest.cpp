// Series: vertex positions, draw-all and approximation vertices, gaps, cuts at the plot band,
// drawing order and the sums behind the legend's means.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

using Segment = std::pair<CPoint, CPoint>;

// Ten rows on a 398 x 385 rectangle with the temperature axis at -20..10: the plot band is
// 30..330, rows stand 40 apart from x = 36 and a value v lies at y = 330 - 10 (v + 20), so
// the vertex of offset k and value v is (36 + 40 k, 130 - 10 v).
class SeriesTest : public ::testing::Test
{
protected:
    static CPoint vertex(int offset, int value) { return {36 + 40 * offset, 130 - 10 * value}; }

    std::vector<Segment> draw(const Values &values, int maxPoints)
    {
        loadRows(chart, static_cast<int>(values.size()), {{ChannelKind::Temperature, "T", values}});
        chart.SetMaxPoints(maxPoints);
        chart.RenderAsShown(dc, {0, 0, 398, 385});
        std::vector<Segment> segments;
        for (const Primitive &line :
             linesOfColor(dc, chart.channelColor(ChannelKind::Temperature, 0)))
            if (line.pen.lopnWidth == 2 && line.from.y != 12) // not the legend's stroke
                segments.emplace_back(line.from, line.to);
        return segments;
    }

    static Values ramp() { return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}; }

    CChartCtrl chart;
    CRecordingDC dc;
};

TEST_F(SeriesTest, DrawAllJoinsEveryValue)
{
    const auto segments = draw(ramp(), 0);
    ASSERT_EQ(segments.size(), 9u);
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(segments[k], (Segment{vertex(k, k), vertex(k + 1, k + 1)})) << k;
}

TEST_F(SeriesTest, ApproximationDrawsTheMeanOfEachGroupOfThree)
{
    const auto segments = draw(ramp(), 3);
    // G = 9 / 3 = 3: vertices at 0 (value 0), 3 (mean of 1..3), 6 (4..6) and 9 (7..9).
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0], (Segment{vertex(0, 0), vertex(3, 2)}));
    EXPECT_EQ(segments[1], (Segment{vertex(3, 2), vertex(6, 5)}));
    EXPECT_EQ(segments[2], (Segment{vertex(6, 5), vertex(9, 8)}));
}

TEST_F(SeriesTest, MorePointsThanRowsDrawsEveryValue)
{
    const auto segments = draw(ramp(), 20);
    ASSERT_EQ(segments.size(), 9u);
    EXPECT_EQ(segments[4], (Segment{vertex(4, 4), vertex(5, 5)}));
}

TEST_F(SeriesTest, DrawAllBreaksTheLineAtAMissingValue)
{
    Values values = ramp();
    values[5].reset();
    const auto segments = draw(values, 0);
    const std::vector<Segment> expected = {
        {vertex(0, 0), vertex(1, 1)}, {vertex(1, 1), vertex(2, 2)}, {vertex(2, 2), vertex(3, 3)},
        {vertex(3, 3), vertex(4, 4)}, {vertex(6, 6), vertex(7, 7)}, {vertex(7, 7), vertex(8, 8)},
        {vertex(8, 8), vertex(9, 9)}};
    EXPECT_EQ(segments, expected);
}

TEST_F(SeriesTest, ApproximationClosesAGroupEarlyAtAMissingValueAndGoesOn)
{
    Values values = ramp();
    values[5].reset();
    const auto segments = draw(values, 3);
    const std::vector<Segment> expected = {
        {vertex(0, 0), vertex(3, 2)}, // mean of 1..3
        {vertex(3, 2), vertex(4, 4)}, // row 4 alone, closed by the gap at 5
        {vertex(4, 4), vertex(8, 7)}, // mean of 6..8
        {vertex(8, 7), vertex(9, 9)}, // the last row closes a group of one
    };
    EXPECT_EQ(segments, expected);
}

TEST_F(SeriesTest, ApproximationBreaksTheLineAtAGapRightAfterAVertex)
{
    Values values = ramp();
    values[4].reset();
    values[5].reset();
    const auto segments = draw(values, 3);
    // After the vertex at 3 the gap finds no open group: the line restarts at row 6.
    const std::vector<Segment> expected = {{vertex(0, 0), vertex(3, 2)},
                                           {vertex(6, 6), vertex(9, 8)}};
    EXPECT_EQ(segments, expected);
}

TEST_F(SeriesTest, LineStartsAtTheFirstRowWithAValue)
{
    Values values = ramp();
    values[0].reset();
    values[1].reset();
    const auto segments = draw(values, 0);
    ASSERT_EQ(segments.size(), 7u);
    EXPECT_EQ(segments.front().first, vertex(2, 2));
    EXPECT_EQ(chart.meanCount(ChannelKind::Temperature, 0), 8);
    EXPECT_DOUBLE_EQ(chart.meanSum(ChannelKind::Temperature, 0), 44);
}

TEST_F(SeriesTest, TrailingGapClosesTheOpenGroup)
{
    Values values = ramp();
    values[9].reset();
    const auto segments = draw(values, 3);
    // Vertices 0, 3, 6; rows 7 and 8 form an open group that the gap at 9 closes at 8.
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[2], (Segment{vertex(6, 5), CPoint{36 + 320, 130 - 75}}));
}

TEST(SeriesMappingTest, ValueZeroAtOffsetFiveMapsTo217And102)
{
    CChartCtrl chart;
    loadRows(chart, 11, {{ChannelKind::Temperature, "T", constant(11, 0)}});
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    const auto lines = linesOfColor(dc, chart.channelColor(ChannelKind::Temperature, 0));
    ASSERT_GE(lines.size(), 10u);
    // p = 362 / 10 = 36.2, u = 215 / 30: x = trunc(36 + 181) and y = 245 - trunc(143.33).
    EXPECT_EQ(lines[4].to, (CPoint{217, 102}));
    EXPECT_EQ(lines[5].from, (CPoint{217, 102}));
}

// Two rows on the 400 x 300 rectangle: x 36 and 398, plotBottom 245, -20..10 over 215 rows.
std::vector<Primitive> twoValueSegments(double first, double second)
{
    CChartCtrl chart;
    loadRows(chart, 2, {{ChannelKind::Temperature, "T", {first, second}}});
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    std::vector<Primitive> segments;
    for (const Primitive &line : linesOfColor(dc, chart.channelColor(ChannelKind::Temperature, 0)))
        if (line.from.y != 12)
            segments.push_back(line);
    return segments;
}

TEST(SeriesClippingTest, LineIntoTheBottomEdgeIsCutThere)
{
    // 0 at (36, 102); -30 at (398, 316), below plotBottom 245. Slope a = -214 / -362.
    const auto segments = twoValueSegments(0, -30);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].from, (CPoint{36, 102}));
    EXPECT_EQ(segments[0].to, (CPoint{277, 245})); // trunc(245 / a - b / a) = trunc(277.897)
}

TEST(SeriesClippingTest, LineFromAboveTheTopIsCutAtTheTop)
{
    // 20 at y = 245 - trunc(286.67) = -41, above plotTop 30; 0 at y 102.
    const auto segments = twoValueSegments(20, 0);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].from.y, 30);
    EXPECT_EQ(segments[0].to, (CPoint{398, 102}));
}

TEST(SeriesClippingTest, LineFromTheMinimumDownwardsKeepsNothingBelowTheBand)
{
    // -20 lies on plotBottom, -30 below it: what is left of the line is its start point.
    EXPECT_TRUE(twoValueSegments(-20, -30).empty());
    EXPECT_TRUE(twoValueSegments(-30, -40).empty()) << "both ends below the band";
    EXPECT_TRUE(twoValueSegments(15, 30).empty()) << "both ends above the band";
}

TEST(SeriesClippingTest, AbsurdReadingsAreCutAtTheEdgeWithoutOverflow)
{
    // 1e300 maps far beyond any int; the row saturates and the line, cut at the top, is
    // almost upright: x = trunc(36.00002). Upright lines are drawn from their top.
    const auto up = twoValueSegments(0, 1e300);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].from, (CPoint{36, 30}));
    EXPECT_EQ(up[0].to, (CPoint{36, 102}));
    const auto down = twoValueSegments(-1e300, 0);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].from.y, 245);
    EXPECT_EQ(down[0].to, (CPoint{398, 102}));
}

TEST(SeriesClippingTest, LineCrossingTheWholeBandIsCutAtBothEdges)
{
    const auto segments = twoValueSegments(-40, 30);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].from.y, 245);
    EXPECT_EQ(segments[0].to.y, 30);
    EXPECT_GT(segments[0].from.x, 36);
    EXPECT_LT(segments[0].to.x, 398);
}

TEST(SeriesOrderTest, KindsAreDrawnInTheirOrderAndBinaryInputsOnTheirOwnAxis)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::BinaryInput, "B", {0, 1, 0}},
              {ChannelKind::WindSpeed, "S", constant(3, 0.5)},
              {ChannelKind::RadiationUmol, "U", constant(3, 0.5)},
              {ChannelKind::Temperature, "T", constant(3, 0)}});
    chart.file().groupView(UnitGroup::BinaryInput).viewMaximum = 1;
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 600, 300});

    std::vector<COLORREF> order;
    for (const Primitive &line : dc.primitives(Primitive::Kind::Line))
        if (line.pen.lopnWidth == 2 && line.from.y != 12 &&
            (order.empty() || order.back() != line.pen.lopnColor))
            order.push_back(line.pen.lopnColor);
    const std::vector<COLORREF> expected = {chart.channelColor(ChannelKind::Temperature, 0),
                                            chart.channelColor(ChannelKind::RadiationUmol, 0),
                                            chart.channelColor(ChannelKind::WindSpeed, 0),
                                            chart.channelColor(ChannelKind::BinaryInput, 0)};
    EXPECT_EQ(order, expected);

    // The binary input spans 0..1 of group 11: 0 on plotBottom, 1 on plotTop.
    const auto binary = linesOfColor(dc, chart.channelColor(ChannelKind::BinaryInput, 0));
    ASSERT_GE(binary.size(), 2u);
    EXPECT_EQ(binary[0].from.y, 245);
    EXPECT_EQ(binary[0].to.y, 30);
    bool binAxis = false;
    for (const Primitive &text : dc.primitives(Primitive::Kind::DrawText))
        binAxis |= text.text == "bin";
    EXPECT_TRUE(binAxis);
}

TEST(SeriesMeansTest, SumsCoverTheWindowOfShownChannelsOnly)
{
    CChartCtrl chart;
    loadRows(chart, 6,
             {{ChannelKind::Pressure, "P", {1000, 1001, std::nullopt, 1003, 1004, 1005}},
              {ChannelKind::Pressure, "Q", constant(6, 2)}});
    chart.file().channelView(ChannelKind::Pressure, 1).shown = false;
    chart.file().setFromTime(chart.file().rowTime(1));
    chart.file().setToTime(chart.file().rowTime(4));
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    EXPECT_EQ(chart.meanCount(ChannelKind::Pressure, 0), 3);
    EXPECT_DOUBLE_EQ(chart.meanSum(ChannelKind::Pressure, 0), 1001 + 1003 + 1004);
    EXPECT_EQ(chart.meanCount(ChannelKind::Pressure, 1), 0);
    EXPECT_EQ(chart.meanSum(ChannelKind::Pressure, 1), 0);
}

} // namespace
} // namespace zyfo::test
