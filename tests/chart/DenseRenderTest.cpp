// Dense windows on the image surface: merged and unmerged drawing set exactly the same pixels.
#include "CImageDC.h"
#include "ChartFixture.h"

#include <QImage>

#include <cmath>
#include <random>

namespace zyfo::test {
namespace {

QImage render(CChartCtrl &chart, bool merge)
{
    chart.setLineMerging(merge);
    CImageDC image(800, 400);
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
        }
    }
}

} // namespace
} // namespace zyfo::test
