// Time axis: the axis line, label pitch and skipping, label positions and contents.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

std::vector<Primitive> labels(const CRecordingDC &dc)
{
    return dc.primitives(Primitive::Kind::Text);
}

TEST(TimeAxisTest, ElevenRowsOn400x300AreAllLabelledInTwoColumns)
{
    CChartCtrl chart;
    loadRows(chart, 11, {{ChannelKind::Temperature, "T", constant(11, 0)}});
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});

    const auto texts = labels(dc);
    ASSERT_EQ(texts.size(), 22u);
    // Row 3: X = 3 * 35.5 + 35 = 141.5; the date at trunc(X - 12), the time at trunc(X - 2).
    EXPECT_EQ(texts[6].text, "2024.01.15");
    EXPECT_EQ(texts[6].from, (CPoint{129, 295}));
    EXPECT_EQ(texts[7].text, "00:03:00");
    EXPECT_EQ(texts[7].from, (CPoint{139, 295}));
    for (const Primitive &text : texts) {
        EXPECT_FALSE(text.opaque) << "time labels are drawn transparent";
        EXPECT_EQ(text.font.lfEscapement, 900);
        EXPECT_EQ(text.font.lfHeight, 10);
    }

    // The axis line runs under the plot to the right edge.
    bool axisLine = false;
    for (const Primitive &line : dc.primitives(Primitive::Kind::Line))
        axisLine |= line.from == CPoint{35, 246} && line.to == CPoint{400, 246};
    EXPECT_TRUE(axisLine);
}

TEST(TimeAxisTest, AThousandRowsAtPitchOneAreLabelledEvery16thRow)
{
    CChartCtrl chart;
    chart.SetShowDate(0); // one column: labels at least 15 apart
    loadRows(chart, 1000, {{ChannelKind::Temperature, "T", constant(1000, 0)}});
    CRecordingDC dc;
    // W = 1044 - 10 - 35 = 999 = n: one pixel per row.
    chart.RenderAsShown(dc, {0, 0, 1044, 300});
    const auto texts = labels(dc);
    ASSERT_EQ(texts.size(), 63u); // rows 0, 16, ..., 992
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int row = 16 * static_cast<int>(i);
        EXPECT_EQ(texts[i].from.x, row + 35 - 5);
        char time[32];
        std::snprintf(time, sizeof time, "%02d:%02d:00", row / 60, row % 60);
        EXPECT_EQ(texts[i].text, time);
    }
}

TEST(TimeAxisTest, OneLineLabelsJoinDateAndTime)
{
    CChartCtrl chart;
    chart.SetDateTimeOneLine(1);
    loadRows(chart, 3, {{ChannelKind::Temperature, "T", constant(3, 0)}});
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    const auto texts = labels(dc);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "2024.01.15 00:01:00");
    // X = 35 + (400 - 10 - 35) / 2 = 212.5, drawn at trunc(X - 5).
    EXPECT_EQ(texts[1].from, (CPoint{207, 295}));
}

TEST(TimeAxisTest, WithoutDateAndTimeOnlyTheAxisLineIsDrawn)
{
    CChartCtrl chart;
    chart.SetShowDate(0);
    chart.SetShowTime(0);
    loadRows(chart, 3, {{ChannelKind::Temperature, "T", constant(3, 0)}});
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    EXPECT_TRUE(labels(dc).empty());
    bool axisLine = false;
    for (const Primitive &line : dc.primitives(Primitive::Kind::Line))
        axisLine |= line.from == CPoint{35, 291} && line.to == CPoint{400, 291};
    EXPECT_TRUE(axisLine) << "bottom band 10: plotBottom 290";
}

TEST(TimeAxisTest, PrintingScalesTheColumnsAndTheSpacing)
{
    CChartCtrl chart;
    chart.CreatePrintFonts(3);
    loadRows(chart, 11, {{ChannelKind::Temperature, "T", constant(11, 0)}});
    CRecordingDC dc;
    chart.Render(dc, true, {0, 0, 1200, 900}, 3);
    const auto texts = labels(dc);
    // axesEnd 105, W = 1200 - 30 - 105 = 1065, q = 106.5 >= 72: every row.
    ASSERT_EQ(texts.size(), 22u);
    EXPECT_EQ(texts[2].from, (CPoint{105 + 106 - 36, 895})); // trunc(211.5 - 36)
    EXPECT_EQ(texts[3].from, (CPoint{105 + 106 - 6, 895}));  // trunc(211.5 - 6)
    EXPECT_EQ(texts[0].font.lfHeight, 30);
    EXPECT_EQ(texts[0].color, RGB(0, 0, 0));
}

} // namespace
} // namespace zyfo::test
