// Draws a channel's series by walking its rows one by one.
#include "RowSeries.h"

namespace zyfo {

RowSeries::RowSeries(const SeriesWindow &window, LineBatch &lines)
    : m_window(window)
    , m_line(window, lines)
{}

void RowSeries::draw(SeriesMean &mean)
{
    const ChannelColumn *values = m_window.values;
    if (values == nullptr)
        return;
    if (const std::optional<double> start = values->value(m_window.first)) {
        m_line.start(m_window.first, *start);
        mean.sum.add(*start);
        ++mean.count;
    }
    m_next = m_window.first + 1;
    values->forEach(m_window.first + 1, m_window.walkedLast, [&](int row, double value) {
        gapBefore(row);
        present(row, value);
        mean.sum.add(value);
        ++mean.count;
        m_next = row + 1;
    });
    gapBefore(m_window.walkedLast + 1);
}

void RowSeries::present(int row, double value)
{
    if (!m_line.hasVertex()) {
        m_line.start(row, value);
        return;
    }
    if (m_window.maxPoints <= 0) {
        m_line.lineTo(row, value);
        return;
    }
    m_line.gather(value);
    if (m_line.groupCount() >= m_line.groupSize() || row == m_window.last)
        m_line.closeGroupAt(row);
}

void RowSeries::gapBefore(int row)
{
    // Rows from m_next up to row - 1 have no value. After the first of them has closed or broken
    // the line, every further one only breaks it.
    if (row > m_next)
        m_line.absent(m_next);
    if (row > m_next + 1)
        m_line.absent(m_next + 1);
}

} // namespace zyfo
