// Draws a channel's draw-all series from the summaries of its values, a pixel column at a time.
#include "DenseSeries.h"

#include <cmath>

namespace zyfo {

DenseSeries::DenseSeries(const SeriesWindow &window, LineBatch &lines)
    : m_window(window)
    , m_values(*window.values)
    , m_mapper(window.mapper)
    , m_lines(lines)
{}

bool DenseSeries::suits(const SeriesWindow &window, const LineBatch &lines)
{
    return window.values != nullptr && window.maxPoints <= 0 && lines.merges() &&
           window.mapper.rowPitch() < 1;
}

int DenseSeries::bandRowOf(double value) const
{
    return m_mapper.clampToBand(m_mapper.yOf(value));
}

void DenseSeries::draw(SeriesMean &mean)
{
    m_values.addTo(mean.sum, m_window.first, m_window.walkedLast);
    mean.count += m_values.countIn(m_window.first, m_window.walkedLast);
    if (!m_mapper.canDraw())
        return;
    const long long lastOffset = static_cast<long long>(m_window.walkedLast) - m_window.first;
    for (long long offset = 0; offset <= lastOffset;) {
        const int x = m_mapper.xOf(offset);
        const long long end = lastOffsetInColumn(x, offset, lastOffset);
        drawColumn(x, m_window.first + static_cast<int>(offset),
                   m_window.first + static_cast<int>(end));
        offset = end + 1;
    }
}

long long DenseSeries::lastOffsetInColumn(int x, long long from, long long lastOffset) const
{
    // The first offset right of the column, guessed from the pitch and settled with the same
    // arithmetic that places the rows.
    const double guess = std::floor((x + 1 - m_mapper.xOf(0)) / m_mapper.rowPitch());
    long long next =
        std::clamp(static_cast<long long>(std::min(guess, 9e18)), from + 1, lastOffset + 1);
    while (next > from + 1 && m_mapper.xOf(next - 1) > x)
        --next;
    while (next <= lastOffset && m_mapper.xOf(next) <= x)
        ++next;
    return next - 1;
}

void DenseSeries::drawColumn(int x, int firstRow, int lastRow)
{
    const std::optional<double> firstValue = m_values.value(firstRow);
    if (m_previous && firstValue) {
        const long long offset = static_cast<long long>(firstRow) - m_window.first;
        m_mapper.drawSegment(m_lines, m_mapper.vertex(offset - 1, *m_previous),
                             m_mapper.vertex(offset, *firstValue));
    }
    for (int row = firstRow; row <= lastRow;) {
        const int runFirst = m_values.nextPresent(row, lastRow);
        if (runFirst > lastRow)
            break;
        const int runLast = m_values.nextAbsent(runFirst, lastRow) - 1;
        if (runLast > runFirst)
            drawRun(x, runFirst, runLast);
        row = runLast + 1;
    }
    m_previous = m_values.value(lastRow);
}

void DenseSeries::drawRun(int x, int firstRow, int lastRow)
{
    const ValueExtremes extremes = *m_values.extremes(firstRow, lastRow);
    const int top = bandRowOf(extremes.maximum);
    const int bottom = bandRowOf(extremes.minimum);
    if (top == bottom) {
        // Every vertex on one row: lines without length, drawn only where both ends lie in the
        // band; they set no pixel of a one-pixel pen but still take part in the merging.
        const bool inside = top > m_mapper.plotTop() && top < m_mapper.plotBottom();
        if (!inside && !hasPairOnEdge(firstRow, lastRow, top))
            return;
        if (m_lines.mergesPixels())
            m_lines.addStretch(x, top + 1, top);
        else
            m_lines.addStretch(x, top, top);
        return;
    }
    if (!m_lines.mergesPixels()) {
        m_lines.addStretch(x, top, bottom);
        return;
    }
    // A one-pixel line leaves out its end pixel: the run's extreme rows are set only when a
    // line starts there, which fails only for an extreme that the run reaches at its end alone.
    const int lastY = bandRowOf(*m_values.value(lastRow));
    int from = top;
    int to = bottom;
    if (lastY == top || lastY == bottom) {
        const int stretchFirst = finalRunStart(firstRow, lastRow, lastY);
        const ValueExtremes before = *m_values.extremes(firstRow, stretchFirst - 1);
        if (lastY == top && bandRowOf(before.maximum) != top)
            from = top + 1;
        if (lastY == bottom && bandRowOf(before.minimum) != bottom)
            to = bottom - 1;
    }
    m_lines.addStretch(x, from, to);
}

int DenseSeries::finalRunStart(int firstRow, int lastRow, int y) const
{
    // The first of the rows at the run's end whose values all land on row y.
    int start = lastRow;
    m_values.scanBackward(
        firstRow, lastRow,
        [&](int partFirst, int, int, const ChannelColumn::ChunkSummary &summary) {
            if (bandRowOf(summary.maximum) != y || bandRowOf(summary.minimum) != y)
                return ScanStep::Descend;
            start = partFirst;
            return ScanStep::Next;
        },
        [&](int row, double value) {
            if (bandRowOf(value) != y)
                return ScanStep::Stop;
            start = row;
            return ScanStep::Next;
        });
    return start;
}

bool DenseSeries::hasPairOnEdge(int firstRow, int lastRow, int edge) const
{
    // Every value lies on the edge or beyond it; a line between two neighbours is drawn only
    // when both lie on the edge itself.
    const bool bottomEdge = edge == m_mapper.plotBottom();
    bool found = false;
    bool previousOnEdge = false;
    m_values.scanForward(
        firstRow, lastRow,
        [&](int, int, int count, const ChannelColumn::ChunkSummary &summary) {
            const int highest = m_mapper.yOf(summary.maximum);
            const int lowest = m_mapper.yOf(summary.minimum);
            if (highest == edge && lowest == edge && count >= 2) {
                found = true;
                return ScanStep::Stop;
            }
            if (bottomEdge ? highest > edge : lowest < edge) {
                previousOnEdge = false;
                return ScanStep::Next;
            }
            return ScanStep::Descend;
        },
        [&](int, double value) {
            const bool onEdge = m_mapper.yOf(value) == edge;
            found = onEdge && previousOnEdge;
            previousOnEdge = onEdge;
            return found ? ScanStep::Stop : ScanStep::Next;
        });
    return found;
}

} // namespace zyfo
