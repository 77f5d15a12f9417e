// Draws a channel's series by walking its rows one by one, as the chart defines it.
#pragma once

#include "LineBatch.h"
#include "SeriesWindow.h"

#include <cstdint>

namespace zyfo {

// Walks the rows of the window in order: in draw-all mode every value is a vertex and a row
// without a value breaks the line; with at most N points a vertex is the mean of a group of
// (last - first) / N values, a missing value closes the open group early at the row before it
// (the line going on across the gap), a missing value right after a vertex breaks the line and
// the window's last row closes the open group. The lines between vertices, cut to the plot
// band, go into the batch. With `wholeChunks`, 64 rows that all hold a value and fall inside an
// open group are taken at once from their summary; the result is the same.
class RowSeries
{
public:
    RowSeries(const SeriesWindow &window, LineBatch &lines, bool wholeChunks);

    // Draws the series and adds every value of the window to `mean`.
    void draw(SeriesMean &mean);

private:
    ScanStep takeChunk(int firstRow, std::uint64_t mask, const PartialSum &sum);
    void present(int row, double value);
    void absent(int row);
    void gapBefore(int row);
    void closeVertex(long long offset, double value);
    double groupMean() const;

    const SeriesWindow &m_window;
    LineBatch &m_lines;
    bool m_wholeChunks;
    long long m_groupSize = 0;
    SeriesMean *m_mean = nullptr;
    // The previous vertex, if any, and the values gathered since it.
    bool m_have = false;
    CPoint m_vertex{};
    ExactSum m_groupSum;
    long long m_groupCount = 0;
    int m_next = 0; // the row after the last one walked
};

} // namespace zyfo
