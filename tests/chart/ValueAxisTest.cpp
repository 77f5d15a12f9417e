// Value axes: captions, tick steps and positions, the humidity stop, grid dots, band edges.
#include "ChartFixture.h"

#include <cmath>
#include <iterator>

namespace zyfo::test {
namespace {

// One channel of `kind` shown over viewMinimum..viewMaximum on a chart 400 wide whose plot band
// is `plot` high (30 s..30 s + plot), drawn on the screen at scale 1 or printed at `scale`.
struct AxisRender
{
    AxisRender(ChannelKind kind, int viewMinimum, int viewMaximum, bool grid = false, int scale = 1,
               int plot = 300)
    {
        loadRows(chart, 3, {{kind, "K", constant(3, 0)}});
        GroupView &view = chart.file().groupView(unitGroupOf(kind));
        view.viewMinimum = viewMinimum;
        view.viewMaximum = viewMaximum;
        view.grid = grid;
        // 30 s above the plot band and the bottom band of 55 s below it.
        const CRect rect{0, 0, 400, plot + 85 * scale};
        if (scale == 1)
            chart.RenderAsShown(dc, rect);
        else
            chart.Render(dc, true, rect, scale);
        // The unit caption and the tick labels; the legend's caption is aligned otherwise.
        for (const Primitive &p : dc.primitives(Primitive::Kind::DrawText))
            if (p.format == (DT_CENTER | DT_VCENTER | DT_SINGLELINE))
                texts.push_back(p);
        lines = dc.primitives(Primitive::Kind::Line);
    }

    CChartCtrl chart;
    CRecordingDC dc;
    std::vector<Primitive> texts;
    std::vector<Primitive> lines;
};

TEST(ValueAxisTest, TickStepsLabelsAndPositionsOfTheWorkedRanges)
{
    struct Case
    {
        ChannelKind kind;
        int minimum, maximum, scale;
        const char *unit;
        int bandRight; // the band runs from 10 s
        int firstTick, step, lastTick;
        int firstY, pixelsPerStep;
        int rightEdgeTop; // where the band's right edge line starts
    };
    const Case cases[] = {
        // u = 300 / 30 = 10 pixels per unit: tick v at y = 330 - 10 (v + 20).
        {ChannelKind::Temperature, -20, 10, 1, "°C", 35, -20, 5, 10, 330, 50, 30},
        // u = 2.5, step 10, and nothing above 100 %.
        {ChannelKind::RelativeHumidity, 0, 120, 1, "%", 35, 0, 10, 100, 330, 25, 30},
        // The first tick is the first step multiple not below the minimum.
        {ChannelKind::Temperature, -3, 27, 1, "°C", 35, 0, 5, 25, 300, 50, 30},
        // Ticks are -10000 + 5k for k >= 1: -10000 itself is no tick, the first is -9995, at
        // y = 330 - 10 * 8.
        {ChannelKind::Temperature, -10003, -9973, 1, "°C", 35, -9995, 5, -9975, 250, 50, 30},
        // An empty range makes one unit the whole band: 6 lies on the top edge, 7 beyond it.
        {ChannelKind::Temperature, 5, 5, 1, "°C", 35, 5, 1, 6, 330, 300, 30},
        // The micromole band is wider and its right edge starts lower.
        {ChannelKind::RadiationUmol, 0, 1, 1, "µmol/sm2", 55, 0, 1, 1, 330, 300, 31},
        // Printed at s = 3: the band runs 30..105 and the plot 90..390; u = 10 is below 5 s = 15,
        // so the step is 10; labels stand 7 s above and below their tick.
        {ChannelKind::Temperature, -20, 10, 3, "°C", 105, -20, 10, 10, 390, 100, 90},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " at scale " +
                     std::to_string(c.scale));
        const AxisRender axis(c.kind, c.minimum, c.maximum, false, c.scale);
        const int s = c.scale;
        const int bandLeft = 10 * s;
        const std::size_t ticks = static_cast<std::size_t>((c.lastTick - c.firstTick) / c.step) + 1;
        ASSERT_EQ(axis.texts.size(), ticks + 1);
        EXPECT_EQ(axis.texts[0].text, c.unit);
        // The caption is 10 units wider than the band on both sides and 25 s high.
        EXPECT_EQ(axis.texts[0].rect, (CRect{bandLeft - 10, 0, c.bandRight + 10, 25 * s}));
        for (std::size_t i = 0; i < ticks; ++i) {
            const Primitive &label = axis.texts[i + 1];
            const int y = c.firstY - c.pixelsPerStep * static_cast<int>(i);
            EXPECT_EQ(label.text, std::to_string(c.firstTick + c.step * static_cast<int>(i)));
            EXPECT_EQ(label.rect, (CRect{bandLeft, y - 7 * s, c.bandRight, y + 7 * s}))
                << label.text;
        }
        ASSERT_GE(axis.lines.size(), 2u);
        // Both edges run one pixel below the plot band (its bottom is 30 s + 300).
        EXPECT_EQ(axis.lines[0].from, (CPoint{bandLeft, 30 * s + 1}));
        EXPECT_EQ(axis.lines[0].to, (CPoint{bandLeft, 30 * s + 301}));
        EXPECT_EQ(axis.lines[1].from, (CPoint{c.bandRight, c.rightEdgeTop}));
        EXPECT_EQ(axis.lines[1].to, (CPoint{c.bandRight, 30 * s + 301}));
    }
}

TEST(ValueAxisTest, TheStepIsThatOfTheFirstThresholdThePixelsPerUnitReach)
{
    struct Row
    {
        double pixels; // the row holds for u >= pixels * s
        int step;
    };
    const Row table[] = {{25, 1},      {12.5, 2},     {5, 5},          {2.5, 10},     {1, 20},
                         {0.5, 50},    {0.25, 100},   {0.1, 200},      {0.05, 500},   {0.025, 1000},
                         {0.01, 2000}, {0.005, 5000}, {0.0025, 10000}, {0.001, 20000}};
    // A band 3000 high has room for two ticks of every step over a range 0..r (u = 3000 / r).
    const auto stepOf = [](int range, int scale) {
        const AxisRender axis(ChannelKind::Temperature, 0, range, false, scale, 3000);
        EXPECT_GE(axis.texts.size(), 3u) << range;
        return axis.texts.size() < 3u
                   ? 0
                   : std::stoi(axis.texts[2].text) - std::stoi(axis.texts[1].text);
    };
    for (const int scale : {1, 6}) {
        for (std::size_t i = 0; i < std::size(table); ++i) {
            SCOPED_TRACE(testing::Message() << "u >= " << table[i].pixels << " s, s = " << scale);
            // The range at which u is exactly pixels * s. At s = 1 that u reaches the
            // threshold; at s = 6 the product is not exact in double (0.1 * 6 is above 0.6),
            // so a range one unit narrower puts u just above it.
            const int exact = static_cast<int>(std::lround(3000 / (table[i].pixels * scale)));
            const int reaching = scale == 1 ? exact : exact - 1;
            const int below = i + 1 < std::size(table) ? table[i + 1].step : 50000;
            EXPECT_EQ(stepOf(reaching, scale), table[i].step);
            EXPECT_EQ(stepOf(exact + 1, scale), below);
        }
    }
}

TEST(ValueAxisTest, LabelsFillTheirCellsAndGridDotsRunEvery5UnitsAtEachTickAtAnyScale)
{
    struct Case
    {
        int scale;
        std::size_t ticks, dotsPerTick;
        CPoint first, endOfFirstRow, last;
        COLORREF color;
    };
    const Case cases[] = {
        // Ticks -20, -15, ..., 10 at y 330..30; x = 35, 40, ..., 390 (< 400 - 5).
        {1, 7, 72, {35, 330}, {390, 330}, {390, 30}, RGB(255, 255, 255)},
        // Printed at s = 3: ticks -20, -10, 0, 10 at y 390..90; the pitch stays 5, from
        // axesEnd = 105 to 390; the print text pen is black.
        {3, 4, 58, {105, 390}, {390, 390}, {390, 90}, RGB(0, 0, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.scale);
        const AxisRender axis(ChannelKind::Temperature, -20, 10, true, c.scale);
        ASSERT_EQ(axis.texts.size(), c.ticks + 1);
        EXPECT_TRUE(axis.texts[1].opaque);
        std::vector<Primitive> dots;
        for (const Primitive &p : axis.lines)
            if (p.to.x == p.from.x + 1 && p.to.y == p.from.y && p.pen.lopnWidth == 1)
                dots.push_back(p);
        ASSERT_EQ(dots.size(), c.ticks * c.dotsPerTick);
        EXPECT_EQ(dots.front().from, c.first);
        EXPECT_EQ(dots[c.dotsPerTick - 1].from, c.endOfFirstRow);
        EXPECT_EQ(dots.back().from, c.last);
        EXPECT_EQ(dots.front().pen.lopnColor, c.color);
    }
}

} // namespace
} // namespace zyfo::test
