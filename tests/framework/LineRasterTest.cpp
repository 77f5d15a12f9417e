// Lines written straight into an image's pixels set the pixels and values the painter sets.
#include "LineRaster.h"
#include "Application.h"
#include "CImageDC.h"
#include "LineShapeCache.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zyfo {
namespace {

using Random = std::mt19937;

int uniform(Random &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

COLORREF anyColor(Random &random)
{
    return RGB(uniform(random, 0, 255), uniform(random, 0, 255), uniform(random, 0, 255));
}

// "" when both images hold the same bytes (alpha included), else the first pixel that differs.
std::string firstDifference(const QImage &fast, const QImage &reference)
{
    for (int y = 0; y < reference.height(); ++y) {
        const auto *a = reinterpret_cast<const std::uint32_t *>(fast.constScanLine(y));
        const auto *b = reinterpret_cast<const std::uint32_t *>(reference.constScanLine(y));
        for (int x = 0; x < reference.width(); ++x) {
            if (a[x] != b[x]) {
                std::ostringstream out;
                out << "pixel (" << x << ", " << y << ") is " << std::hex << a[x] << " instead of "
                    << b[x];
                return out.str();
            }
        }
    }
    return {};
}

// The same drawing on an image that draws lines directly and on one whose painter draws them.
class Pair
{
public:
    Pair(int width, int height)
        : m_fast(width, height)
        , m_reference(width, height)
    {
        m_reference.setLineDrawing(CImageDC::LineDrawing::Painter);
    }

    void draw(const std::function<void(CDC &)> &drawing)
    {
        drawing(m_fast);
        drawing(m_reference);
    }

    std::string difference() const { return firstDifference(m_fast.image(), m_reference.image()); }

private:
    CImageDC m_fast;
    CImageDC m_reference;
};

struct Line
{
    CPoint from;
    CPoint to;
};

std::ostream &operator<<(std::ostream &out, const Line &line)
{
    return out << '(' << line.from.x << ", " << line.from.y << ") to (" << line.to.x << ", "
               << line.to.y << ')';
}

// One line with a solid pen of `width` and `color`, as the chart draws its series.
void drawLine(CDC &dc, int width, COLORREF color, const Line &line)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, width, color);
    dc.SelectObject(&pen);
    dc.MoveTo(line.from.x, line.from.y);
    dc.LineTo(line.to.x, line.to.y);
}

// Lines of one family: their extents (dx, dy) lie in these ranges.
struct Family
{
    const char *name;
    int dxLow, dxHigh, dyLow, dyHigh;

    CPoint extent(Random &random) const
    {
        return {uniform(random, dxLow, dxHigh), uniform(random, dyLow, dyHigh)};
    }
};

const Family kFamilies[] = {
    {"vertical", 0, 0, -1200, 1200}, {"connector", -1, 1, -100, 100},
    {"steep", -4, 4, -1200, 1200},   {"flat", -1200, 1200, -4, 4},
    {"short", -64, 64, -64, 64},     {"any", -1200, 1200, -1200, 1200},
};

// Where a line of extent `d` starts on a `width` x `height` image.
struct Placement
{
    const char *name;
    std::function<CPoint(Random &, CPoint d, int width, int height)> start;
};

// A start at least `margin` inside the image for the whole line, or anywhere when the line
// does not fit.
int startInside(Random &r, int extent, int size, int margin)
{
    const int low = margin + std::max(0, -extent);
    const int high = size - 1 - margin - std::max(0, extent);
    return low <= high ? uniform(r, low, high) : uniform(r, -std::abs(extent), size);
}

const Placement kPlacements[] = {
    {"inside",
     [](Random &r, CPoint d, int width, int height) {
         return CPoint{startInside(r, d.x, width, 20), startInside(r, d.y, height, 20)};
     }},
    {"across an edge",
     [](Random &r, CPoint d, int width, int height) {
         // A point of the line within a few pixels of one of the four edges.
         const int along = uniform(r, 0, 1000);
         const int edge = uniform(r, 0, 3);
         CPoint near{uniform(r, -12, width + 12), uniform(r, -12, height + 12)};
         if (edge < 2)
             near.x = edge == 0 ? uniform(r, -12, 12) : width + uniform(r, -12, 12);
         else
             near.y = edge == 2 ? uniform(r, -12, 12) : height + uniform(r, -12, 12);
         return CPoint{near.x - d.x * along / 1000, near.y - d.y * along / 1000};
     }},
    {"far off",
     [](Random &r, CPoint, int width, int height) {
         const int x = uniform(r, 0, 1) ? uniform(r, -5000, -30) : uniform(r, width + 30, 9000);
         return CPoint{x, uniform(r, -3000, height + 3000)};
     }},
};

constexpr int kImageWidth = 1400;
constexpr int kImageHeight = 1300;

TEST(LineRasterTest, SingleLinesOfEveryFamilyAndPlaceMatchThePainterAtWidths0To12)
{
    ensureApplication();
    Random random(20240611);
    Pair images(kImageWidth, kImageHeight);
    for (const Family &family : kFamilies) {
        for (const Placement &placement : kPlacements) {
            for (int width = 0; width <= 12; ++width) {
                // Lines of many colours over each other: the last one drawn shows.
                Line line;
                for (int i = 0; i < 60; ++i) {
                    const CPoint d = family.extent(random);
                    const CPoint from = placement.start(random, d, kImageWidth, kImageHeight);
                    line = {from, {from.x + d.x, from.y + d.y}};
                    const COLORREF color = anyColor(random);
                    images.draw([&](CDC &dc) { drawLine(dc, width, color, line); });
                }
                ASSERT_EQ(images.difference(), "") << family.name << " lines " << placement.name
                                                   << ", width " << width << ", last " << line;
            }
        }
    }
}

TEST(LineRasterTest, WideLinesAnEdgeCutsAreCutAsThePainterCutsThem)
{
    ensureApplication();
    // Long flat lines over the right edge of a 1600 x 900 image, where the painter's cut
    // leaves out a pixel its stroke of the whole line has.
    const struct
    {
        int width;
        Line line;
    } cases[] = {
        {11, {{691, 178}, {1852, 155}}},
        {11, {{729, 882}, {1926, 871}}},
        {10, {{1116, 863}, {2298, 852}}},
    };
    for (const auto &c : cases) {
        Pair images(1600, 900);
        images.draw([&](CDC &dc) { drawLine(dc, c.width, RGB(255, 255, 255), c.line); });
        EXPECT_EQ(images.difference(), "") << c.line << " width " << c.width;
    }
}

// Polylines of `count` random points (two of them often the same) about the image.
std::vector<CPoint> polylinePoints(Random &random, int count)
{
    std::vector<CPoint> points;
    CPoint point{uniform(random, -50, 450), uniform(random, -50, 350)};
    for (int i = 0; i < count; ++i) {
        points.push_back(point);
        const Family &family = kFamilies[static_cast<std::size_t>(uniform(random, 0, 5))];
        const CPoint d = uniform(random, 0, 5) == 0 ? CPoint{} : family.extent(random);
        point = {point.x + d.x / 4, point.y + d.y / 4};
    }
    return points;
}

TEST(LineRasterTest, PolyPolylineBatchesOfMixedLinesAndColoursMatchThePainter)
{
    ensureApplication();
    Random random(77);
    const struct
    {
        int widthLow, widthHigh, polylines, pointsEach;
    } cases[] = {
        {0, 1, 40, 30},   // one-pixel pens
        {2, 4, 200, 2},   // many separate lines, as merged columns come
        {2, 12, 30, 60},  // long chains of every kind of line
        {13, 24, 10, 20}, // pens wider than the shapes kept
    };
    for (const auto &c : cases) {
        Pair images(400, 300);
        for (int batch = 0; batch < 12; ++batch) {
            std::vector<CPoint> points;
            std::vector<DWORD> counts;
            for (int i = 0; i < c.polylines; ++i) {
                const std::vector<CPoint> line = polylinePoints(random, c.pointsEach);
                points.insert(points.end(), line.begin(), line.end());
                counts.push_back(static_cast<DWORD>(line.size()));
            }
            const int width = uniform(random, c.widthLow, c.widthHigh);
            const COLORREF color = anyColor(random);
            images.draw([&](CDC &dc) {
                CPen pen;
                pen.CreatePen(PS_SOLID, width, color);
                dc.SelectObject(&pen);
                EXPECT_TRUE(
                    dc.PolyPolyline(points.data(), counts.data(), static_cast<int>(counts.size())));
            });
        }
        EXPECT_EQ(images.difference(), "") << "widths " << c.widthLow << " to " << c.widthHigh;
    }
}

TEST(LineRasterTest, ShapesDroppedFromAFullCacheAreMadeAgainAlike)
{
    ensureApplication();
    // A cache of a few shapes only, drawing more different shapes than it holds, twice over.
    LineShapeCache shapes(4096);
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    LineRaster raster(reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                      image.height(), image.bytesPerLine() / 4, shapes);
    CImageDC reference(300, 300);
    reference.setLineDrawing(CImageDC::LineDrawing::Painter);
    Random random(5);
    for (int i = 0; i < 600; ++i) {
        const int width = 2 + i % 11;
        const CPoint from{uniform(random, 40, 260), uniform(random, 40, 260)};
        const CPoint to{from.x + uniform(random, -3, 3), from.y + uniform(random, -25, 25)};
        const LOGPEN pen{PS_SOLID, width, anyColor(random)};
        if (from == to)
            continue;
        ASSERT_TRUE(raster.draw(from, to, pen));
        drawLine(reference, width, pen.lopnColor, {from, to});
    }
    EXPECT_EQ(firstDifference(image, reference.image()), "");
}

TEST(LineRasterTest, VerticalLinesOfEveryLengthMatchThePainter)
{
    ensureApplication();
    // Vertical lines are drawn from caps and a body: every length, both ways, at the widths
    // whose caps differ most.
    for (const int width : {2, 3, 8, 11, 16}) {
        Pair images(60, 1300);
        for (int length = 1; length <= 1250; ++length) {
            const int sign = length % 2 == 0 ? 1 : -1;
            const int x = 20 + length % 20;
            const int from = sign > 0 ? 22 : 22 + length;
            images.draw([&](CDC &dc) {
                drawLine(dc, width, RGB(length % 256, 40, 255 - length % 256),
                         {{x, from}, {x, from + sign * length}});
            });
        }
        EXPECT_EQ(images.difference(), "") << "width " << width;
    }
}

TEST(LineRasterTest, ACopyTakenBetweenLinesKeepsWhatWasDrawnBefore)
{
    ensureApplication();
    CImageDC dc(50, 50);
    drawLine(dc, 3, RGB(255, 0, 0), {{10, 10}, {10, 40}});
    const QImage before = dc.image();
    drawLine(dc, 3, RGB(255, 0, 0), {{30, 10}, {30, 40}});
    EXPECT_EQ(before.pixel(30, 25), qRgb(0, 0, 0));
    EXPECT_EQ(dc.image().pixel(30, 25), qRgb(255, 0, 0));
    EXPECT_EQ(dc.image().pixel(10, 25), qRgb(255, 0, 0));
}

} // namespace
} // namespace zyfo
