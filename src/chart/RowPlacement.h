// Where the series place the rows of the time window across the plot band, and back.
#pragma once

#include "RowWindow.h"
#include "SegmentMapper.h"

namespace zyfo {

class ChartLayout;

// Row window.first + k stands at x = trunc(axesEnd + 1 + k * pitch), as the series draw it.
class RowPlacement
{
public:
    RowPlacement(const ChartLayout &layout, RowWindow window);

    int xOf(int row) const;
    // True when `point` lies on the plot band between the window's first and last row.
    bool covers(CPoint point) const;
    // The row of the window whose x is nearest to `x` (the earlier of two as near); x left of
    // the window gives its first row, right of it its last.
    int rowAt(int x) const;
    // Where `x` stands across the window: 0 at the first row's x, 1 at the last's, beyond
    // them below 0 or above 1.
    double shareAt(int x) const;
    // Rows the pointer passes over when it moves by `dx` pixels, rounded to the nearest.
    long long rowsAcross(int dx) const;

private:
    RowWindow m_window;
    SegmentMapper m_mapper;
};

} // namespace zyfo
