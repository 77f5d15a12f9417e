// The pixels of a one-pixel line as GDI sets them, run by run.
#pragma once

#include "CPoint.h"

#include <algorithm>
#include <cstdlib>

namespace zyfo {

// Steps the line from `from` towards `to` and leaves `to` out, whichever way the line runs (a
// painter draws a line the same way in both directions and leaves out its lower or right end).
// Calls fill(left, top, right, bottom), corners included, for each run of the line's pixels in
// one row or one column, in order from the start; nothing for a line of no length.
template<class Fill>
void forEachThinLineRun(CPoint from, CPoint to, Fill &&fill)
{
    if (from == to)
        return;
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    // A straight line is one run up to the pixel before its end, which stepping would find
    // one pixel at a time.
    if (from.x == to.x) {
        fill(from.x, std::min(from.y, to.y - sy), from.x, std::max(from.y, to.y - sy));
        return;
    }
    if (from.y == to.y) {
        fill(std::min(from.x, to.x - sx), from.y, std::max(from.x, to.x - sx), from.y);
        return;
    }
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    int error = dx + dy;
    CPoint pixel = from;
    CPoint runStart = from;
    CPoint runEnd = from;
    auto fillRun = [&] {
        fill(std::min(runStart.x, runEnd.x), std::min(runStart.y, runEnd.y),
             std::max(runStart.x, runEnd.x), std::max(runStart.y, runEnd.y));
    };
    for (;;) {
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            pixel.x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            pixel.y += sy;
        }
        if (pixel == to)
            break;
        const bool alongRow = pixel.y == runStart.y && runEnd.y == runStart.y;
        const bool alongColumn = pixel.x == runStart.x && runEnd.x == runStart.x;
        if (!alongRow && !alongColumn) {
            fillRun();
            runStart = pixel;
        }
        runEnd = pixel;
    }
    fillRun();
}

} // namespace zyfo
