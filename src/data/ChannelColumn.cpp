// The values of one channel across the rows: appending, lookup, truncation, joining and ranges.
#include "ChannelColumn.h"

#include "ExactSum.h"

#include <algorithm>
#include <climits>
#include <limits>

namespace zyfo {

int ChannelColumn::segmentOf(int row) const
{
    // Lookups mostly go from row to row: the segment found last, or the next, usually holds it.
    const auto count = static_cast<int>(m_segments.size());
    const int last = m_lastSegment;
    const auto holds = [&](int s) {
        return s >= 0 && s < count && m_segments[static_cast<std::size_t>(s)].firstRow <= row &&
               (s + 1 == count || row < m_segments[static_cast<std::size_t>(s) + 1].firstRow);
    };
    if (holds(last))
        return last;
    if (holds(last + 1))
        return m_lastSegment = last + 1;
    const auto after =
        std::upper_bound(m_segments.begin(), m_segments.end(), row,
                         [](int r, const Segment &segment) { return r < segment.firstRow; });
    return m_lastSegment = static_cast<int>(after - m_segments.begin()) - 1;
}

void ChannelColumn::growLastBlock(std::uint32_t needed)
{
    const std::uint32_t capacity =
        std::min(std::max(2 * m_blockCapacity.back(), needed), kBlockSize);
    auto grown = std::make_unique_for_overwrite<double[]>(capacity);
    std::copy(m_blocks.back().get(), m_blocks.back().get() + m_used, grown.get());
    m_blocks.back() = std::move(grown);
    m_blockCapacity.back() = capacity;
    m_lastCapacity = capacity;
}

void ChannelColumn::startChunk(Chunk &chunk)
{
    // A chunk's values stay together in one block. Only the last block grows, so small
    // channels stay small and no value moves once its block is full.
    const bool growable = !m_blocks.empty() && m_lastCapacity < kBlockSize;
    if (m_blocks.empty() || m_used + kChunkRows > (growable ? kBlockSize : m_lastCapacity)) {
        const std::uint32_t capacity = m_blocks.empty() ? kFirstBlockSize : kBlockSize;
        m_blocks.push_back(std::make_unique_for_overwrite<double[]>(capacity));
        m_blockCapacity.push_back(capacity);
        m_lastCapacity = capacity;
        m_used = 0;
    }
    chunk.block = static_cast<std::uint32_t>(m_blocks.size() - 1);
    chunk.offset = static_cast<std::uint16_t>(m_used);
}

void ChannelColumn::summarise(Chunk &chunk, const double *values)
{
    const int n = bitCount(chunk.mask);
    chunk.count = static_cast<std::uint16_t>(n);
    if (n == 0)
        return;
    chunk.summary = {values[0], values[0], {}};
    for (int i = 0; i < n; ++i)
        include(chunk.summary, values[i]);
}

void ChannelColumn::fold(Span &span, const Chunk &chunk)
{
    if (chunk.count == 0)
        return;
    if (span.count == 0) {
        span.summary = chunk.summary;
    } else {
        span.summary.minimum = std::min(span.summary.minimum, chunk.summary.minimum);
        span.summary.maximum = std::max(span.summary.maximum, chunk.summary.maximum);
        span.summary.sum.add(chunk.summary.sum);
    }
    span.count += chunk.count;
}

void ChannelColumn::summariseSpan(Segment &segment, std::size_t span)
{
    Span &out = segment.spans[span];
    out = Span();
    const std::size_t end = std::min(segment.chunks.size(), (span + 1) * kChunksPerSpan);
    for (std::size_t c = span * kChunksPerSpan; c < end; ++c)
        if (&segment.chunks[c] != m_open)
            fold(out, segment.chunks[c]);
}

void ChannelColumn::closeOpenChunk()
{
    if (m_open != nullptr)
        fold(*m_openSpan, *m_open);
    m_open = nullptr;
    m_openSpan = nullptr;
}

void ChannelColumn::appendSlowly(int row, double value)
{
    if (m_segments.empty())
        m_segments.push_back({row, {}, {}});
    Segment &segment = m_segments.back();
    const int local = row - segment.firstRow;
    const auto c = static_cast<std::size_t>(local / kChunkRows);
    // Another chunk than the open one: the open one is closed before the chunks may move.
    const bool open = c < segment.chunks.size() && &segment.chunks[c] == m_open;
    if (!open)
        closeOpenChunk();
    if (segment.chunks.size() <= c) {
        segment.chunks.resize(c + 1);
        segment.spans.resize(c / kChunksPerSpan + 1);
    }
    Chunk &chunk = segment.chunks[c];
    Span &span = segment.spans[c / kChunksPerSpan];
    const std::uint64_t rowBit = std::uint64_t{1} << (local % kChunkRows);
    if ((chunk.mask & rowBit) != 0) {
        // The last row again: its value is the last one stored. A closed chunk's span is
        // summarised again with it.
        double *values = valuesOf(chunk);
        values[chunk.count - 1] = value;
        summarise(chunk, values);
        if (!open)
            summariseSpan(segment, c / kChunksPerSpan);
        return;
    }
    if (chunk.mask == 0)
        startChunk(chunk);
    if (m_used == m_lastCapacity)
        growLastBlock(m_used + 1);
    const int n = chunk.count;
    valuesOf(chunk)[n] = value;
    if (n == 0)
        chunk.summary = {value, value, {}};
    include(chunk.summary, value);
    chunk.mask |= rowBit;
    ++chunk.count;
    ++m_used;
    ++m_count;
    m_open = &chunk;
    m_openSpan = &span;
    m_openValues = valuesOf(chunk);
    m_openFirstRow = segment.firstRow + static_cast<int>(c) * kChunkRows;
    // A closed chunk that takes values again leaves its span's summary until it is closed anew.
    if (!open && n > 0)
        summariseSpan(segment, c / kChunksPerSpan);
}

std::optional<double> ChannelColumn::value(int row) const
{
    const int s = segmentOf(row);
    if (s < 0)
        return std::nullopt;
    const Segment &segment = m_segments[static_cast<std::size_t>(s)];
    const int local = row - segment.firstRow;
    const auto c = static_cast<std::size_t>(local / kChunkRows);
    if (c >= segment.chunks.size())
        return std::nullopt;
    const Chunk &chunk = segment.chunks[c];
    const int bit = local % kChunkRows;
    if ((chunk.mask >> bit & 1) == 0)
        return std::nullopt;
    return valuesOf(chunk)[bitCount(chunk.mask & bitsBelow(bit))];
}

void ChannelColumn::dropChunksFrom(std::size_t segment, std::size_t chunk)
{
    for (std::size_t s = segment; s < m_segments.size(); ++s) {
        std::vector<Chunk> &chunks = m_segments[s].chunks;
        for (std::size_t c = s == segment ? chunk : 0; c < chunks.size(); ++c)
            m_count -= chunks[c].count;
    }
    // A segment left without chunks goes too: a later append must find a segment that starts
    // at or before its row.
    if (segment < m_segments.size()) {
        m_segments[segment].chunks.resize(chunk);
        m_segments[segment].spans.resize((chunk + kChunksPerSpan - 1) / kChunksPerSpan);
    }
    m_segments.resize(std::min(m_segments.size(), chunk == 0 ? segment : segment + 1));
}

void ChannelColumn::truncate(int firstRow)
{
    closeOpenChunk();
    const int s = segmentOf(firstRow);
    if (s < 0) {
        *this = ChannelColumn();
        return;
    }
    Segment &segment = m_segments[static_cast<std::size_t>(s)];
    const int local = firstRow - segment.firstRow;
    const auto c = static_cast<std::size_t>(local / kChunkRows);
    if (c < segment.chunks.size()) {
        Chunk &chunk = segment.chunks[c];
        const std::uint64_t kept = chunk.mask & bitsBelow(local % kChunkRows);
        m_count -= static_cast<std::uint32_t>(bitCount(chunk.mask & ~kept));
        chunk.mask = kept;
        summarise(chunk, valuesOf(chunk));
        dropChunksFrom(static_cast<std::size_t>(s), c + 1);
        summariseSpan(segment, c / kChunksPerSpan);
    } else {
        dropChunksFrom(static_cast<std::size_t>(s) + 1, 0);
    }
    // The last block is the one of the last chunk left with values; later blocks go.
    for (auto seg = m_segments.rbegin(); seg != m_segments.rend(); ++seg) {
        for (auto chunk = seg->chunks.rbegin(); chunk != seg->chunks.rend(); ++chunk) {
            if (chunk->mask == 0)
                continue;
            m_blocks.resize(chunk->block + 1);
            m_blockCapacity.resize(chunk->block + 1);
            m_lastCapacity = m_blockCapacity.back();
            m_used = std::uint32_t{chunk->offset} + chunk->count;
            return;
        }
    }
    *this = ChannelColumn();
}

void ChannelColumn::shrinkToFit()
{
    closeOpenChunk();
    for (Segment &segment : m_segments) {
        segment.chunks.shrink_to_fit();
        segment.spans.shrink_to_fit();
    }
    if (!m_blocks.empty() && m_used < m_lastCapacity) {
        auto exact = std::make_unique_for_overwrite<double[]>(std::max(m_used, 1u));
        std::copy(m_blocks.back().get(), m_blocks.back().get() + m_used, exact.get());
        m_blocks.back() = std::move(exact);
        m_lastCapacity = m_blockCapacity.back() = std::max(m_used, 1u);
    }
}

void ChannelColumn::appendPiece(ChannelColumn &&piece, int firstRow)
{
    closeOpenChunk();
    piece.closeOpenChunk();
    if (piece.m_count == 0)
        return;
    const auto blockBase = static_cast<std::uint32_t>(m_blocks.size());
    for (Segment &segment : piece.m_segments) {
        segment.firstRow += firstRow;
        for (Chunk &chunk : segment.chunks)
            chunk.block += blockBase;
        m_segments.push_back(std::move(segment));
    }
    for (auto &block : piece.m_blocks)
        m_blocks.push_back(std::move(block));
    m_blockCapacity.insert(m_blockCapacity.end(), piece.m_blockCapacity.begin(),
                           piece.m_blockCapacity.end());
    m_used = piece.m_used;
    m_lastCapacity = piece.m_lastCapacity;
    m_count += piece.m_count;
    piece = ChannelColumn();
}

void ChannelColumn::rewriteRange(int first, int end,
                                 const std::vector<std::pair<int, double>> &values)
{
    closeOpenChunk();
    // The chunks the range touches, in row order, with their presence after the rewrite. Where
    // their values cannot be rewritten in place, the rows from `first` on are stored again.
    struct Touched
    {
        Chunk *chunk;
        int base; // the row of the chunk's bit 0
        std::uint64_t mask;
        std::size_t segment;
        std::size_t span;
    };
    std::vector<Touched> touched;
    for (std::size_t s = 0; s < m_segments.size(); ++s) {
        Segment &segment = m_segments[s];
        const int segmentEnd =
            s + 1 < m_segments.size() ? m_segments[s + 1].firstRow : segment.endRow();
        const int from = std::max(first, segment.firstRow);
        const int to = std::min({end, segmentEnd, segment.endRow()});
        for (int row = from; row < to;) {
            const int c = (row - segment.firstRow) / kChunkRows;
            const int base = segment.firstRow + c * kChunkRows;
            const int stop = std::min(to, base + kChunkRows);
            Chunk &chunk = segment.chunks[static_cast<std::size_t>(c)];
            touched.push_back({&chunk, base, chunk.mask & ~bitsBetween(row - base, stop - 1 - base),
                               s, static_cast<std::size_t>(c / kChunksPerSpan)});
            row = stop;
        }
    }
    bool inPlace = true;
    auto t = touched.begin();
    for (const auto &entry : values) {
        while (t != touched.end() && entry.first >= t->base + kChunkRows)
            ++t;
        if (t == touched.end() || entry.first < t->base) {
            inPlace = false;
            break;
        }
        t->mask |= std::uint64_t{1} << (entry.first - t->base);
    }
    // The touched chunks' values lie one after the other in one block; as the range keeps its
    // number of values they are written there again, each chunk starting where the values of
    // the ones before it end.
    const Chunk *previous = nullptr;
    for (const Touched &chunk : touched) {
        if (chunk.chunk->count == 0)
            continue;
        inPlace = inPlace && (previous == nullptr ||
                              (chunk.chunk->block == previous->block &&
                               chunk.chunk->offset == previous->offset + previous->count));
        previous = chunk.chunk;
    }
    if (inPlace && previous != nullptr) {
        std::vector<double> merged;
        auto next = values.begin();
        for (const Touched &chunk : touched) {
            const double *old = valuesOf(*chunk.chunk);
            for (std::uint64_t mask = chunk.mask; mask != 0; mask &= mask - 1) {
                const int row = chunk.base + std::countr_zero(mask);
                if (row >= first && row < end)
                    merged.push_back((next++)->second);
                else
                    merged.push_back(
                        old[bitCount(chunk.chunk->mask & bitsBelow(row - chunk.base))]);
            }
        }
        const Chunk *start = nullptr;
        for (const Touched &chunk : touched)
            if (start == nullptr && chunk.chunk->count != 0)
                start = chunk.chunk;
        const std::uint32_t block = start->block;
        std::uint32_t offset = start->offset;
        std::copy(merged.begin(), merged.end(), m_blocks[block].get() + offset);
        for (const Touched &chunk : touched) {
            chunk.chunk->mask = chunk.mask;
            chunk.chunk->block = block;
            chunk.chunk->offset = static_cast<std::uint16_t>(offset);
            summarise(*chunk.chunk, valuesOf(*chunk.chunk));
            offset += chunk.chunk->count;
        }
        for (std::size_t i = 0; i < touched.size(); ++i)
            if (i == 0 || touched[i].segment != touched[i - 1].segment ||
                touched[i].span != touched[i - 1].span)
                summariseSpan(m_segments[touched[i].segment], touched[i].span);
        return;
    }
    if (inPlace && values.empty())
        return; // no values in the range, before or after
    std::vector<std::pair<int, double>> after;
    forEach(end, INT_MAX, [&](int row, double v) { after.emplace_back(row, v); });
    truncate(first);
    for (const auto &[row, v] : values)
        append(row, v);
    for (const auto &[row, v] : after)
        append(row, v);
}

std::optional<ValueExtremes> ChannelColumn::extremes(int first, int last) const
{
    std::optional<ValueExtremes> found;
    auto take = [&](double low, double high) {
        if (!found) {
            found = ValueExtremes{low, high};
            return;
        }
        found->minimum = std::min(found->minimum, low);
        found->maximum = std::max(found->maximum, high);
    };
    scanForward(
        first, last,
        [&](int, int, int, const ChunkSummary &summary) {
            take(summary.minimum, summary.maximum);
            return ScanStep::Next;
        },
        [&](int, double v) {
            take(v, v);
            return ScanStep::Next;
        });
    return found;
}

void ChannelColumn::addTo(ExactSum &sum, int first, int last) const
{
    first = std::max(first, 0);
    if (last < first || m_segments.empty())
        return;
    for (int s = std::max(segmentOf(first), 0); s < static_cast<int>(m_segments.size()); ++s) {
        const Segment &segment = m_segments[static_cast<std::size_t>(s)];
        if (segment.firstRow > last)
            return;
        const int from = std::max(first, segment.firstRow) - segment.firstRow;
        const int to = std::min(last, segment.endRow() - 1) - segment.firstRow;
        for (int c = from / kChunkRows; c <= to / kChunkRows && from <= to; ++c) {
            const int base = c * kChunkRows;
            if (c % kChunksPerSpan == 0 && from <= base && base + kSpanRows - 1 <= to) {
                const Span &span = segment.spans[static_cast<std::size_t>(c / kChunksPerSpan)];
                if (!isOpen(span) && (span.count == 0 || span.summary.sum.isExact())) {
                    if (span.count != 0)
                        sum.add(span.summary.sum);
                    c += kChunksPerSpan - 1;
                    continue;
                }
            }
            const int low = std::max(from - base, 0);
            const int high = std::min(to - base, kChunkRows - 1);
            addChunkRows(sum, segment.chunks[static_cast<std::size_t>(c)], low, high);
        }
    }
}

void ChannelColumn::addChunkRows(ExactSum &sum, const Chunk &chunk, int low, int high) const
{
    if (chunk.count == 0)
        return;
    if (low == 0 && high == kChunkRows - 1 && chunk.summary.sum.isExact()) {
        sum.add(chunk.summary.sum);
        return;
    }
    // The values of the rows low..high follow each other. Where they are more than half of the
    // chunk's, the chunk's sum less the values left out is the shorter way to the same sum.
    const double *values = valuesOf(chunk);
    const int begin = bitCount(chunk.mask & bitsBelow(low));
    const int end = begin + bitCount(chunk.mask & bitsBetween(low, high));
    if (!chunk.summary.sum.isExact() || 2 * (end - begin) <= chunk.count) {
        for (int i = begin; i < end; ++i)
            sum.add(values[i]);
        return;
    }
    sum.add(chunk.summary.sum);
    for (int i = 0; i < begin; ++i)
        sum.add(-values[i]);
    for (int i = end; i < chunk.count; ++i)
        sum.add(-values[i]);
}

template<class SpanVisit, class RowsVisit>
int ChannelColumn::walkPresentRun(int first, int last, SpanVisit &&takeSpan,
                                  RowsVisit &&takeRows) const
{
    int r = std::max(first, 0);
    while (r <= last) {
        const int s = segmentOf(r);
        if (s < 0)
            return r;
        const Segment &segment = m_segments[static_cast<std::size_t>(s)];
        const int local = r - segment.firstRow;
        const auto c = static_cast<std::size_t>(local / kChunkRows);
        if (c >= segment.chunks.size())
            return r;
        const std::size_t span = c / kChunksPerSpan;
        if (local % kSpanRows == 0 && span < segment.spans.size() && last - r >= kSpanRows - 1 &&
            !isOpen(segment.spans[span]) && segment.spans[span].count == kSpanRows &&
            takeSpan(segment.spans[span])) {
            r += kSpanRows; // a span with a value in every row
            continue;
        }
        // The chunk's rows from r on, up to `last` and to the next segment's first row.
        const int base = segment.firstRow + static_cast<int>(c) * kChunkRows;
        const int segmentEnd = static_cast<std::size_t>(s) + 1 < m_segments.size()
                                   ? m_segments[static_cast<std::size_t>(s) + 1].firstRow
                                   : INT_MAX;
        const int high = std::min({last, segmentEnd - 1, base + kChunkRows - 1}) - base;
        const Chunk &chunk = segment.chunks[c];
        const std::uint64_t absent = ~chunk.mask & bitsBetween(r - base, high);
        const int stop = absent != 0 ? std::countr_zero(absent) : high + 1;
        if (stop > r - base)
            takeRows(chunk, r - base, stop - 1);
        if (absent != 0)
            return base + stop;
        r = base + high + 1;
    }
    return last + 1;
}

int ChannelColumn::addPresentRun(ExactSum &sum, int first, int last) const
{
    return walkPresentRun(
        first, last,
        [&](const Span &span) {
            if (!span.summary.sum.isExact())
                return false;
            sum.add(span.summary.sum);
            return true;
        },
        [&](const Chunk &chunk, int low, int high) { addChunkRows(sum, chunk, low, high); });
}

int ChannelColumn::countIn(int first, int last) const
{
    int count = 0;
    scanForward(
        first, last,
        [&](int, int, int values, const ChunkSummary &) {
            count += values;
            return ScanStep::Next;
        },
        [&](int, double) {
            ++count;
            return ScanStep::Next;
        });
    return count;
}

int ChannelColumn::nextPresent(int row, int last) const
{
    int found = last + 1;
    scanForward(
        row, last, [](int, int, int, const ChunkSummary &) { return ScanStep::Descend; },
        [&](int r, double) {
            found = r;
            return ScanStep::Stop;
        });
    return found;
}

int ChannelColumn::nextAbsent(int row, int last) const
{
    return walkPresentRun(
        row, last, [](const Span &) { return true; }, [](const Chunk &, int, int) {});
}

} // namespace zyfo
