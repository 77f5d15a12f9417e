// The values of one channel across the rows: a presence bitmap per 64 rows and the values packed.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace zyfo {

// Values of one channel by row index. Rows are grouped in chunks of 64 with a presence bitmap
// each; only present values are stored, in row order, in fixed-size blocks, so a sparse channel
// costs little and a walk over rows reads memory in order. Values are added in row order only
// (the last row may be written again, which replaces its value).
class ChannelColumn
{
public:
    // Stores `value` for `row`. Requires row >= every row stored before; storing the last stored
    // row again replaces its value.
    void append(int row, double value);

    // The value of `row`, or nothing when the channel has no value in that row.
    std::optional<double> value(int row) const;

    // Number of values stored.
    std::uint32_t valueCount() const { return m_count; }

    // Drops the values of rows from `firstRow` on.
    void truncate(int firstRow);

    // Calls f(row, value) for every value of the rows firstRow..lastRow (inclusive), in row order.
    template<class F>
    void forEach(int firstRow, int lastRow, F &&f) const;

private:
    static constexpr int kChunkShift = 6; // 64 rows per chunk
    static constexpr std::uint32_t kBlockShift = 13;
    static constexpr std::uint32_t kBlockSize = 1u << kBlockShift; // values per block
    static constexpr std::uint32_t kFirstBlockReserve = 16;

    struct Chunk
    {
        std::uint64_t mask;  // bit i: row 64 * chunk + i has a value
        std::uint32_t first; // index of the chunk's first value among all values
    };

    static std::uint64_t bitsBelow(int bit) { return (std::uint64_t{1} << bit) - 1; }
    double at(std::uint32_t index) const
    {
        return m_blocks[index >> kBlockShift][index & (kBlockSize - 1)];
    }
    double &at(std::uint32_t index)
    {
        return m_blocks[index >> kBlockShift][index & (kBlockSize - 1)];
    }
    void pushValue(double value)
    {
        if (m_count == capacity())
            makeRoom();
        at(m_count++) = value;
    }
    void makeRoom();
    std::uint32_t capacity() const
    {
        return m_blocks.empty() ? 0
                                : m_firstBlockCapacity +
                                      static_cast<std::uint32_t>(m_blocks.size() - 1) * kBlockSize;
    }

    std::vector<Chunk> m_chunks;
    // Block 0 grows by doubling up to kBlockSize values; later blocks are allocated full size
    // and never move.
    std::vector<std::unique_ptr<double[]>> m_blocks;
    std::uint32_t m_firstBlockCapacity = 0;
    std::uint32_t m_count = 0;
};

template<class F>
void ChannelColumn::forEach(int firstRow, int lastRow, F &&f) const
{
    if (firstRow < 0)
        firstRow = 0;
    if (lastRow < firstRow || m_chunks.empty())
        return;
    const std::size_t firstChunk = static_cast<std::size_t>(firstRow) >> kChunkShift;
    const std::size_t lastChunk =
        std::min(static_cast<std::size_t>(lastRow) >> kChunkShift, m_chunks.size() - 1);
    for (std::size_t c = firstChunk; c <= lastChunk; ++c) {
        const Chunk &chunk = m_chunks[c];
        std::uint64_t mask = chunk.mask;
        const int rowBase = static_cast<int>(c << kChunkShift);
        std::uint32_t index = chunk.first;
        if (c == firstChunk) {
            index +=
                static_cast<std::uint32_t>(std::popcount(mask & bitsBelow(firstRow - rowBase)));
            mask &= ~bitsBelow(firstRow - rowBase);
        }
        if (lastRow - rowBase < 63)
            mask &= bitsBelow(lastRow - rowBase + 1);
        // The values of a chunk follow each other in row order.
        for (; mask != 0; mask &= mask - 1)
            f(rowBase + std::countr_zero(mask), at(index++));
    }
}

} // namespace zyfo
