// The pixels the painter sets for round-ended wide lines, made once per line shape and kept.
#pragma once

#include "CRect.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QImage;
class QPoint;

namespace zyfo {

// One row of a shape: the pixels from x + left to x + right, x being the column of the line's
// start.
struct ShapeRow
{
    std::int16_t left = 0;
    std::int16_t right = 0;

    bool operator==(const ShapeRow &) const = default;
};

// The pixels of a line, one run in each row, rows counted from the line's start: `rows[i]` is
// row top + i.
struct LineShape
{
    int top = 0;
    std::vector<ShapeRow> rows;
};

// A vertical line at least shortest() long, its upper end at row u and its lower end at row v,
// is its top cap (rows u + top and on, up to u + capRows - 1), its body (rows u + capRows to
// v - capRows, each `body`) and its bottom cap (rows v - capRows + 1 and on).
struct VerticalShape
{
    int capRows = 0;
    int top = 0;
    std::vector<ShapeRow> topCap;
    ShapeRow body;
    std::vector<ShapeRow> bottomCap;

    int shortest() const { return 2 * capRows - 1; }
};

// The painter's aliased stroke of a line with integer ends does not depend on where the line
// lies as long as no edge of the image cuts it, so a shape made once on a scratch image serves
// every line of the same width and extent. Shapes are kept up to a limit on their memory, the
// least recently used going first.
class LineShapeCache
{
public:
    // Keeps shapes of together at most about `byteLimit` bytes (the newest always).
    explicit LineShapeCache(std::size_t byteLimit);
    ~LineShapeCache();
    LineShapeCache(const LineShapeCache &) = delete;
    LineShapeCache &operator=(const LineShapeCache &) = delete;

    // The shape of the line from (0, 0) to (dx, dy), not of no length and less than 16384
    // pixels each way, drawn with a pen of `width` (2 up to 255, as CPainterDC strokes it);
    // nullptr when a row of it is not one run. Valid until the next call.
    const LineShape *shape(int width, int dx, int dy);

    // How vertical lines of `width` drawn downwards or upwards decompose, or nullptr when the
    // painter's vertical line of that width does not decompose. Valid while the cache lives.
    const VerticalShape *vertical(int width, bool downwards);

    // Every run of pixels in a row of the line from (0, 0) to (dx, dy) with a pen of `width`,
    // whatever its shape (also of no length), as rectangles one row high relative to the
    // line's start; made anew on each call.
    std::vector<CRect> runs(int width, int dx, int dy);

    // Memory the kept shapes take, as counted against the limit.
    std::size_t bytes() const { return m_bytes; }

    // Forgets every shape.
    void clear();

    // The calling thread's cache of 16 MiB, which the image surfaces share: a chart's buffer
    // is made for every paint, and its shapes serve the next one.
    static LineShapeCache &forThisThread();

private:
    struct Entry
    {
        std::uint64_t key;
        LineShape shape; // no rows: the line is not one run in each row
    };

    // Strokes the line on the scratch image, blank around it; returns where its start lies and
    // the extent of the area used.
    QPoint paint(int width, int dx, int dy, int &columns, int &rows);
    LineShape render(int width, int dx, int dy);
    std::optional<VerticalShape> decompose(int width, int sign);
    static std::size_t cost(const LineShape &shape);
    void evict();

    std::size_t m_byteLimit;
    std::size_t m_bytes = 0;
    std::list<Entry> m_entries; // most recently used first
    std::unordered_map<std::uint64_t, std::list<Entry>::iterator> m_index;
    std::map<int, std::optional<VerticalShape>> m_vertical; // by width, sign for the direction
    std::unique_ptr<QImage> m_scratch;
};

} // namespace zyfo
