// Value axes: captions, tick steps and positions, the humidity stop, grid dots, band edges.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

// One channel of `kind` shown over viewMinimum..viewMaximum on a 400 x 385 rectangle: the plot
// band is 300 high (30..330).
struct AxisRender
{
    AxisRender(ChannelKind kind, int viewMinimum, int viewMaximum, bool grid = false)
    {
        loadRows(chart, 3, {{kind, "K", constant(3, 0)}});
        GroupView &view = chart.file().groupView(unitGroupOf(kind));
        view.viewMinimum = viewMinimum;
        view.viewMaximum = viewMaximum;
        view.grid = grid;
        chart.RenderAsShown(dc, {0, 0, 400, 385});
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
        int minimum, maximum;
        const char *unit;
        int unitWidth;
        int firstTick, step, lastTick;
        int firstY, pixelsPerStep;
        CPoint rightEdgeFrom; // where the band's right edge line starts
    };
    const Case cases[] = {
        // u = 300 / 30 = 10 pixels per unit: tick v at y = 330 - 10 (v + 20).
        {ChannelKind::Temperature, -20, 10, "°C", 45, -20, 5, 10, 330, 50, {35, 30}},
        // u = 2.5, step 10, and nothing above 100 %.
        {ChannelKind::RelativeHumidity, 0, 120, "%", 45, 0, 10, 100, 330, 25, {35, 30}},
        // The first tick is the first step multiple not below the minimum.
        {ChannelKind::Temperature, -3, 27, "°C", 45, 0, 5, 25, 300, 50, {35, 30}},
        // An empty range makes one unit the whole band: 6 lies on the top edge, 7 beyond it.
        {ChannelKind::Temperature, 5, 5, "°C", 45, 5, 1, 6, 330, 300, {35, 30}},
        // The micromole band is wider and its right edge starts lower.
        {ChannelKind::RadiationUmol, 0, 1, "µmol/sm2", 65, 0, 1, 1, 330, 300, {55, 31}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum));
        const AxisRender axis(c.kind, c.minimum, c.maximum);
        const std::size_t ticks = static_cast<std::size_t>((c.lastTick - c.firstTick) / c.step) + 1;
        ASSERT_EQ(axis.texts.size(), ticks + 1);
        EXPECT_EQ(axis.texts[0].text, c.unit);
        EXPECT_EQ(axis.texts[0].rect, (CRect{0, 0, c.unitWidth, 25}));
        for (std::size_t i = 0; i < ticks; ++i) {
            const Primitive &label = axis.texts[i + 1];
            const int y = c.firstY - c.pixelsPerStep * static_cast<int>(i);
            EXPECT_EQ(label.text, std::to_string(c.firstTick + c.step * static_cast<int>(i)));
            EXPECT_EQ(label.rect.top, y - 7) << label.text;
            EXPECT_EQ(label.rect.bottom, y + 7) << label.text;
        }
        ASSERT_GE(axis.lines.size(), 2u);
        EXPECT_EQ(axis.lines[0].from, (CPoint{10, 31}));
        EXPECT_EQ(axis.lines[0].to, (CPoint{10, 331})) << "one pixel below the plot";
        EXPECT_EQ(axis.lines[1].from, c.rightEdgeFrom);
        EXPECT_EQ(axis.lines[1].to, (CPoint{c.rightEdgeFrom.x, 331}));
    }
}

TEST(ValueAxisTest, LabelsFillTheirCellsAndGridDotsRunEvery5UnitsAtEachTick)
{
    const AxisRender axis(ChannelKind::Temperature, -20, 10, true);
    ASSERT_EQ(axis.texts.size(), 8u);
    EXPECT_EQ(axis.texts[1].rect, (CRect{10, 323, 35, 337}));
    EXPECT_TRUE(axis.texts[1].opaque);
    std::vector<Primitive> dots;
    for (const Primitive &p : axis.lines)
        if (p.to.x == p.from.x + 1 && p.to.y == p.from.y && p.pen.lopnWidth == 1)
            dots.push_back(p);
    // x = 35, 40, ..., 390 (< 400 - 5): 72 dots on each of 7 ticks.
    ASSERT_EQ(dots.size(), 7u * 72u);
    EXPECT_EQ(dots.front().from, (CPoint{35, 330}));
    EXPECT_EQ(dots[71].from, (CPoint{390, 330}));
    EXPECT_EQ(dots.back().from, (CPoint{390, 30}));
    EXPECT_EQ(dots.front().pen.lopnColor, RGB(255, 255, 255));
}

} // namespace
} // namespace zyfo::test
