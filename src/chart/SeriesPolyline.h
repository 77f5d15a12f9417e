// The line of one series as it is built: its last vertex and the values gathered since it.
#pragma once

#include "LineBatch.h"
#include "SeriesWindow.h"

namespace zyfo {

// Vertices are placed at row offsets from the window's first row; the lines between them, cut
// to the plot band, go into the batch. In approximation mode a vertex is the mean of a group of
// values; group sums are exact.
class SeriesPolyline
{
public:
    // With `mean`, every group's values are added to it as the group is emptied; the caller adds
    // the values that start lines and, at the end, the open group (finish()).
    SeriesPolyline(const SeriesWindow &window, LineBatch &lines, SeriesMean *mean = nullptr);

    // Values per group: (last - first) / N with at most N points, 0 in draw-all mode.
    long long groupSize() const { return m_groupSize; }
    bool hasVertex() const { return m_have; }
    long long groupCount() const { return m_groupCount; }

    // A value with no vertex before it starts the line.
    void start(int row, double value);
    // Ends the line: the next value starts a new one.
    void breakLine() { m_have = false; }
    // Adds the open group to the mean; the series is drawn.
    void finish();
    // Adds values to the open group: one, or those of rows first.. up to the first row in
    // [first, last] without one; the latter returns that row, or last + 1.
    void gather(double value);
    int gatherPresentRun(const ChannelColumn &values, int first, int last);
    // The line goes on to a vertex at `row` with `value`, or with the open group's mean; the
    // group is emptied.
    void lineTo(int row, double value);
    void closeGroupAt(int row);
    // A row without a value: an open group ends early at the row before it and the line goes
    // on; with no open group the line breaks.
    void absent(int row);

private:
    long long offsetOf(int row) const { return static_cast<long long>(row) - m_window.first; }

    void emptyGroup();

    const SeriesWindow &m_window;
    LineBatch &m_lines;
    SeriesMean *m_mean;
    long long m_groupSize = 0;
    bool m_have = false;
    CPoint m_vertex{};
    ExactSum m_groupSum;
    long long m_groupCount = 0;
};

} // namespace zyfo
