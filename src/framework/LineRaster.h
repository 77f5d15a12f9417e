// Lines written straight into the pixels of a 32-bit image, exactly as the painter draws them.
#pragma once

#include "CPen.h"
#include "CPoint.h"

#include <cstddef>
#include <cstdint>

namespace zyfo {

class LineShapeCache;
struct VerticalShape;

// Sets the pixels CPainterDC sets for a line on an image of Format_RGB32, to the value the
// painter writes for the pen's opaque colour: a one-pixel pen (width 0 or 1) stepped from the
// start with the end left out, clipped to the image; a wider pen with the painter's own shape
// of the round-ended stroke, from `shapes`. The painter cuts wide lines at the edges of the image
// in a way of its own, so a wide line an edge cuts is left to it, as are lines wider than 16
// pixels, lines that run far both ways (more than 64 pixels across and 2048 along; vertical
// lines up to 4096), and lines beyond 16384 pixels from the image's corner.
class LineRaster
{
public:
    // Draws on the width x height pixels at `pixels`, `stride` pixels from one row to the next
    // (neither owned), taking wide shapes from `shapes`.
    LineRaster(std::uint32_t *pixels, int width, int height, std::ptrdiff_t stride,
               LineShapeCache &shapes);

    // Draws the line from `from` to `to` with `pen`; false, drawing nothing, for a line left to
    // the painter. A one-pixel line of no length draws nothing; a wider one is left to the
    // painter.
    bool draw(CPoint from, CPoint to, const LOGPEN &pen);

private:
    void drawThin(CPoint from, CPoint to, std::uint32_t value);
    bool drawWide(CPoint from, CPoint to, int width, std::uint32_t value);
    void drawVertical(const VerticalShape &shape, int x, int upper, int lower, std::uint32_t value);
    void fillRow(int y, int left, int right, std::uint32_t value);
    std::uint32_t *row(int y) const { return m_pixels + y * m_stride; }

    std::uint32_t *m_pixels;
    int m_width;
    int m_height;
    std::ptrdiff_t m_stride;
    LineShapeCache &m_shapes;
    bool m_colorKnown = false;
    COLORREF m_color = 0;
    std::uint32_t m_value = 0; // what the painter writes for m_color
};

} // namespace zyfo
