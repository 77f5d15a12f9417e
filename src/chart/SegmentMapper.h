// Maps the values of a series to device points and cuts the lines between them to the plot band.
#pragma once

#include "CPoint.h"
#include "ValueScale.h"

#include <algorithm>
#include <optional>

namespace zyfo {

class ChartLayout;

class LineBatch;

// A line from `from` to `to` in device units.
struct DeviceLine
{
    CPoint from;
    CPoint to;
};

// The horizontal scale of the time window (rows spaced evenly from axesEnd + 1 to
// right - 2 * scale) together with the vertical scale of one unit group.
class SegmentMapper
{
public:
    // `rowSpan` is last row - first row of the window.
    SegmentMapper(const ChartLayout &layout, long long rowSpan, const ValueScale &values);

    // False when the window or the value range leaves no room to draw in: nothing is drawn.
    bool canDraw() const { return m_rowPitch > 0 && m_values.isDrawable(); }

    // The device point of `value` at `offset` rows from the window's first row, not yet cut:
    // (trunc(axesEnd + 1 + offset * pitch), plotBottom - trunc((value - minimum) * unit)).
    CPoint vertex(long long offset, double value) const { return {xOf(offset), yOf(value)}; }
    // The two coordinates of vertex() apart.
    int xOf(long long offset) const
    {
        return truncToDevice(m_plotLeft + static_cast<double>(offset) * m_rowPitch);
    }
    int yOf(double value) const { return m_values.rowOf(value); }

    // Pixels between neighbouring rows, and the plot band's top and bottom rows.
    double rowPitch() const { return m_rowPitch; }
    int plotTop() const { return m_plotTop; }
    int plotBottom() const { return m_plotBottom; }
    // `y` moved into the plot band.
    int clampToBand(int y) const { return std::clamp(y, m_plotTop, m_plotBottom); }

    // The line between two vertices cut to the plot band, first at its bottom edge, then at its
    // top edge. Nothing when the line lies wholly beyond one edge, or when a line that had to be
    // cut shrinks to one point; a line inside the band comes back as it is, also when both its
    // ends are one point (which draws nothing).
    std::optional<DeviceLine> cut(CPoint from, CPoint to) const
    {
        if (insideBand(from.y) && insideBand(to.y))
            return DeviceLine{from, to};
        return cutAtEdges({from, to});
    }

    // Adds the line between two vertices, cut to the plot band, to `lines`; nothing when the
    // window or the value range leaves no room to draw in.
    void drawSegment(LineBatch &lines, CPoint from, CPoint to) const;

private:
    bool insideBand(int y) const { return y >= m_plotTop && y <= m_plotBottom; }
    std::optional<DeviceLine> cutAtEdges(DeviceLine line) const;

    int m_plotLeft;
    int m_plotTop;
    int m_plotBottom;
    double m_rowPitch;
    ValueScale m_values;
};

} // namespace zyfo
