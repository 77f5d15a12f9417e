// The values of one channel across the rows, with a summary of every 64 rows for fast drawing.
#pragma once

#include "PartialSum.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zyfo {

class ExactSum;

// The number of bits set in `bits`. std::popcount is a library call on processors without a
// count instruction, the baseline this program is built for.
constexpr int bitCount(std::uint64_t bits)
{
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((bits * 0x0101010101010101u) >> 56);
}

// The smallest and the largest of some values.
struct ValueExtremes
{
    double minimum;
    double maximum;
};

// What a scan does after a visit.
enum class ScanStep
{
    Next,    // go on after what was visited
    Descend, // (chunks only) visit the chunk's values one by one instead
    Stop,    // end the scan
};

// Values of one channel by row index. Rows are grouped in chunks of 64 with a presence bitmap
// and a summary of the chunk's values (smallest, largest, exact sum), and chunks in spans of 64
// with a summary too, so that drawing and means can take 64 or 4096 rows at a time; only present
// values are stored, in row order, in blocks that
// never move. Values are added in row order (the last row may be written again, which replaces
// its value). A column is a list of segments, each with its own chunk grid: reading a file in
// pieces joins the pieces' columns without copying a value.
class ChannelColumn
{
public:
    static constexpr int kChunkRows = 64;
    static constexpr int kChunksPerSpan = 64;
    static constexpr int kSpanRows = kChunkRows * kChunksPerSpan;

    struct ChunkSummary
    {
        double minimum;
        double maximum;
        PartialSum sum;
    };

    ChannelColumn() = default;
    ChannelColumn(ChannelColumn &&) noexcept = default;
    ChannelColumn &operator=(ChannelColumn &&) noexcept = default;

    // Stores `value` for `row`. Requires row >= every row stored before; storing the last stored
    // row again replaces its value.
    void append(int row, double value)
    {
        // The usual case: a later row of the chunk being filled, with room in its block.
        const auto local = static_cast<unsigned>(row - m_openFirstRow);
        if (m_open != nullptr && local < kChunkRows) {
            Chunk &chunk = *m_open;
            const std::uint64_t rowBit = std::uint64_t{1} << local;
            if (chunk.mask < rowBit && m_used < m_lastCapacity) {
                double *slot = m_openValues + chunk.count;
                // A file has a few dozen channels, more streams of writes than a processor
                // follows by itself: each column asks for its next line of values ahead.
                if ((reinterpret_cast<std::uintptr_t>(slot) & 63) == 0)
                    __builtin_prefetch(slot + 16, 1);
                *slot = value;
                chunk.mask |= rowBit;
                ++chunk.count;
                ++m_used;
                ++m_count;
                include(chunk.summary, value);
                return;
            }
        }
        appendSlowly(row, value);
    }

    // The value of `row`, or nothing when the channel has no value in that row.
    std::optional<double> value(int row) const;

    // Number of values stored.
    std::uint32_t valueCount() const { return m_count; }

    // Drops the values of rows from `firstRow` on.
    void truncate(int firstRow);

    // Gives back the room kept for more chunks and values; appending later makes room again.
    void shrinkToFit();

    // Appends the rows of `piece`, numbered from 0 there, as rows firstRow.. of this column.
    // Requires firstRow to be above every row stored here. `piece` is left empty.
    void appendPiece(ChannelColumn &&piece, int firstRow);

    // Replaces the values of rows [first, end) by `values` (row, value pairs in row order, rows
    // inside the range). Rows of the range that are not in `values` lose their value.
    void rewriteRange(int first, int end, const std::vector<std::pair<int, double>> &values);

    // Calls f(row, value) for every value of the rows firstRow..lastRow (inclusive), in row order.
    template<class F>
    void forEach(int firstRow, int lastRow, F &&f) const;

    // Scans the present values of rows first..last (inclusive), forward or backward. A span of
    // 4096 rows, then a chunk of 64, that lies wholly in the range and holds values is offered
    // whole first: whole(firstRow, rows, values, summary) returns Next to take it as it is,
    // Descend to have its parts visited, Stop to end (values == rows: every row holds one).
    // Other values are visited one by one: value(row, v) returns Next or Stop.
    template<class WholeVisit, class ValueVisit>
    void scanForward(int first, int last, WholeVisit &&whole, ValueVisit &&value) const;
    template<class WholeVisit, class ValueVisit>
    void scanBackward(int first, int last, WholeVisit &&whole, ValueVisit &&value) const;

    // The smallest and largest value of rows first..last, nothing when there is none.
    std::optional<ValueExtremes> extremes(int first, int last) const;
    // Adds the values of rows first..last to `sum`, exactly.
    void addTo(ExactSum &sum, int first, int last) const;
    // Adds the values of rows first.. up to the first row in [first, last] without a value,
    // exactly, and returns that row; last + 1 when every row of the range holds a value.
    int addPresentRun(ExactSum &sum, int first, int last) const;
    // Number of values in rows first..last.
    int countIn(int first, int last) const;
    // The first row in [row, last] that has a value (nextPresent) or has none (nextAbsent);
    // last + 1 when there is no such row.
    int nextPresent(int row, int last) const;
    int nextAbsent(int row, int last) const;

private:
    static constexpr std::uint32_t kBlockSize = 8192; // values per full block
    static constexpr std::uint32_t kFirstBlockSize = 16;

    struct Chunk
    {
        std::uint64_t mask = 0;  // bit i: row firstRow + 64 * chunk + i has a value
        std::uint32_t block = 0; // where the chunk's values start
        std::uint16_t offset = 0;
        std::uint16_t count = 0; // values of the chunk: the bits of the mask
        ChunkSummary summary{};
    };

    // 64 chunks: the summary of their values and how many they are (0: no summary). The chunk
    // appends go to is left out until it is closed, so that an append does not pay for two
    // summaries; the span that holds it is never taken whole.
    struct Span
    {
        ChunkSummary summary{};
        std::uint32_t count = 0;
    };

    struct Segment
    {
        // The row of the segment's first value: its chunk grid starts there. A segment holds no
        // value at or after the next segment's first row.
        int firstRow = 0;
        std::vector<Chunk> chunks;
        std::vector<Span> spans; // chunk c is in span c / 64
        int endRow() const { return firstRow + static_cast<int>(chunks.size()) * kChunkRows; }
    };

    // A value more in a summary that holds values.
    static void include(ChunkSummary &summary, double value)
    {
        summary.minimum = std::min(summary.minimum, value);
        summary.maximum = std::max(summary.maximum, value);
        summary.sum.add(value);
    }

    static std::uint64_t bitsBelow(int bit)
    {
        return bit >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bit) - 1;
    }
    // Bits first..last of a chunk (0 <= first <= last <= 63).
    static std::uint64_t bitsBetween(int first, int last)
    {
        return bitsBelow(last + 1) & ~bitsBelow(first);
    }
    const double *valuesOf(const Chunk &chunk) const
    {
        return m_blocks[chunk.block].get() + chunk.offset;
    }
    double *valuesOf(const Chunk &chunk) { return m_blocks[chunk.block].get() + chunk.offset; }

    // The segment holding `row`, or the index of none (-1) when the row lies before them all.
    int segmentOf(int row) const;
    void appendSlowly(int row, double value);
    // Walks the rows first.. up to the first row in [first, last] without a value and returns
    // that row (last + 1 when there is none): takeSpan(span) is offered each span of values in
    // every row that lies in the range, and returns false to have its chunks walked instead;
    // takeRows(chunk, low, high) gets the other present rows a chunk at a time.
    template<class SpanVisit, class RowsVisit>
    int walkPresentRun(int first, int last, SpanVisit &&takeSpan, RowsVisit &&takeRows) const;
    // Adds the values of a chunk's rows low..high (0 <= low <= high <= 63) to `sum`.
    void addChunkRows(ExactSum &sum, const Chunk &chunk, int low, int high) const;
    void startChunk(Chunk &chunk);
    void growLastBlock(std::uint32_t needed);
    static void summarise(Chunk &chunk, const double *values);
    // Adds a chunk's summary to its span's.
    static void fold(Span &span, const Chunk &chunk);
    // The span's summary again from its chunks' summaries, the open chunk left out.
    void summariseSpan(Segment &segment, std::size_t span);
    // The chunk appends go to joins its span's summary; appends then find their chunk anew.
    void closeOpenChunk();
    bool isOpen(const Span &span) const { return &span == m_openSpan; }
    void dropChunksFrom(std::size_t segment, std::size_t chunk);

    std::vector<Segment> m_segments;
    // Block 0 grows by doubling up to kBlockSize values; later blocks are allocated full size.
    // Values of one chunk lie in one block, so a block may end unused.
    std::vector<std::unique_ptr<double[]>> m_blocks;
    std::vector<std::uint32_t> m_blockCapacity;
    std::uint32_t m_lastCapacity = 0; // of the last block
    std::uint32_t m_used = 0;         // values used in the last block
    // The segment a lookup found last, where the next one starts looking. A column is used by
    // one thread at a time.
    mutable int m_lastSegment = 0;
    // The chunk appends go to, its span, its values and its first row; null when it is to be
    // found anew.
    Chunk *m_open = nullptr;
    Span *m_openSpan = nullptr;
    double *m_openValues = nullptr;
    int m_openFirstRow = 0;
    std::uint32_t m_count = 0;
};

template<class F>
void ChannelColumn::forEach(int firstRow, int lastRow, F &&f) const
{
    scanForward(
        firstRow, lastRow, [](int, int, int, const ChunkSummary &) { return ScanStep::Descend; },
        [&](int row, double v) {
            f(row, v);
            return ScanStep::Next;
        });
}

template<class WholeVisit, class ValueVisit>
void ChannelColumn::scanForward(int first, int last, WholeVisit &&whole, ValueVisit &&value) const
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
                // The span being filled is read through its chunks.
                ScanStep step = ScanStep::Descend;
                if (!isOpen(span))
                    step = span.count == 0 ? ScanStep::Next
                                           : whole(segment.firstRow + base, kSpanRows,
                                                   static_cast<int>(span.count), span.summary);
                if (step == ScanStep::Stop)
                    return;
                if (step == ScanStep::Next) {
                    c += kChunksPerSpan - 1;
                    continue;
                }
            }
            const Chunk &ch = segment.chunks[static_cast<std::size_t>(c)];
            if (ch.count == 0)
                continue;
            const int low = std::max(from - base, 0);
            const int high = std::min(to - base, kChunkRows - 1);
            if (low == 0 && high == kChunkRows - 1) {
                const ScanStep step =
                    whole(segment.firstRow + base, kChunkRows, ch.count, ch.summary);
                if (step == ScanStep::Stop)
                    return;
                if (step == ScanStep::Next)
                    continue;
            }
            std::uint64_t mask = ch.mask & bitsBetween(low, high);
            const double *values = valuesOf(ch) + bitCount(ch.mask & bitsBelow(low));
            for (; mask != 0; mask &= mask - 1)
                if (value(segment.firstRow + base + std::countr_zero(mask), *values++) ==
                    ScanStep::Stop)
                    return;
        }
    }
}

template<class WholeVisit, class ValueVisit>
void ChannelColumn::scanBackward(int first, int last, WholeVisit &&whole, ValueVisit &&value) const
{
    first = std::max(first, 0);
    if (last < first || m_segments.empty())
        return;
    for (int s = segmentOf(last); s >= 0; --s) {
        const Segment &segment = m_segments[static_cast<std::size_t>(s)];
        if (segment.endRow() <= first)
            return;
        const int from = std::max(first, segment.firstRow) - segment.firstRow;
        const int to = std::min(last, segment.endRow() - 1) - segment.firstRow;
        for (int c = to / kChunkRows; c >= from / kChunkRows && from <= to; --c) {
            const int base = c * kChunkRows;
            const int spanBase = base - (c % kChunksPerSpan) * kChunkRows;
            if (c % kChunksPerSpan == kChunksPerSpan - 1 && from <= spanBase &&
                base + kChunkRows - 1 <= to) {
                const Span &span = segment.spans[static_cast<std::size_t>(c / kChunksPerSpan)];
                ScanStep step = ScanStep::Descend;
                if (!isOpen(span))
                    step = span.count == 0 ? ScanStep::Next
                                           : whole(segment.firstRow + spanBase, kSpanRows,
                                                   static_cast<int>(span.count), span.summary);
                if (step == ScanStep::Stop)
                    return;
                if (step == ScanStep::Next) {
                    c -= kChunksPerSpan - 1;
                    continue;
                }
            }
            const Chunk &ch = segment.chunks[static_cast<std::size_t>(c)];
            if (ch.count == 0)
                continue;
            const int low = std::max(from - base, 0);
            const int high = std::min(to - base, kChunkRows - 1);
            if (low == 0 && high == kChunkRows - 1) {
                const ScanStep step =
                    whole(segment.firstRow + base, kChunkRows, ch.count, ch.summary);
                if (step == ScanStep::Stop)
                    return;
                if (step == ScanStep::Next)
                    continue;
            }
            std::uint64_t mask = ch.mask & bitsBetween(low, high);
            const double *values = valuesOf(ch) + bitCount(ch.mask & bitsBelow(high + 1));
            while (mask != 0) {
                const int bit = 63 - std::countl_zero(mask);
                mask &= ~(std::uint64_t{1} << bit);
                if (value(segment.firstRow + base + bit, *--values) == ScanStep::Stop)
                    return;
            }
        }
    }
}

} // namespace zyfo
