// What drawing one channel's series works on: its values, the time window and the scales.
#pragma once

#include "ChannelColumn.h"
#include "ExactSum.h"
#include "SegmentMapper.h"

namespace zyfo {

struct SeriesWindow
{
    const ChannelColumn *values; // null for a channel without values
    int first;                   // the window's first row
    int last;                    // its last row, which may lie beyond the rows
    int walkedLast;              // the last row that exists: min(last, rows - 1)
    int maxPoints;               // 0 or less: every value is a vertex
    const SegmentMapper &mapper;
};

// The values a series went over, for the legend's mean: their exact sum and their number.
struct SeriesMean
{
    ExactSum sum;
    int count = 0;
};

} // namespace zyfo
