// Line batch: per-column merging of vertical lines into the spans of pixels they cover.
#include "LineBatch.h"

#include "CDC.h"

#include <algorithm>

namespace zyfo {

LineBatch::LineBatch(int penWidth)
    : m_rule(penWidth < 0    ? MergeRule::None
             : penWidth <= 1 ? MergeRule::Pixels
                             : MergeRule::Extents)
    , m_reach(m_rule == MergeRule::Pixels ? 1 : 0)
{}

void LineBatch::addLine(CPoint from, CPoint to)
{
    m_lines.push_back(from);
    m_lines.push_back(to);
}

void LineBatch::addSpan(int x, const Span &span)
{
    if (m_columnOpen && x != m_column)
        closeColumn();
    if (!m_columnOpen) {
        m_columnOpen = true;
        m_column = x;
        m_current = span;
        return;
    }
    m_spans.push_back(m_current);
    m_current = span;
}

void LineBatch::closeColumn()
{
    if (!m_columnOpen)
        return;
    m_columnOpen = false;
    if (m_spans.empty()) {
        emitSpan(m_current);
        return;
    }
    m_spans.push_back(m_current);
    std::sort(m_spans.begin(), m_spans.end(),
              [](const Span &a, const Span &b) { return a.low < b.low; });
    auto span = m_spans.begin();
    while (span != m_spans.end()) {
        Span merged = *span;
        for (++span; span != m_spans.end() && span->low <= merged.high + m_reach; ++span)
            merged.high = std::max(merged.high, span->high);
        emitSpan(merged);
    }
    m_spans.clear();
}

void LineBatch::emitSpan(const Span &span)
{
    // A one-pixel line's end lies one below its last pixel.
    m_lines.push_back({m_column, span.low});
    m_lines.push_back({m_column, span.high + m_reach});
}

void LineBatch::draw(CDC &dc)
{
    closeColumn();
    // Each line is a polyline of its own two points: one call draws them all.
    const std::vector<DWORD> counts(m_lines.size() / 2, 2);
    dc.PolyPolyline(m_lines.data(), counts.data(), static_cast<int>(counts.size()));
    m_lines.clear();
}

} // namespace zyfo
