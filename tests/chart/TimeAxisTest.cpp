// Time axis and bottom band: the axis line, label pitch and skipping, label positions, flags.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

// The time labels and the y of the axis line, which runs from axesEnd = 35 s to the right edge,
// for `rows` rows drawn into `rect` on the screen (scale 1) or printed at `scale`.
struct TimeAxis
{
    TimeAxis(CChartCtrl &chart, int rows, const CRect &rect, int scale = 1)
    {
        loadRows(chart, rows, {{ChannelKind::Temperature, "T", constant(rows, 0)}});
        CRecordingDC dc;
        if (scale == 1) {
            chart.RenderAsShown(dc, rect);
        } else {
            chart.CreatePrintFonts(scale);
            chart.Render(dc, true, rect, scale);
        }
        labels = dc.primitives(Primitive::Kind::Text);
        for (const Primitive &line : dc.primitives(Primitive::Kind::Line))
            if (line.from.x == 35 * scale && line.from.y == line.to.y && line.to.x == rect.right)
                axisY.push_back(line.from.y);
    }

    std::vector<Primitive> labels;
    std::vector<int> axisY;
};

TEST(TimeAxisTest, LabelPitchSpacingAndPositionsOnTheScreenAndPrinted)
{
    struct Case
    {
        const char *name;
        int scale, showTime;
        int right, bottom;
        int every; // rows 0, every, 2 every, ... of 11 are labelled
        int fontHeight, axisY;
        std::vector<CPoint> row3; // where the date and the time of row 3 start
    };
    const Case cases[] = {
        // W = 400 - 10 - 35 = 355 over 10 rows: q = 35.5 >= 24. Row 3: X = 141.5; the date at
        // trunc(X - 12), the time at trunc(X - 2), both from y = 300 - 5.
        {"two columns on the screen", 1, 1, 400, 300, 1, 10, 246, {{129, 295}, {139, 295}}},
        // s = 3: axesEnd 105, W = 635 - 30 - 105 = 500, q = 50 < 24 s = 72: k = ceil(72 / 50) =
        // 2, every third row. Row 3: X = 255, the date at 255 - 36, the time at 255 - 6. The
        // axis runs under the plot, whose bottom is 600 - 3 * 55.
        {"two columns at s = 3", 3, 1, 635, 600, 3, 30, 436, {{219, 595}, {249, 595}}},
        // One column needs only 15 s = 45 <= 50: every row; the text at trunc(X - 5).
        {"the date alone at s = 3", 3, 0, 635, 600, 1, 30, 436, {{250, 595}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CChartCtrl chart;
        chart.SetShowTime(c.showTime);
        const TimeAxis axis(chart, 11, {0, 0, c.right, c.bottom}, c.scale);
        const std::size_t perRow = c.row3.size();
        ASSERT_EQ(axis.labels.size(), static_cast<std::size_t>(10 / c.every + 1) * perRow);
        const std::size_t row3 = static_cast<std::size_t>(3 / c.every) * perRow;
        const char *texts[] = {"2024.01.15", "00:03:00"};
        for (std::size_t i = 0; i < perRow; ++i) {
            EXPECT_EQ(axis.labels[row3 + i].text, texts[i]);
            EXPECT_EQ(axis.labels[row3 + i].from, c.row3[i]);
        }
        for (const Primitive &text : axis.labels) {
            EXPECT_FALSE(text.opaque) << "time labels are drawn transparent";
            EXPECT_EQ(text.font.lfEscapement, 900);
            EXPECT_EQ(text.font.lfHeight, c.fontHeight);
        }
        EXPECT_EQ(axis.axisY, std::vector<int>{c.axisY});
    }
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
        std::size_t labels;    // of three rows
        const char *firstText; // row 0, at X = 35
        int firstX;
    };
    const Case cases[] = {
        {1, 1, 0, 55, 6, "2024.01.15", 35 - 12},
        {1, 1, 1, 95, 3, "2024.01.15 00:00:00", 35 - 5},
        {0, 0, 1, 10, 0, "", 0},
        {0, 1, 0, 45, 3, "00:00:00", 35 - 5},
        {1, 0, 0, 55, 3, "2024.01.15", 35 - 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.showDate << c.showTime << c.oneLine);
        CChartCtrl chart;
        chart.SetShowDate(c.showDate);
        chart.SetShowTime(c.showTime);
        chart.SetDateTimeOneLine(c.oneLine);
        EXPECT_EQ(chart.bottomBandHeight(), c.band);
        const TimeAxis axis(chart, 3, {0, 0, 400, 300});
        ASSERT_EQ(axis.labels.size(), c.labels);
        if (c.labels > 0) {
            EXPECT_EQ(axis.labels[0].text, c.firstText);
            EXPECT_EQ(axis.labels[0].from, (CPoint{c.firstX, 295}));
        }
        EXPECT_EQ(axis.axisY, std::vector<int>{300 - c.band + 1});
    }
}

} // namespace
} // namespace zyfo::test
