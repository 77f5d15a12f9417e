// Draws a channel's series with at most N points from the summaries of its values, a group at
// a time.
#pragma once

#include "SeriesPolyline.h"

namespace zyfo {

// The groups of the row walk (see RowSeries), found from where the values stop: a group ends
// where it has gathered its values, at the window's last row, or early at a row without a
// value; the values in between are summed exactly from the column's summaries. A render costs
// a few lookups per vertex instead of a visit per row.
class GroupedSeries
{
public:
    GroupedSeries(const SeriesWindow &window, LineBatch &lines);

    // True when the window suits this way of drawing: groups of 64 values or more.
    static bool suits(const SeriesWindow &window);

    // Draws the series and adds every value of the window to `mean`.
    void draw(SeriesMean &mean);

private:
    const SeriesWindow &m_window;
    const ChannelColumn &m_values;
    SeriesPolyline m_line;
};

} // namespace zyfo
