// The lines of one series, gathered and drawn together with as few line calls as give the same
// pixels.
#pragma once

#include "CPoint.h"

#include <algorithm>
#include <vector>

namespace zyfo {

class CDC;

// A dense series puts hundreds of vertical lines into each pixel column; together they cover
// the same pixels as the few lines that span their union. The batch keeps the lines of one pen,
// merges the vertical lines of each column into those spans and draws everything in one call.
// Lines of one solid pen may be drawn in any order: the result is the union of their pixels.
class LineBatch
{
public:
    // `penWidth` is the width of the pen the lines will be drawn with (0 or 1: a one-pixel pen
    // that leaves the end pixel unset; wider pens have round ends). A negative width, for a pen
    // that is not known, draws every line as it was added.
    explicit LineBatch(int penWidth);

    // Adds the line from `from` to `to` (the end point excluded as LineTo excludes it). A line
    // whose ends are one point draws nothing, as with LineTo.
    void add(CPoint from, CPoint to)
    {
        if (m_rule != MergeRule::None && from.x == to.x)
            addVertical(from.x, from.y, to.y);
        else
            addLine(from, to);
    }

    // Whether vertical lines are merged, and by which rule: a one-pixel pen merges the sets of
    // pixels its lines set, a round-ended pen the extents of its lines.
    bool merges() const { return m_rule != MergeRule::None; }
    bool mergesPixels() const { return m_rule == MergeRule::Pixels; }

    // Adds to column `x` of a merging batch what vertical lines there would add: with a
    // one-pixel pen the pixel rows from..to, where from > to adds no pixel but, like a line
    // without length, still starts the column; with a round-ended pen the extent from..to.
    void addStretch(int x, int from, int to)
    {
        mergeSpan(x, {from, m_rule == MergeRule::Pixels && from > to ? from - 1 : to});
    }

    // Draws the lines added since the last call with the dc's selected pen, in one call, and
    // empties the batch. The dc's current position is left as it was.
    void draw(CDC &dc);

private:
    enum class MergeRule
    {
        None,   // draw each line as added
        Pixels, // one-pixel pen: merge the sets of pixels each line sets
        Extents // round-ended pen: merge the continuous extents of the lines
    };

    struct Span
    {
        int low;
        int high;
    };

    void addVertical(int x, int y0, int y1)
    {
        // A one-pixel line (reach 1) sets the pixels from its start up to, not including, its
        // end, and none when it has no length (low above high); a round-ended line (reach 0)
        // covers its whole extent, which a line without length adds nothing to as long as it
        // touches the others. Written without branches on the direction, which a noisy series
        // makes unpredictable.
        mergeSpan(x, {std::min(y0, y1) + m_reach * static_cast<int>(y0 >= y1),
                      std::max(y0, y1) - m_reach * static_cast<int>(y0 < y1)});
    }
    void mergeSpan(int x, const Span &span)
    {
        // The lines of a series come as a chain, so each mostly touches the span before it.
        if (m_columnOpen && x == m_column && span.low <= m_current.high + m_reach &&
            m_current.low <= span.high + m_reach) {
            m_current.low = std::min(m_current.low, span.low);
            m_current.high = std::max(m_current.high, span.high);
            return;
        }
        addSpan(x, span);
    }
    void addLine(CPoint from, CPoint to);
    void addSpan(int x, const Span &span);
    void closeColumn();
    void emitSpan(const Span &span);

    MergeRule m_rule;
    // One-pixel lines may join spans that only touch (their pixel sets are adjacent); round
    // ends only join extents that share a point.
    int m_reach;
    bool m_columnOpen = false;
    int m_column = 0;
    Span m_current{};            // the open column's span that grows with a chain of lines
    std::vector<Span> m_spans;   // the open column's other spans, not yet merged
    std::vector<CPoint> m_lines; // start and end of each line to draw
};

} // namespace zyfo
