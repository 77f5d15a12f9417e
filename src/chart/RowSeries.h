// Draws a channel's series by walking its rows one by one, as the chart defines it.
#pragma once

#include "SeriesPolyline.h"

namespace zyfo {

// Walks the rows of the window in order: in draw-all mode every value is a vertex and a row
// without a value breaks the line; with at most N points a vertex is the mean of a group of
// (last - first) / N values, a missing value closes the open group early at the row before it
// (the line going on across the gap), a missing value right after a vertex breaks the line and
// the window's last row closes the open group; a group still open when the rows run out is not
// drawn.
class RowSeries
{
public:
    RowSeries(const SeriesWindow &window, LineBatch &lines);

    // Draws the series and adds every value of the window to `mean`, one by one.
    void draw(SeriesMean &mean);

private:
    void present(int row, double value);
    void gapBefore(int row);

    const SeriesWindow &m_window;
    SeriesPolyline m_line;
    int m_next = 0; // the row after the last one walked
};

} // namespace zyfo
