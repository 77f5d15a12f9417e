// The line of one series as it is built.
#include "SeriesPolyline.h"

namespace zyfo {

SeriesPolyline::SeriesPolyline(const SeriesWindow &window, LineBatch &lines, SeriesMean *mean)
    : m_window(window)
    , m_lines(lines)
    , m_mean(mean)
    , m_groupSize(window.maxPoints > 0
                      ? (static_cast<long long>(window.last) - window.first) / window.maxPoints
                      : 0)
{}

void SeriesPolyline::start(int row, double value)
{
    m_vertex = m_window.mapper.vertex(offsetOf(row), value);
    m_have = true;
}

void SeriesPolyline::gather(double value)
{
    m_groupSum.add(value);
    ++m_groupCount;
}

int SeriesPolyline::gatherPresentRun(const ChannelColumn &values, int first, int last)
{
    const int end = values.addPresentRun(m_groupSum, first, last);
    m_groupCount += static_cast<long long>(end) - first;
    return end;
}

void SeriesPolyline::lineTo(int row, double value)
{
    const CPoint next = m_window.mapper.vertex(offsetOf(row), value);
    m_window.mapper.drawSegment(m_lines, m_vertex, next);
    m_vertex = next;
    emptyGroup();
}

void SeriesPolyline::emptyGroup()
{
    if (m_groupCount == 0)
        return;
    if (m_mean != nullptr) {
        m_mean->sum.add(m_groupSum);
        m_mean->count += static_cast<int>(m_groupCount);
    }
    m_groupSum.clear();
    m_groupCount = 0;
}

void SeriesPolyline::finish()
{
    emptyGroup();
}

void SeriesPolyline::closeGroupAt(int row)
{
    lineTo(row, m_groupSum.value() / static_cast<double>(m_groupCount));
}

void SeriesPolyline::absent(int row)
{
    if (m_groupCount >= 1)
        closeGroupAt(row - 1);
    else
        m_have = false;
}

} // namespace zyfo
