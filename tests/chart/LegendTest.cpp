// Legend: strokes and captions along the top, the single wrap, captions with means.
#include "ChartFixture.h"
#include "DefaultColors.h"
#include "LegendCaption.h"

namespace zyfo::test {
namespace {

struct Legend
{
    std::vector<Primitive> captions; // DrawText calls that draw (not measure) a left-aligned line
    std::vector<Primitive> strokes;  // lines of a channel pen ten units long at a row's height
};

Legend legendOf(CChartCtrl &chart, const CRect &rect)
{
    CRecordingDC dc;
    chart.RenderAsShown(dc, rect);
    Legend legend;
    for (const Primitive &p : dc.primitives(Primitive::Kind::DrawText))
        if (p.format == (DT_SINGLELINE | DT_VCENTER))
            legend.captions.push_back(p);
    for (const Primitive &p : dc.primitives(Primitive::Kind::Line))
        if (p.from.y == p.to.y && p.to.x - p.from.x == 10 && p.pen.lopnWidth == 2)
            legend.strokes.push_back(p);
    return legend;
}

TEST(LegendTest, EntriesStandSideBySideAfterTheAxesAndPastTheRightEdgeMoveToTheNextRowOnce)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::Temperature, "T1", constant(3, 0)},
              {ChannelKind::Temperature, "T2", constant(3, 0)},
              {ChannelKind::Temperature, "a very long name that fits nowhere", constant(3, 0)}});
    const auto [texts, lines] = legendOf(chart, {0, 0, 2000, 300});
    ASSERT_EQ(texts.size(), 3u);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (CPoint{45, 12}));
    EXPECT_EQ(lines[0].to, (CPoint{55, 12}));
    EXPECT_EQ(lines[0].pen.lopnColor, defaultChannelColor(ChannelKind::Temperature, 0));
    EXPECT_EQ(texts[0].text, "Temperatura T1");
    const int width = texts[0].extent.cx;
    EXPECT_EQ(texts[0].rect, (CRect{60, 0, 60 + width, 25}));
    EXPECT_TRUE(texts[0].opaque);
    // The next stroke starts at 35 + 10 + width + 25, its caption 15 further.
    EXPECT_EQ(lines[1].from, (CPoint{70 + width, 12}));
    EXPECT_EQ(texts[1].rect.left, 85 + width);
    EXPECT_EQ(lines[1].pen.lopnColor, defaultChannelColor(ChannelKind::Temperature, 1));

    const auto [wrapped, wrappedLines] = legendOf(chart, {0, 0, 200, 300});
    ASSERT_EQ(wrapped.size(), 3u);
    ASSERT_EQ(wrappedLines.size(), 3u);
    EXPECT_EQ(wrappedLines[0].from, (CPoint{45, 12}));
    // The second caption would end past 200: band 12..37, stroke at (45, 24).
    EXPECT_EQ(wrappedLines[1].from, (CPoint{45, 24}));
    EXPECT_EQ(wrappedLines[1].to, (CPoint{55, 24}));
    EXPECT_EQ(wrapped[1].rect, (CRect{60, 12, wrapped[1].rect.right, 37}));
}

TEST(LegendTest, MeansUseTheUsersDecimalSeparatorAndTheUnitOfEachKind)
{
    CChartCtrl chart;
    chart.setDecimalSeparator(",");
    loadRows(chart, 2, {{ChannelKind::Temperature, "RT-350 nr 2", {20.0, 21.0}}});
    chart.SetShowMeans(1);
    EXPECT_EQ(legendOf(chart, {0, 0, 800, 300}).captions[0].text,
              "Temperatura RT-350 nr 2 [20,500 °C]");
    chart.SetShowMeans(0);
    EXPECT_EQ(legendOf(chart, {0, 0, 800, 300}).captions[0].text, "Temperatura RT-350 nr 2");

    // Kinds in their order; a channel without values has no mean.
    CChartCtrl kinds;
    kinds.setDecimalSeparator(".");
    loadRows(kinds, 3,
             {{ChannelKind::BinaryInput, "B", {0, 1, 1}},
              {ChannelKind::RainHeight, "R", {0.5, 0.25, 0}},
              {ChannelKind::Pressure, "P", {std::nullopt, std::nullopt, std::nullopt}},
              {ChannelKind::Temperature, "T", {1, 2, 3}}});
    kinds.SetShowMeans(1);
    std::vector<std::string> texts;
    for (const Primitive &p : legendOf(kinds, {0, 0, 2000, 300}).captions)
        texts.push_back(p.text);
    const std::vector<std::string> expected = {"Temperatura T [2.000 °C]", "Ciśnienie P",
                                               "Wysokość R [0.250 mm]",
                                               "Wejście binarne B [0.667 bin]"};
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(legendCaption(ChannelKind::Pressure, "100% %s", 1013, "."),
              "Ciśnienie 100% %s [1013.000 hPa]")
        << "a name is text, never a format";
}

} // namespace
} // namespace zyfo::test
