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
    // The values of the window go into `mean`.
    GroupedSeries(const SeriesWindow &window, LineBatch &lines, SeriesMean &mean);

    // True when the window suits this way of drawing: groups of 64 values or more.
    static bool suits(const SeriesWindow &window);

    void draw();

private:
    void start(int row);

    const SeriesWindow &m_window;
    const ChannelColumn &m_values;
    SeriesMean &m_mean;
    SeriesPolyline m_line;
};

} // namespace zyfo
