// The values of one channel across the rows: appending, lookup and truncation.
#include "ChannelColumn.h"

#include <algorithm>

namespace zyfo {

void ChannelColumn::pushValue(double value)
{
    const std::uint32_t block = m_count >> kBlockShift;
    if (block == m_blocks.size()) {
        m_blocks.emplace_back();
        m_blocks.back().reserve(block == 0 ? kFirstBlockReserve : kBlockSize);
    }
    std::vector<double> &values = m_blocks[block];
    // Only the first block grows; it doubles up to the block size so small channels stay small
    // and no block is ever reallocated once full.
    if (values.size() == values.capacity())
        values.reserve(std::min<std::size_t>(2 * values.capacity(), kBlockSize));
    values.push_back(value);
    ++m_count;
}

void ChannelColumn::append(int row, double value)
{
    const std::size_t chunkIndex = static_cast<std::size_t>(row) >> kChunkShift;
    const int bit = row & 63;
    while (m_chunks.size() <= chunkIndex)
        m_chunks.push_back({0, m_count});
    Chunk &chunk = m_chunks[chunkIndex];
    const std::uint64_t rowBit = std::uint64_t{1} << bit;
    if ((chunk.mask & rowBit) != 0) {
        at(m_count - 1) = value;
        return;
    }
    chunk.mask |= rowBit;
    pushValue(value);
}

std::optional<double> ChannelColumn::value(int row) const
{
    const std::size_t chunkIndex = static_cast<std::size_t>(row) >> kChunkShift;
    if (row < 0 || chunkIndex >= m_chunks.size())
        return std::nullopt;
    const Chunk &chunk = m_chunks[chunkIndex];
    const int bit = row & 63;
    if ((chunk.mask >> bit & 1) == 0)
        return std::nullopt;
    return at(chunk.first + static_cast<std::uint32_t>(std::popcount(chunk.mask & bitsBelow(bit))));
}

void ChannelColumn::truncate(int firstRow)
{
    const std::size_t chunkIndex = static_cast<std::size_t>(std::max(firstRow, 0)) >> kChunkShift;
    if (chunkIndex >= m_chunks.size())
        return;
    Chunk &chunk = m_chunks[chunkIndex];
    chunk.mask &= bitsBelow(std::max(firstRow, 0) & 63);
    m_count = chunk.first + static_cast<std::uint32_t>(std::popcount(chunk.mask));
    m_chunks.resize(chunkIndex + 1);
    const std::size_t blocks = (m_count + kBlockSize - 1) >> kBlockShift;
    m_blocks.resize(blocks);
    if (blocks > 0)
        m_blocks.back().resize(m_count - static_cast<std::uint32_t>(blocks - 1) * kBlockSize);
}

} // namespace zyfo
