// Lines written straight into the pixels of a 32-bit image, exactly as the painter draws them.
#include "LineRaster.h"

#include "LineShapeCache.h"
#include "PainterPen.h"
#include "ThinLineRuns.h"

#include <algorithm>
#include <cstdlib>

namespace zyfo {

namespace {
// The wide lines whose shapes were checked against the painter's, drawn at every place in the
// image they fit: widths, extents across and along the line, vertical lines made of caps and
// a body, and the image's extent.
constexpr int kWidestPen = 16;
constexpr int kAcross = 64;
constexpr int kAlong = 2048;
constexpr int kLongestVertical = 4096;
constexpr int kFurthestPixel = 16384;

// Sets `count` pixels from `first` on, and as many in each of the `rows` - 1 rows below.
void fillBlock(std::uint32_t *first, std::ptrdiff_t stride, int rows, int count,
               std::uint32_t value)
{
    // Most blocks are one or two pixels wide and many rows tall: the columns of a chart.
    if (count == 1) {
        for (; rows > 0; --rows, first += stride)
            *first = value;
        return;
    }
    if (count == 2) {
        for (; rows > 0; --rows, first += stride)
            first[0] = first[1] = value;
        return;
    }
    for (; rows > 0; --rows, first += stride)
        std::fill(first, first + count, value);
}
} // namespace

LineRaster::LineRaster(std::uint32_t *pixels, int width, int height, std::ptrdiff_t stride,
                       LineShapeCache &shapes)
    : m_pixels(pixels)
    , m_width(width)
    , m_height(height)
    , m_stride(stride)
    , m_shapes(shapes)
{}

bool LineRaster::draw(CPoint from, CPoint to, const LOGPEN &pen)
{
    // The lines of a batch share their pen: its value is worked out once.
    if (pen.lopnColor != m_color || !m_colorKnown) {
        m_color = pen.lopnColor;
        m_value = qtColor(m_color).rgb();
        m_colorKnown = true;
    }
    const std::uint32_t value = m_value;
    if (pen.lopnWidth <= 1) {
        drawThin(from, to, value);
        return true;
    }
    return drawWide(from, to, pen.lopnWidth, value);
}

void LineRaster::drawThin(CPoint from, CPoint to, std::uint32_t value)
{
    // A line wholly off the image is not worth stepping through.
    if (std::max(from.x, to.x) < 0 || std::max(from.y, to.y) < 0 ||
        std::min(from.x, to.x) >= m_width || std::min(from.y, to.y) >= m_height)
        return;
    forEachThinLineRun(from, to, [&](int left, int top, int right, int bottom) {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, m_width - 1);
        bottom = std::min(bottom, m_height - 1);
        if (left <= right && top <= bottom)
            fillBlock(row(top) + left, m_stride, bottom - top + 1, right - left + 1, value);
    });
}

bool LineRaster::drawWide(CPoint from, CPoint to, int width, std::uint32_t value)
{
    if (width > kWidestPen || from == to)
        return false;
    // The stroke stays well within `width` of the box of the line's ends.
    const long long left = static_cast<long long>(std::min(from.x, to.x)) - width;
    const long long right = static_cast<long long>(std::max(from.x, to.x)) + width;
    const long long top = static_cast<long long>(std::min(from.y, to.y)) - width;
    const long long bottom = static_cast<long long>(std::max(from.y, to.y)) + width;
    if (right < 0 || bottom < 0 || left >= m_width || top >= m_height)
        return true;
    if (left < 0 || top < 0 || right >= std::min(m_width, kFurthestPixel) ||
        bottom >= std::min(m_height, kFurthestPixel))
        return false;

    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int across = std::min(std::abs(dx), std::abs(dy));
    const int along = std::max(std::abs(dx), std::abs(dy));
    if (dx == 0 && along <= kLongestVertical) {
        const VerticalShape *vertical = m_shapes.vertical(width, dy > 0);
        if (vertical != nullptr && along >= vertical->shortest()) {
            drawVertical(*vertical, from.x, std::min(from.y, to.y), std::max(from.y, to.y), value);
            return true;
        }
    }
    if (across > kAcross || along > kAlong)
        return false;
    const LineShape *shape = m_shapes.shape(width, dx, dy);
    if (shape == nullptr)
        return false;
    int y = from.y + shape->top;
    for (const ShapeRow &run : shape->rows)
        fillRow(y++, from.x + run.left, from.x + run.right, value);
    return true;
}

void LineRaster::drawVertical(const VerticalShape &shape, int x, int upper, int lower,
                              std::uint32_t value)
{
    int y = upper + shape.top;
    for (const ShapeRow &run : shape.topCap)
        fillRow(y++, x + run.left, x + run.right, value);
    const int bodyRows = lower - shape.capRows - y + 1;
    fillBlock(row(y) + x + shape.body.left, m_stride, bodyRows,
              shape.body.right - shape.body.left + 1, value);
    y += bodyRows;
    for (const ShapeRow &run : shape.bottomCap)
        fillRow(y++, x + run.left, x + run.right, value);
}

void LineRaster::fillRow(int y, int left, int right, std::uint32_t value)
{
    fillBlock(row(y) + left, m_stride, 1, right - left + 1, value);
}

} // namespace zyfo
