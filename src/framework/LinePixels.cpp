// The pixels the image surface sets for a line, for surfaces that draw lines as whole pixels.
#include "LinePixels.h"

#include "LineShapeCache.h"
#include "ThinLineRuns.h"

#include <cstdlib>

namespace zyfo {

namespace {
// The extents and widths LineShapeCache keeps shapes for.
constexpr int kLongestShape = 16384;
constexpr int kWidestShape = 255;
} // namespace

std::vector<CRect> linePixels(CPoint from, CPoint to, const LOGPEN &pen)
{
    std::vector<CRect> blocks;
    if (pen.lopnWidth <= 1) {
        forEachThinLineRun(from, to, [&](int left, int top, int right, int bottom) {
            blocks.push_back({left, top, right + 1, bottom + 1});
        });
        return blocks;
    }
    const int width = pen.lopnWidth;
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    LineShapeCache &shapes = LineShapeCache::forThisThread();
    if (from != to && width <= kWidestShape && std::abs(dx) < kLongestShape &&
        std::abs(dy) < kLongestShape) {
        if (const LineShape *shape = shapes.shape(width, dx, dy)) {
            // Rows of the same run, as along a steep line's body, make one block.
            int y = from.y + shape->top;
            for (const ShapeRow &run : shape->rows) {
                const CRect row{from.x + run.left, y, from.x + run.right + 1, y + 1};
                if (!blocks.empty() && blocks.back().left == row.left &&
                    blocks.back().right == row.right && blocks.back().bottom == row.top)
                    blocks.back().bottom = row.bottom;
                else
                    blocks.push_back(row);
                ++y;
            }
            return blocks;
        }
    }
    blocks = shapes.runs(width, dx, dy);
    for (CRect &block : blocks)
        block = {block.left + from.x, block.top + from.y, block.right + from.x,
                 block.bottom + from.y};
    return blocks;
}

} // namespace zyfo
