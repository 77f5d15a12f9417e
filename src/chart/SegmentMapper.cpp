// Segment mapping: truncated device coordinates and the cut at the plot band's edges.
#include "SegmentMapper.h"

#include "ChartLayout.h"
#include "LineBatch.h"

namespace zyfo {
namespace {

// Moves the end of the line that lies beyond the edge row `edge` onto it, along the line.
// `beyond` tells which rows lie beyond. Returns false when both ends lie beyond.
template<class Beyond>
bool cutAtEdge(DeviceLine &line, int edge, Beyond beyond)
{
    const bool fromBeyond = beyond(line.from.y);
    const bool toBeyond = beyond(line.to.y);
    if (fromBeyond && toBeyond)
        return false;
    if (!fromBeyond && !toBeyond)
        return true;
    CPoint &end = fromBeyond ? line.from : line.to;
    if (line.from.x != line.to.x) {
        // The line's equation y = a x + b solved for the edge row, always in the same double
        // steps, so that every render cuts at the same pixel.
        const double a = (static_cast<double>(line.from.y) - line.to.y) /
                         (static_cast<double>(line.from.x) - line.to.x);
        const double b = line.from.y - line.from.x * a;
        end.x = truncToDevice(edge / a - b / a);
    }
    end.y = edge;
    return true;
}

} // namespace

SegmentMapper::SegmentMapper(const ChartLayout &layout, long long rowSpan, const ValueScale &values)
    : m_plotLeft(layout.axesEnd() + 1)
    , m_plotTop(layout.plotTop())
    , m_plotBottom(layout.plotBottom())
    , m_values(values)
{
    const int width = layout.rect().right - 2 * layout.scale() - m_plotLeft;
    m_rowPitch = rowSpan > 0 ? width / static_cast<double>(rowSpan) : width;
}

void SegmentMapper::drawSegment(LineBatch &lines, CPoint from, CPoint to) const
{
    if (!canDraw())
        return;
    if (const std::optional<DeviceLine> line = cut(from, to))
        lines.add(line->from, line->to);
}

std::optional<DeviceLine> SegmentMapper::cutAtEdges(DeviceLine line) const
{
    const int bottom = m_plotBottom;
    const int top = m_plotTop;
    if (!cutAtEdge(line, bottom, [bottom](int y) { return y > bottom; }))
        return std::nullopt;
    if (!cutAtEdge(line, top, [top](int y) { return y < top; }))
        return std::nullopt;
    if (line.from == line.to)
        return std::nullopt;
    return line;
}

} // namespace zyfo
