// Draws a channel's draw-all series when many rows share each pixel column, from the summaries
// of its values instead of row by row.
#pragma once

#include "LineBatch.h"
#include "SeriesWindow.h"

namespace zyfo {

// With every value a vertex and rows closer together than a pixel, the lines of a series are
// the vertical lines inside each pixel column and the lines from the last row of one column to
// the first of the next. The lines between columns are drawn as the row walk draws them; the
// vertical lines of a run of rows with values inside one column cover, once merged, a stretch
// that follows from the run's lowest and highest value, its last value and, where the last
// value is the lowest or highest, from whether an earlier row reached that pixel too. So a
// render costs a few summary lookups per pixel column and gives the batch exactly the lines
// the row walk gives it.
class DenseSeries
{
public:
    DenseSeries(const SeriesWindow &window, LineBatch &lines);

    // True when the window suits this way of drawing: draw-all mode, a merging batch and more
    // rows than pixel columns.
    static bool suits(const SeriesWindow &window, const LineBatch &lines);

    // Draws the series and adds every value of the window to `mean`.
    void draw(SeriesMean &mean);

private:
    long long lastOffsetInColumn(int x, long long from, long long lastOffset) const;
    void drawColumn(int x, int firstRow, int lastRow);
    void drawRun(int x, int firstRow, int lastRow);
    int finalRunStart(int firstRow, int lastRow, int y) const;
    bool hasPairOnEdge(int firstRow, int lastRow, int edge) const;
    int bandRowOf(double value) const;

    const SeriesWindow &m_window;
    const ChannelColumn &m_values;
    const SegmentMapper &m_mapper;
    LineBatch &m_lines;
    // The value of the last row of the column drawn before, if it has one.
    std::optional<double> m_previous;
};

} // namespace zyfo
