// Legend: strokes and captions along the top, the single wrap, captions with means.
#include "ChartFixture.h"
#include "LegendCaption.h"

#include <algorithm>

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
    // The default colours of temperature channels 0 and 1.
    EXPECT_EQ(lines[0].pen.lopnColor, RGB(236, 226, 128));
    EXPECT_EQ(texts[0].text, "Temperatura T1");
    const int width = texts[0].extent.cx;
    EXPECT_EQ(texts[0].rect, (CRect{60, 0, 60 + width, 25}));
    EXPECT_TRUE(texts[0].opaque);
    // The next stroke starts at 35 + 10 + width + 25, its caption 15 further.
    EXPECT_EQ(lines[1].from, (CPoint{70 + width, 12}));
    EXPECT_EQ(texts[1].rect.left, 85 + width);
    EXPECT_EQ(lines[1].pen.lopnColor, RGB(0, 0, 128));

    const auto [wrapped, wrappedLines] = legendOf(chart, {0, 0, 200, 300});
    ASSERT_EQ(wrapped.size(), 3u);
    ASSERT_EQ(wrappedLines.size(), 3u);
    EXPECT_EQ(wrappedLines[0].from, (CPoint{45, 12}));
    // The second caption would end past 200: band 12..37, stroke at (45, 24).
    EXPECT_EQ(wrappedLines[1].from, (CPoint{45, 24}));
    EXPECT_EQ(wrappedLines[1].to, (CPoint{55, 24}));
    EXPECT_EQ(wrapped[1].rect, (CRect{60, 12, wrapped[1].rect.right, 37}));
}

TEST(LegendTest, EveryKindsCaptionWithAndWithoutItsMeanInKindOrder)
{
    struct Entry
    {
        Series series;
        const char *caption; // without the mean
        const char *mean;    // what showing the mean adds; nothing for a channel without values
    };
    using enum ChannelKind;
    const auto none = std::nullopt;
    // In legend order: by kind, then channel index.
    const Entry entries[] = {
        {{Temperature, "T", {1, 2, 3}}, "Temperatura T", " [2,000 °C]"},
        {{Pressure, "P1", {1000, 1013, 1026}}, "Ciśnienie P1", " [1013,000 hPa]"},
        {{Pressure, "P2", {none, none, none}}, "Ciśnienie P2", ""},
        {{RelativeHumidity, "H", {50, 60, 71}}, "Wilgotność względna H", " [60,333 %]"},
        {{DewPoint, "D", {-1, -2, -4}}, "Temp. punktu rosy D", " [-2,333 °C]"},
        {{VapourContent, "V", {400, 500, 600}}, "Zawartość pary wodnej V", " [500,000 ppm]"},
        {{RadiationWm2, "W", {100, 200, 301}}, "Promieniowanie W", " [200,333 W/m2]"},
        {{RadiationKlx, "L", {1, 2, 4}}, "Promieniowanie L", " [2,333 kLx]"},
        {{WindSpeed, "S", {1.5, 2.5, 3.5}}, "Prędkość S", " [2,500 m/s]"},
        {{WindDirection, "K", {90, 180, 270}}, "Kierunek K", " [180,000 °]"},
        {{RainHeight, "R", {0.5, 0.25, 0}}, "Wysokość R", " [0,250 mm]"},
        {{RadiationUmol, "U", {10, 20, 31}}, "Promieniowanie U", " [20,333 µmol/sm2]"},
        // A binary input's mean is in the unit of its axis.
        {{BinaryInput, "B", {0, 1, 1}}, "Wejście binarne B", " [0,667 bin]"},
    };
    // The file lists the kinds the other way round, the two pressure channels in their order.
    std::vector<Series> series;
    for (const Entry &entry : entries)
        series.push_back(entry.series);
    std::stable_sort(series.begin(), series.end(), [](const Series &a, const Series &b) {
        return kindIndex(a.kind) > kindIndex(b.kind);
    });
    // Means are written with the user's decimal separator.
    CChartCtrl chart;
    chart.setDecimalSeparator(",");
    loadRows(chart, 3, series);
    for (const int showMeans : {1, 0}) {
        SCOPED_TRACE(showMeans);
        chart.SetShowMeans(showMeans);
        const Legend legend = legendOf(chart, {0, 0, 2000, 300});
        std::vector<std::string> texts;
        for (const Primitive &p : legend.captions)
            texts.push_back(p.text);
        std::vector<std::string> expected;
        for (const Entry &entry : entries)
            expected.push_back(std::string(entry.caption) + (showMeans != 0 ? entry.mean : ""));
        EXPECT_EQ(texts, expected);
        ASSERT_EQ(legend.strokes.size(), expected.size());
        // Pressure channel 1 has the default colour of its index.
        EXPECT_EQ(legend.strokes[2].pen.lopnColor, RGB(245, 20, 20));
    }
    EXPECT_EQ(legendCaption(Pressure, "100% %s", 1013, "."), "Ciśnienie 100% %s [1013.000 hPa]")
        << "a name is text, never a format";
}

} // namespace
} // namespace zyfo::test
