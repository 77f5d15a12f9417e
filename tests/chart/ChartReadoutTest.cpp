// The readout of the row under the pointer and the mouse's moves of the time window: texts,
// box placement, the row at an x position, zoomed and panned windows.
#include "ChartReadout.h"
#include "ChartFixture.h"
#include "ChartLayout.h"
#include "RowPlacement.h"
#include "RowWindow.h"

namespace zyfo::test {
namespace {

TEST(ChartReadoutTest, LinesGiveTheRowsTimeAndEveryShownChannelsValueOrBrak)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::Temperature, "RT-350 nr 1", {21.5, std::nullopt, -0.004}},
              {ChannelKind::Pressure, "P", constant(3, 1000)},
              {ChannelKind::WindDirection, "K1", {123.6, 90, 359.5}}});
    MeasurementFile &file = chart.file();
    file.channelView(ChannelKind::Pressure, 0).shown = false;
    struct Case
    {
        int row;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {0, {"2024.01.15 00:00:00", "Temperatura RT-350 nr 1: 21,50 °C", "Kierunek K1: 124 °"}},
        {1, {"2024.01.15 00:01:00", "Temperatura RT-350 nr 1: brak", "Kierunek K1: 90 °"}},
        {2, {"2024.01.15 00:02:00", "Temperatura RT-350 nr 1: -0,00 °C", "Kierunek K1: 360 °"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readoutLines(file, c.row, ","), c.lines) << c.row;
}

TEST(ChartReadoutTest, TheBoxStandsBesideThePointerAndInsideTheChart)
{
    const CRect bounds{0, 0, 400, 300};
    struct Case
    {
        CPoint pointer;
        CSize size;
        CRect box;
    };
    const Case cases[] = {
        {{50, 50}, {100, 50}, {62, 62, 162, 112}},   // right of and below the pointer
        {{350, 50}, {100, 50}, {238, 62, 338, 112}}, // near the right edge: on the left
        {{50, 280}, {100, 50}, {62, 250, 162, 300}}, // near the bottom: moved up
        {{10, 10}, {500, 400}, {0, 0, 500, 400}},    // larger than the chart: at its corner
    };
    for (const Case &c : cases) {
        const CRect box = readoutBoxRect(c.pointer, c.size, bounds);
        EXPECT_EQ(box, c.box) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(ChartReadoutTest, ZoomKeepsTheRowAtTheFixedPointAndStaysBetweenTwoRowsAndTheWholeFile)
{
    struct Case
    {
        RowWindow window;
        double share;
        double factor;
        RowWindow zoomed;
    };
    const Case cases[] = {
        {{0, 99}, 50 / 99.0, kZoomInFactor, {10, 89}}, // row 50 stays 40 of 79 rows along
        {{10, 89}, 40 / 79.0, kZoomOutFactor, {0, 99}},
        {{0, 99}, 0.5, kZoomInFactor, {10, 89}},
        {{10, 12}, 1, kZoomInFactor, {11, 12}},    // rounds back to its span: one row less
        {{10, 11}, 0, kZoomInFactor, {10, 11}},    // two rows stay two rows
        {{5, 6}, 0, kZoomOutFactor, {5, 7}},       // rounds back to its span: one row more
        {{0, 98}, 0.4, kZoomOutFactor, {0, 99}},   // never wider than the file
        {{90, 99}, 1, kZoomOutFactor, {88, 99}},   // the last row stays last
        {{0, 9}, 0, kZoomOutFactor, {0, 11}},      // the first row stays first
        {{90, 99}, 0, kZoomOutFactor, {88, 99}},   // no room after: moved back inside the file
        {{80, 99}, -0.5, kZoomInFactor, {80, 95}}, // beyond the first row counts as the first
        {{80, 99}, 7, kZoomInFactor, {84, 99}},
    };
    for (const Case &c : cases) {
        const RowWindow zoomed = zoomedWindow(c.window, c.share, c.factor, 100);
        EXPECT_EQ(zoomed, c.zoomed)
            << c.window.first << ".." << c.window.last << " at " << c.share << " by " << c.factor;
    }
    EXPECT_EQ(wholeFile(100), (RowWindow{0, 99}));
}

TEST(ChartReadoutTest, PanKeepsTheSpanAndStopsAtTheFirstAndLastRow)
{
    struct Case
    {
        long long moved;
        RowWindow panned;
    };
    const Case cases[] = {{5, {15, 25}}, {-5, {5, 15}}, {-100, {0, 10}}, {1000, {89, 99}}};
    for (const Case &c : cases)
        EXPECT_EQ(pannedWindow({10, 20}, c.moved, 100), c.panned) << c.moved;
}

// Ten rows on 800 pixels after one value axis: row k at trunc(36 + k * 762 / 9).
TEST(ChartReadoutTest, TheRowAtAnXIsTheNearestAsTheSeriesPlaceRows)
{
    CChartCtrl chart;
    loadRows(chart, 10, {{ChannelKind::Temperature, "T", constant(10, 0)}});
    const ChartLayout layout({0, 0, 800, 600}, 1, chart.bottomBandHeight(), chart.file());
    const RowPlacement places(layout, {0, 9});
    ASSERT_EQ(places.xOf(0), 36);
    ASSERT_EQ(places.xOf(3), 290);
    ASSERT_EQ(places.xOf(9), 798);
    struct Case
    {
        int x;
        int row;
    };
    const Case cases[] = {{0, 0},   {36, 0},  {77, 0},  {79, 1},  {290, 3},
                          {332, 3}, {333, 4}, {797, 9}, {798, 9}, {2000, 9}};
    for (const Case &c : cases)
        EXPECT_EQ(places.rowAt(c.x), c.row) << c.x;
    EXPECT_EQ(places.rowsAcross(170), 2);
    EXPECT_EQ(places.rowsAcross(-127), -2); // one and a half rows and a bit
    EXPECT_EQ(places.rowsAcross(42), 0);
    EXPECT_DOUBLE_EQ(places.shareAt(36), 0);
    EXPECT_DOUBLE_EQ(places.shareAt(36 + 381), 0.5);
    EXPECT_DOUBLE_EQ(places.shareAt(36 + 762), 1);
    EXPECT_TRUE(places.covers({36, layout.plotTop()}));
    EXPECT_TRUE(places.covers({798, layout.plotBottom()}));
    EXPECT_FALSE(places.covers({35, layout.plotTop()}));
    EXPECT_FALSE(places.covers({799, layout.plotTop()}));
    EXPECT_FALSE(places.covers({400, layout.plotBottom() + 1}));
}

} // namespace
} // namespace zyfo::test
