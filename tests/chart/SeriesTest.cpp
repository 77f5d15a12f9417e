// Series: vertex positions, draw-all and approximation vertices, gaps and cuts at the plot band.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

using Segment = std::pair<CPoint, CPoint>;

// The lines of the temperature channel 0 in `dc`, without the legend's stroke (at y 12).
std::vector<Segment> seriesIn(const CRecordingDC &dc, const CChartCtrl &chart)
{
    std::vector<Segment> segments;
    for (const Primitive &line : linesOfColor(dc, chart.channelColor(ChannelKind::Temperature, 0)))
        if (line.from.y != 12)
            segments.emplace_back(line.from, line.to);
    return segments;
}

std::vector<Segment> seriesOf(CChartCtrl &chart, const CRect &rect)
{
    CRecordingDC dc;
    chart.RenderAsShown(dc, rect);
    return seriesIn(dc, chart);
}

// Ten rows 0..9 on 398 x 385 with the axis at -20..10: value v lies at y = 130 - 10 v, and the
// rows of a window F..L stand 360 / (L - F) apart from x = 36.
CPoint vertexAt(int offset, double value, double pitch)
{
    return {36 + static_cast<int>(offset * pitch), 130 - static_cast<int>(10 * value)};
}

// The segments of a polyline through the vertices (offset, value), rows `pitch` apart.
void appendPolyline(std::vector<Segment> &segments,
                    const std::vector<std::pair<int, double>> &vertices, double pitch)
{
    for (std::size_t i = 1; i < vertices.size(); ++i)
        segments.emplace_back(vertexAt(vertices[i - 1].first, vertices[i - 1].second, pitch),
                              vertexAt(vertices[i].first, vertices[i].second, pitch));
}

TEST(SeriesTest, DrawAllAndApproximationVerticesAndGapsOfTenRows)
{
    // The expected lines are runs of vertices (row, value), each run a polyline.
    using Run = std::vector<std::pair<int, double>>;
    const auto ramp = [](int first, int last) {
        Run run;
        for (int row = first; row <= last; ++row)
            run.emplace_back(row, row);
        return run;
    };
    struct Case
    {
        const char *name;
        int maxPoints;
        std::vector<int> missing;
        std::vector<Run> runs;
    };
    const Case cases[] = {
        {"draw-all joins every value", 0, {}, {ramp(0, 9)}},
        // G = 9 / 3: vertices at 0, 3 (mean of 1..3), 6 (4..6) and 9 (7..9).
        {"approximation by groups of three", 3, {}, {{{0, 0}, {3, 2}, {6, 5}, {9, 8}}}},
        // G = 9 / 20 = 0: every value closes its own group.
        {"more points than rows", 20, {}, {ramp(0, 9)}},
        {"the first row without a value", 0, {0}, {ramp(1, 9)}},
        // Groups count from the first value: 2..4 close at 4, 5..7 at 7, and the last row
        // closes 8..9.
        {"groups after a first row without a value", 3, {0}, {{{1, 1}, {4, 3}, {7, 6}, {9, 8.5}}}},
        {"draw-all breaks at a gap", 0, {5}, {ramp(0, 4), ramp(6, 9)}},
        // Row 4 alone is closed by the gap at 5; the last row closes a group of one.
        {"a gap closes a group early", 3, {5}, {{{0, 0}, {3, 2}, {4, 4}, {8, 7}, {9, 9}}}},
        // After the vertex at 3 the gap finds no open group: the line restarts at row 6.
        {"a gap right after a vertex", 3, {4, 5}, {{{0, 0}, {3, 2}}, {{6, 6}, {9, 8}}}},
        // Rows 7 and 8 form an open group that the gap at 9 closes at 8.
        {"a trailing gap closes the open group", 3, {9}, {{{0, 0}, {3, 2}, {6, 5}, {8, 7.5}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Values values = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int row : c.missing)
            values[static_cast<std::size_t>(row)].reset();
        CChartCtrl chart;
        loadRows(chart, 10, {{ChannelKind::Temperature, "T", values}});
        chart.SetMaxPoints(c.maxPoints);
        std::vector<Segment> expected;
        for (const Run &run : c.runs)
            appendPolyline(expected, run, 40); // all ten rows: 40 apart
        EXPECT_EQ(seriesOf(chart, {0, 0, 398, 385}), expected);
    }
}

TEST(SeriesTest, WindowsOverPartOfTheRowsOrPastThemDrawAndAverageWhatTheyHold)
{
    // Rows 0..9 holding their own number as the value.
    struct Case
    {
        int first, last, maxPoints;
        double sum;
        int count;
        const char *legend;                           // none: neither legend nor time axis
        std::vector<std::pair<int, double>> vertices; // one line through (offset, value)
    };
    const Case cases[] = {
        // Rows 2..5, 120 apart: the mean of 2, 3, 4 and 5.
        {2, 5, 0, 14, 4, "Temperatura T [3.500 °C]", {{0, 2}, {1, 3}, {2, 4}, {3, 5}}},
        // One row past the rows, 60 apart, G = 6 / 3 = 2: 5..6 close at offset 2, 7..8 at 4; the
        // group of row 9 is still open when the rows run out and is not drawn. No time axis and
        // no legend for a window past the rows; the means cover rows 4..9.
        {4, 10, 3, 39, 6, nullptr, {{0, 4}, {2, 5.5}, {4, 7.5}}},
        // F = K - 1: nothing drawn and no means, but the axis and the legend are there; a
        // window after the rows has neither.
        {9, 9, 0, 0, 0, "Temperatura T", {}},
        {10, 12, 0, 0, 0, nullptr, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "rows " << c.first << ".." << c.last);
        CChartCtrl chart;
        loadRows(chart, 10, {{ChannelKind::Temperature, "T", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}},
                 c.first, c.last);
        chart.SetMaxPoints(c.maxPoints);
        chart.SetShowMeans(1);
        chart.setDecimalSeparator(".");
        MeasurementFile &file = chart.file();
        if (c.last < 10) {
            // A render over all rows first: means it left behind would show.
            file.setFromTime(file.rowTime(0));
            file.setToTime(file.rowTime(9));
            seriesOf(chart, {0, 0, 398, 385});
            file.setFromTime(file.rowTime(c.first));
            file.setToTime(file.rowTime(c.last));
        }
        CRecordingDC dc;
        chart.RenderAsShown(dc, {0, 0, 398, 385});
        const double pitch = c.last > c.first ? 360.0 / (c.last - c.first) : 360.0;
        std::vector<Segment> expected;
        appendPolyline(expected, c.vertices, pitch);
        EXPECT_EQ(seriesIn(dc, chart), expected);
        EXPECT_DOUBLE_EQ(chart.meanSum(ChannelKind::Temperature, 0), c.sum);
        EXPECT_EQ(chart.meanCount(ChannelKind::Temperature, 0), c.count);
        EXPECT_EQ(!dc.primitives(Primitive::Kind::Text).empty(), c.legend != nullptr);
        std::vector<std::string> legend;
        for (const Primitive &p : dc.primitives(Primitive::Kind::DrawText))
            if (p.format == (DT_SINGLELINE | DT_VCENTER))
                legend.push_back(p.text);
        EXPECT_EQ(legend, c.legend != nullptr ? std::vector<std::string>{c.legend}
                                              : std::vector<std::string>{});
    }
}

TEST(SeriesTest, ValueZeroAtOffsetFiveMapsTo217And102)
{
    CChartCtrl chart;
    loadRows(chart, 11, {{ChannelKind::Temperature, "T", constant(11, 0)}});
    const auto lines = seriesOf(chart, {0, 0, 400, 300});
    ASSERT_EQ(lines.size(), 10u);
    // p = 362 / 10 = 36.2, u = 215 / 30: x = trunc(36 + 181) and y = 245 - trunc(143.33).
    EXPECT_EQ(lines[4].second, (CPoint{217, 102}));
    EXPECT_EQ(lines[5].first, (CPoint{217, 102}));
}

TEST(SeriesTest, LinesLeavingThePlotBandAreCutAtItsEdgesWithoutOverflow)
{
    // Two rows on 400 x 300: x 36 and 398, the band 30..245, -20..10 over 215 pixels.
    struct Case
    {
        double first, second;
        std::vector<Segment> expected;
    };
    const Case cases[] = {
        // 0 at (36, 102); -30 at (398, 316): cut at trunc(245 / a - b / a) = 277.
        {0, -30, {{{36, 102}, {277, 245}}}},
        // 20 at y = -41, above the top.
        {20, 0, {{{215, 30}, {398, 102}}}},
        // What is left of a line from the minimum downwards is its start point; lines with
        // both ends beyond one edge leave nothing.
        {-20, -30, {}},
        {15, 30, {}},
        // 1e300 maps far beyond any int: the row saturates and the line is almost upright,
        // drawn from its top.
        {0, 1e300, {{{36, 30}, {36, 102}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " to " << c.second);
        CChartCtrl chart;
        loadRows(chart, 2, {{ChannelKind::Temperature, "T", {c.first, c.second}}});
        EXPECT_EQ(seriesOf(chart, {0, 0, 400, 300}), c.expected);
    }
}

} // namespace
} // namespace zyfo::test
