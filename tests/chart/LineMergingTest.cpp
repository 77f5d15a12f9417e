// Line merging: merged lines set exactly the pixels of the lines they replace, also in charts;
// a chart's lines written straight into the image set the pixels the painter sets.
#include "CImageDC.h"
#include "CPen.h"
#include "ChartFixture.h"
#include "LineBatch.h"

#include <QImage>

#include <cmath>
#include <random>

namespace zyfo::test {
namespace {

using Lines = std::vector<std::pair<CPoint, CPoint>>;

// Both ways of drawing `lines` with a pen of `width` on a 60 x 60 image; true when every
// pixel agrees.
bool samePixels(const Lines &lines, int width)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, width, RGB(255, 255, 255));
    CImageDC each(60, 60);
    CImageDC batched(60, 60);
    each.SelectObject(&pen);
    batched.SelectObject(&pen);
    LineBatch batch(width);
    for (const auto &[from, to] : lines) {
        each.MoveTo(from.x, from.y);
        each.LineTo(to.x, to.y);
        batch.add(from, to);
    }
    batch.draw(batched);
    return each.image() == batched.image();
}

TEST(LineBatchTest, RandomColumnsKeepEveryPixelAtWidths1To12)
{
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> row(10, 26);
    std::uniform_int_distribution<int> count(2, 5);
    for (int width = 1; width <= 12; ++width) {
        // A few lines in one column, overlapping, touching or apart.
        for (int trial = 0; trial < 300; ++trial) {
            Lines lines;
            for (int i = count(random); i > 0; --i) {
                const int y0 = row(random);
                const int y1 = row(random);
                if (y0 != y1)
                    lines.emplace_back(CPoint{30, y0}, CPoint{30, y1});
            }
            ASSERT_TRUE(samePixels(lines, width)) << "width " << width << " trial " << trial;
        }
    }
}

QImage render(CChartCtrl &chart, bool merge,
              CImageDC::LineDrawing lines = CImageDC::LineDrawing::Direct)
{
    chart.setLineMerging(merge);
    CImageDC image(800, 400);
    image.setLineDrawing(lines);
    chart.RenderAsShown(image, {0, 0, 800, 400});
    return image.image();
}

TEST(DenseRenderTest, MergedLinesSetTheSamePixelsAsEverySegmentDrawnAlone)
{
    // 30000 rows on 800 pixels: some 40 values per pixel column. The channels wander with
    // noise beyond both edges of their axes and miss a reading now and then.
    constexpr int rows = 30000;
    std::mt19937 random(99);
    std::normal_distribution<double> noise(0, 1.5);
    std::uniform_int_distribution<int> missing(0, 400);
    Values temperature, humidity, wind;
    for (int row = 0; row < rows; ++row) {
        const double phase = row / 2000.0;
        temperature.push_back(std::sin(phase) * 18 - 5 + noise(random));
        humidity.push_back(missing(random) == 0 ? std::nullopt
                                                : std::optional(60 + 45 * std::cos(phase * 1.3) +
                                                                noise(random) * 4));
        wind.push_back(std::abs(noise(random)) * 3);
    }
    CChartCtrl chart;
    loadRows(chart, rows,
             {{ChannelKind::Temperature, "T", temperature},
              {ChannelKind::RelativeHumidity, "H", humidity},
              {ChannelKind::WindSpeed, "S", wind}});
    chart.file().groupView(UnitGroup::RelativeHumidity).viewMaximum = 100;
    chart.file().groupView(UnitGroup::WindSpeed).viewMaximum = 10;
    for (const int width : {1, 2, 3, 6}) {
        chart.SetLineWidth(width);
        for (const int maxPoints : {0, 1000}) {
            chart.SetMaxPoints(maxPoints);
            EXPECT_TRUE(render(chart, true) == render(chart, false))
                << "width " << width << ", maximum points " << maxPoints;
            EXPECT_TRUE(render(chart, true) == render(chart, true, CImageDC::LineDrawing::Painter))
                << "direct lines, width " << width << ", maximum points " << maxPoints;
        }
    }
}

} // namespace
} // namespace zyfo::test
