// Series drawing: from the summaries, row by row with merging and every segment alone, the
// chart comes out the same.
#include "CImageDC.h"
#include "ChartFixture.h"

#include <QImage>

#include <cmath>
#include <random>

namespace zyfo::test {
namespace {

using Drawing = CChartCtrl::SeriesDrawing;

// Channels that wander beyond both edges of their axes, stay flat for a while (also on the
// edges of the band, where lines without length decide what is drawn), miss single readings
// and long runs of them, and jump; integer steps put many vertices on the same pixel rows.
std::vector<Series> wanderingChannels(int rows, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> runLength(1, 300);
    Values temperature, humidity, wind, rain;
    double walk = 0;
    int flatFor = 0;
    int missingFor = 0;
    for (int row = 0; row < rows; ++row) {
        walk += noise(random) * 0.8;
        if (percent(random) == 0)
            walk = -walk * 2; // a jump across the band and beyond it
        if (flatFor > 0)
            --flatFor;
        else if (percent(random) < 2)
            flatFor = runLength(random);
        temperature.push_back(flatFor > 0 ? -20.0 : walk);
        if (missingFor > 0)
            --missingFor;
        else if (percent(random) < 1)
            missingFor = runLength(random);
        humidity.push_back(
            missingFor > 0 || percent(random) < 3
                ? std::nullopt
                : std::optional(50 + 40 * std::sin(row / 700.0) + noise(random) * 6));
        wind.push_back(std::round(std::abs(noise(random)) * 3));
        rain.push_back(missingFor > 0 ? std::nullopt : std::optional(flatFor > 0 ? 10.0 : 3.0));
    }
    return {{ChannelKind::Temperature, "T", temperature},
            {ChannelKind::RelativeHumidity, "H", humidity},
            {ChannelKind::WindSpeed, "S", wind},
            {ChannelKind::RainHeight, "R", rain}};
}

struct Window
{
    const char *name;
    int first;
    int last;
};

// The scene's chart with `rows` rows, over `window` (which may end beyond the rows).
void loadScene(CChartCtrl &chart, int rows, unsigned seed, const Window &window)
{
    loadRows(chart, rows, wanderingChannels(std::max(rows, window.last + 1), seed), window.first,
             window.last);
    MeasurementFile &file = chart.file();
    file.groupView(UnitGroup::Temperature) = {-20, 15, true, true};
    file.groupView(UnitGroup::RelativeHumidity) = {20, 100, false, true};
    file.groupView(UnitGroup::WindSpeed) = {0, 6, false, true};
    file.groupView(UnitGroup::RainHeight) = {3, 8, false, true};
}

std::vector<Primitive> recorded(CChartCtrl &chart, Drawing drawing, int scale)
{
    chart.setSeriesDrawing(drawing);
    CRecordingDC dc;
    if (scale > 1)
        chart.Render(dc, true, {0, 0, 900, 500}, scale);
    else
        chart.RenderAsShown(dc, {0, 0, 900, 500});
    return dc.primitives();
}

TEST(SeriesDrawingTest, SummariesGiveTheLinesOfTheRowWalk)
{
    // Fewer rows than pixel columns, some twenty rows a column, and hundreds (whole chunks of
    // 64 rows inside a column). The merging rule depends on the pen: one pixel wide or wider.
    struct Size
    {
        int rows;
        std::vector<int> widths;
        std::vector<int> maxPoints;
    };
    const Size sizes[] = {
        {300, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0, 5, 37, 1000}},
        {20000, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0, 5, 37, 1000}},
        {300000, {1, 2}, {0, 5, 1000, 100000}}, // its channels are traced on two threads
    };
    for (const Size &size : sizes) {
        const int rows = size.rows;
        const Window windows[] = {
            {"all rows", 0, rows - 1},
            {"inside", rows / 5, rows - rows / 7},
            {"beyond the rows", rows / 3, rows + 500},
        };
        for (const Window &window : windows) {
            CChartCtrl chart;
            loadScene(chart, rows, static_cast<unsigned>(rows), window);
            for (const int width : size.widths) {
                chart.SetLineWidth(width);
                for (const int maxPoints : size.maxPoints) {
                    chart.SetMaxPoints(maxPoints);
                    for (const int scale : {1, 3}) {
                        SCOPED_TRACE(testing::Message()
                                     << rows << " rows, " << window.name << ", width " << width
                                     << ", at most " << maxPoints << " points, scale " << scale);
                        ASSERT_EQ(recorded(chart, Drawing::Summaries, scale),
                                  recorded(chart, Drawing::EveryRow, scale));
                    }
                }
            }
        }
    }
}

QImage rendered(CChartCtrl &chart, Drawing drawing, CImageDC::LineDrawing lines)
{
    chart.setSeriesDrawing(drawing);
    CImageDC image(900, 500);
    image.setLineDrawing(lines);
    chart.RenderAsShown(image, {0, 0, 900, 500});
    return image.image();
}

TEST(SeriesDrawingTest, SummariesSetThePixelsOfEverySegmentDrawnAloneByThePainter)
{
    CChartCtrl chart;
    loadScene(chart, 12000, 5, {"inside", 700, 11000});
    for (int width = 1; width <= 10; ++width) {
        chart.SetLineWidth(width);
        for (const int maxPoints : {0, 1000}) {
            chart.SetMaxPoints(maxPoints);
            EXPECT_TRUE(rendered(chart, Drawing::Summaries, CImageDC::LineDrawing::Direct) ==
                        rendered(chart, Drawing::EverySegment, CImageDC::LineDrawing::Painter))
                << "width " << width << ", at most " << maxPoints << " points";
        }
    }
}

} // namespace
} // namespace zyfo::test
