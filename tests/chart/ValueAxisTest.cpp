// Value axes: captions, tick steps and positions, the humidity stop, grid dots, band edges.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

// DrawText primitives, the unit captions and tick labels of the value axes.
std::vector<Primitive> axisTexts(const CRecordingDC &dc)
{
    return dc.primitives(Primitive::Kind::DrawText);
}

std::vector<std::string> textsOf(const std::vector<Primitive> &texts)
{
    std::vector<std::string> result;
    for (const Primitive &p : texts)
        result.push_back(p.text);
    return result;
}

// A chart of one channel of `kind` whose plot band is 300 high (30..330) on a 400 x 385 rectangle.
class ValueAxisTest : public ::testing::Test
{
protected:
    void load(ChannelKind kind, int viewMinimum, int viewMaximum, bool grid = false)
    {
        loadRows(chart, 3, {{kind, "K", constant(3, 0)}});
        GroupView &view = chart.file().groupView(unitGroupOf(kind));
        view.viewMinimum = viewMinimum;
        view.viewMaximum = viewMaximum;
        view.grid = grid;
        chart.settings().showMeans = 0;
    }

    std::vector<Primitive> render()
    {
        chart.RenderAsShown(dc, {0, 0, 400, 385});
        std::vector<Primitive> texts;
        // The legend's caption comes last and does not belong to the axis.
        for (const Primitive &p : axisTexts(dc))
            if (p.format == (DT_CENTER | DT_VCENTER | DT_SINGLELINE))
                texts.push_back(p);
        return texts;
    }

    CChartCtrl chart;
    CRecordingDC dc;
};

TEST_F(ValueAxisTest, RangeMinus20To10OnA300HighPlotTicksEvery5)
{
    load(ChannelKind::Temperature, -20, 10);
    const auto texts = render();
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0].text, "°C");
    EXPECT_EQ(texts[0].rect, (CRect{0, 0, 45, 25}));
    EXPECT_EQ(textsOf({texts.begin() + 1, texts.end()}),
              (std::vector<std::string>{"-20", "-15", "-10", "-5", "0", "5", "10"}));
    // u = 300 / 30 = 10 pixels per unit: tick v at y = 330 - 10 (v + 20).
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const int y = 330 - 50 * static_cast<int>(i - 1);
        EXPECT_EQ(texts[i].rect, (CRect{10, y - 7, 35, y + 7})) << texts[i].text;
        EXPECT_TRUE(texts[i].opaque) << "labels fill their cells with the background";
        EXPECT_EQ(texts[i].bkColor, RGB(0, 0, 0));
        EXPECT_EQ(texts[i].color, RGB(255, 255, 255));
    }
}

TEST_F(ValueAxisTest, HumidityLabelsStopAt100)
{
    load(ChannelKind::RelativeHumidity, 0, 120);
    const auto texts = render();
    // u = 2.5, step 10: 0, 10, ..., 100 and nothing above.
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0].text, "%");
    EXPECT_EQ(texts[1].text, "0");
    EXPECT_EQ(texts.back().text, "100");
    EXPECT_EQ(texts.back().rect.top, 330 - 250 - 7);
}

TEST_F(ValueAxisTest, FirstTickIsTheFirstStepMultipleNotBelowTheMinimum)
{
    load(ChannelKind::Temperature, -3, 27);
    const auto texts = render();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "0");
    EXPECT_EQ(texts[1].rect.top, 330 - 30 - 7);
    EXPECT_EQ(texts.back().text, "25");
}

TEST_F(ValueAxisTest, StepGrowsAsUnitsShrink)
{
    // 300 pixels over 3000 units: 0.1 pixel per unit gives a step of 200.
    load(ChannelKind::Pressure, 0, 3000);
    const auto texts = render();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "hPa");
    EXPECT_EQ(texts[1].text, "0");
    EXPECT_EQ(texts[2].text, "200");
    EXPECT_EQ(texts.back().text, "3000");
}

TEST_F(ValueAxisTest, EmptyRangeMakesOneUnitTheWholeBand)
{
    load(ChannelKind::Temperature, 5, 5);
    const auto texts = render();
    // u = 300 >= 25: step 1; tick 5 at the bottom, tick 6 on the top edge, 7 beyond it.
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "5");
    EXPECT_EQ(texts[1].rect.top, 330 - 7);
    EXPECT_EQ(texts[2].text, "6");
    EXPECT_EQ(texts[2].rect.top, 30 - 7);
}

TEST_F(ValueAxisTest, GridDotsEvery5UnitsFromAxesEndAtEachTick)
{
    load(ChannelKind::Temperature, -20, 10, true);
    render();
    std::vector<Primitive> dots;
    for (const Primitive &p : dc.primitives(Primitive::Kind::Line))
        if (p.to.x == p.from.x + 1 && p.to.y == p.from.y && p.pen.lopnWidth == 1)
            dots.push_back(p);
    // x = 35, 40, ..., 390 (< 400 - 5): 72 dots on each of 7 ticks.
    ASSERT_EQ(dots.size(), 7u * 72u);
    EXPECT_EQ(dots.front().from, (CPoint{35, 330}));
    EXPECT_EQ(dots[71].from, (CPoint{390, 330}));
    EXPECT_EQ(dots.back().from, (CPoint{390, 30}));
    EXPECT_EQ(dots.front().pen.lopnColor, RGB(255, 255, 255));
}

TEST_F(ValueAxisTest, BandEdgesEndOnePixelBelowThePlot)
{
    load(ChannelKind::Temperature, -20, 10);
    render();
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (CPoint{10, 31}));
    EXPECT_EQ(lines[0].to, (CPoint{10, 331}));
    EXPECT_EQ(lines[1].from, (CPoint{35, 30}));
    EXPECT_EQ(lines[1].to, (CPoint{35, 331}));
}

TEST_F(ValueAxisTest, MicromoleBandIsWideAndItsRightEdgeStartsLower)
{
    load(ChannelKind::RadiationUmol, 0, 1);
    const auto texts = render();
    EXPECT_EQ(texts[0].text, "µmol/sm2");
    EXPECT_EQ(texts[0].rect, (CRect{0, 0, 65, 25}));
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].from, (CPoint{55, 31}));
    EXPECT_EQ(lines[1].to, (CPoint{55, 331}));
}

} // namespace
} // namespace zyfo::test
