// Time axis and bottom band: the axis line, label pitch and skipping, label positions, flags.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

// The time labels and whether the axis line runs from (35, y) to the right edge, for `rows`
// rows rendered as shown into `rect`.
struct TimeAxis
{
    TimeAxis(CChartCtrl &chart, int rows, const CRect &rect)
    {
        loadRows(chart, rows, {{ChannelKind::Temperature, "T", constant(rows, 0)}});
        CRecordingDC dc;
        chart.RenderAsShown(dc, rect);
        labels = dc.primitives(Primitive::Kind::Text);
        for (const Primitive &line : dc.primitives(Primitive::Kind::Line))
            if (line.from.x == 35 && line.from.y == line.to.y && line.to.x == rect.right)
                axisY.push_back(line.from.y);
    }

    std::vector<Primitive> labels;
    std::vector<int> axisY;
};

TEST(TimeAxisTest, ElevenRowsOn400x300AreAllLabelledInTwoColumns)
{
    CChartCtrl chart;
    const TimeAxis axis(chart, 11, {0, 0, 400, 300});
    ASSERT_EQ(axis.labels.size(), 22u);
    // Row 3: X = 3 * 35.5 + 35 = 141.5; the date at trunc(X - 12), the time at trunc(X - 2).
    EXPECT_EQ(axis.labels[6].text, "2024.01.15");
    EXPECT_EQ(axis.labels[6].from, (CPoint{129, 295}));
    EXPECT_EQ(axis.labels[7].text, "00:03:00");
    EXPECT_EQ(axis.labels[7].from, (CPoint{139, 295}));
    for (const Primitive &text : axis.labels) {
        EXPECT_FALSE(text.opaque) << "time labels are drawn transparent";
        EXPECT_EQ(text.font.lfEscapement, 900);
        EXPECT_EQ(text.font.lfHeight, 10);
    }
    EXPECT_EQ(axis.axisY, std::vector<int>{246});
}

TEST(TimeAxisTest, AThousandRowsAtPitchOneAreLabelledEvery16thRow)
{
    CChartCtrl chart;
    chart.SetShowDate(0); // one column: labels at least 15 apart
    // W = 1044 - 10 - 35 = 999 = n: one pixel per row.
    const TimeAxis axis(chart, 1000, {0, 0, 1044, 300});
    ASSERT_EQ(axis.labels.size(), 63u); // rows 0, 16, ..., 992
    for (std::size_t i = 0; i < axis.labels.size(); ++i) {
        const int row = 16 * static_cast<int>(i);
        EXPECT_EQ(axis.labels[i].from.x, row + 35 - 5);
        char time[32];
        std::snprintf(time, sizeof time, "%02d:%02d:00", row / 60, row % 60);
        EXPECT_EQ(axis.labels[i].text, time);
    }
}

TEST(TimeAxisTest, DateAndTimeFlagsSetTheBottomBandAndTheLabels)
{
    struct Case
    {
        int showDate, showTime, oneLine;
        int band;
        std::size_t labels; // of three rows
    };
    const Case cases[] = {{1, 1, 0, 55, 6}, {1, 1, 1, 95, 3}, {0, 0, 1, 10, 0}, {0, 1, 0, 45, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.showDate << c.showTime << c.oneLine);
        CChartCtrl chart;
        chart.SetShowDate(c.showDate);
        chart.SetShowTime(c.showTime);
        chart.SetDateTimeOneLine(c.oneLine);
        EXPECT_EQ(chart.bottomBandHeight(), c.band);
        const TimeAxis axis(chart, 3, {0, 0, 400, 300});
        EXPECT_EQ(axis.labels.size(), c.labels);
        EXPECT_EQ(axis.axisY, std::vector<int>{300 - c.band + 1});
    }
}

} // namespace
} // namespace zyfo::test
