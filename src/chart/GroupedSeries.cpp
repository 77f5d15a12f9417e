// Draws a channel's series with at most N points a group at a time.
#include "GroupedSeries.h"

namespace zyfo {

GroupedSeries::GroupedSeries(const SeriesWindow &window, LineBatch &lines, SeriesMean &mean)
    : m_window(window)
    , m_values(*window.values)
    , m_mean(mean)
    , m_line(window, lines, &mean)
{}

bool GroupedSeries::suits(const SeriesWindow &window)
{
    return window.values != nullptr && window.maxPoints > 0 &&
           (static_cast<long long>(window.last) - window.first) / window.maxPoints >=
               ChannelColumn::kChunkRows;
}

void GroupedSeries::start(int row)
{
    const double value = *m_values.value(row);
    m_line.start(row, value);
    m_mean.sum.add(value);
    ++m_mean.count;
}

void GroupedSeries::draw()
{
    const int walkedLast = m_window.walkedLast;
    int next = m_window.first; // the first row not yet taken
    while (next <= walkedLast) {
        if (!m_line.hasVertex()) {
            // The next value starts a line.
            next = m_values.nextPresent(next, walkedLast);
            if (next > walkedLast)
                break;
            start(next++);
            continue;
        }
        // The group is full at row `full`; its values are gathered up to there, or up to the
        // first row without a value.
        const long long full = next + (m_line.groupSize() - m_line.groupCount()) - 1;
        const auto closing = static_cast<int>(std::min<long long>(full, m_window.last));
        const int stop = std::min(closing, walkedLast);
        const int gap = m_line.gatherPresentRun(m_values, next, stop);
        if (gap > stop && stop == closing) {
            m_line.closeGroupAt(closing);
            next = closing + 1;
            continue;
        }
        if (gap > walkedLast)
            break; // the rows ran out: the open group is not drawn
        // The first row without a value closes the group or breaks the line, a second one
        // breaks it.
        m_line.absent(gap);
        next = gap + 1;
        if (next <= walkedLast && !m_values.value(next)) {
            m_line.absent(next);
            ++next;
        }
    }
    m_line.finish();
}

} // namespace zyfo
