// Draws a channel's series by walking its rows one by one.
#include "RowSeries.h"

namespace zyfo {

RowSeries::RowSeries(const SeriesWindow &window, LineBatch &lines, bool wholeChunks)
    : m_window(window)
    , m_lines(lines)
    , m_wholeChunks(wholeChunks && window.maxPoints > 0)
    , m_groupSize(window.maxPoints > 0
                      ? (static_cast<long long>(window.last) - window.first) / window.maxPoints
                      : 0)
{}

void RowSeries::draw(SeriesMean &mean)
{
    m_mean = &mean;
    const ChannelColumn *values = m_window.values;
    if (values == nullptr)
        return;
    if (const std::optional<double> start = values->value(m_window.first)) {
        m_vertex = m_window.mapper.vertex(0, *start);
        m_have = true;
        mean.sum.add(*start);
        ++mean.count;
    }
    m_next = m_window.first + 1;
    values->scanForward(
        m_window.first + 1, m_window.walkedLast,
        [this](int firstRow, std::uint64_t mask, const ChannelColumn::ChunkSummary &summary) {
            return takeChunk(firstRow, mask, summary.sum);
        },
        [this](int row, double value) {
            gapBefore(row);
            present(row, value);
            m_next = row + 1;
            return ScanStep::Next;
        });
    gapBefore(m_window.walkedLast + 1);
}

ScanStep RowSeries::takeChunk(int firstRow, std::uint64_t mask, const PartialSum &sum)
{
    constexpr std::uint64_t kAllRows = ~std::uint64_t{0};
    if (!m_wholeChunks || mask != kAllRows || !sum.isExact())
        return ScanStep::Descend;
    gapBefore(firstRow);
    m_next = firstRow;
    // Taken whole only when none of its values would close the open group.
    const int lastRow = firstRow + ChannelColumn::kChunkRows - 1;
    if (!m_have || m_groupCount + ChannelColumn::kChunkRows >= m_groupSize ||
        lastRow >= m_window.last)
        return ScanStep::Descend;
    m_groupSum.add(sum);
    m_groupCount += ChannelColumn::kChunkRows;
    m_mean->sum.add(sum);
    m_mean->count += ChannelColumn::kChunkRows;
    m_next = lastRow + 1;
    return ScanStep::Next;
}

void RowSeries::present(int row, double value)
{
    m_mean->sum.add(value);
    ++m_mean->count;
    const long long offset = static_cast<long long>(row) - m_window.first;
    if (!m_have) {
        m_vertex = m_window.mapper.vertex(offset, value);
        m_have = true;
        return;
    }
    if (m_window.maxPoints <= 0) {
        closeVertex(offset, value);
        return;
    }
    ++m_groupCount;
    m_groupSum.add(value);
    if (m_groupCount >= m_groupSize || row == m_window.last)
        closeVertex(offset, groupMean());
}

void RowSeries::absent(int row)
{
    // An open group ends early at the row before the gap and the line goes on from there; with
    // no open group the line breaks.
    if (m_groupCount >= 1)
        closeVertex(static_cast<long long>(row) - m_window.first - 1, groupMean());
    else
        m_have = false;
}

void RowSeries::gapBefore(int row)
{
    // Rows from m_next up to row - 1 have no value. After the first of them has closed or broken
    // the line, every further one only breaks it.
    if (row > m_next)
        absent(m_next);
    if (row > m_next + 1)
        absent(m_next + 1);
}

void RowSeries::closeVertex(long long offset, double value)
{
    const CPoint next = m_window.mapper.vertex(offset, value);
    m_window.mapper.drawSegment(m_lines, m_vertex, next);
    m_vertex = next;
    if (m_groupCount > 0)
        m_groupSum.clear();
    m_groupCount = 0;
}

double RowSeries::groupMean() const
{
    return m_groupSum.value() / static_cast<double>(m_groupCount);
}

} // namespace zyfo
