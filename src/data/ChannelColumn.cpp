// The values of one channel across the rows: appending, lookup and truncation.
#include "ChannelColumn.h"

#include <algorithm>

namespace zyfo {

void ChannelColumn::makeRoom()
{
    // Only the first block grows, so small channels stay small and no value moves once its
    // block is full.
    if (m_blocks.size() == 1 && m_firstBlockCapacity < kBlockSize) {
        const std::uint32_t capacity = std::min(2 * m_firstBlockCapacity, kBlockSize);
        auto grown = std::make_unique_for_overwrite<double[]>(capacity);
        std::copy(m_blocks[0].get(), m_blocks[0].get() + m_count, grown.get());
        m_blocks[0] = std::move(grown);
        m_firstBlockCapacity = capacity;
    } else if (m_blocks.empty()) {
        m_blocks.push_back(std::make_unique_for_overwrite<double[]>(kFirstBlockReserve));
        m_firstBlockCapacity = kFirstBlockReserve;
    } else {
        m_blocks.push_back(std::make_unique_for_overwrite<double[]>(kBlockSize));
    }
}

void ChannelColumn::append(int row, double value)
{
    const std::size_t chunkIndex = static_cast<std::size_t>(row) >> kChunkShift;
    const int bit = row & 63;
    if (m_chunks.size() <= chunkIndex)
        m_chunks.resize(chunkIndex + 1, {0, m_count});
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
    m_blocks.resize((m_count + kBlockSize - 1) >> kBlockShift);
    if (m_blocks.empty())
        m_firstBlockCapacity = 0;
}

} // namespace zyfo
