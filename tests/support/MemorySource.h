// Test double of the data file: bytes in memory, with injectable short reads and failures.
#pragma once

#include "DataSource.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

namespace zyfo {

class MemorySource : public DataSource
{
public:
    std::string &bytes() { return m_bytes; }
    // Reads return at most this many bytes (a pipe-like or network file).
    void setLargestRead(std::int64_t bytes) { m_largestRead = bytes; }
    // A read that would return bytes at or past this offset fails with -1.
    void failReadsFrom(std::int64_t offset) { m_failFrom = offset; }
    void setLengthFails(bool fails) { m_lengthFails = fails; }
    // Lets the reader read at offsets, from several threads, as a file on disk lets it.
    void setReadsAtOffsets(bool reads) { m_readsAtOffsets = reads; }
    int reads() const { return m_reads; }

    std::int64_t length() override
    {
        return m_lengthFails ? -1 : static_cast<std::int64_t>(m_bytes.size());
    }
    bool seek(std::int64_t offset) override
    {
        if (offset < 0)
            return false;
        m_position = offset;
        return true;
    }
    std::int64_t read(std::uint8_t *buffer, std::size_t size) override
    {
        ++m_reads;
        if (m_failFrom >= 0 && m_position >= m_failFrom)
            return -1;
        const auto available = static_cast<std::int64_t>(m_bytes.size()) - m_position;
        std::int64_t n = std::min<std::int64_t>(
            {static_cast<std::int64_t>(size), m_largestRead, std::max<std::int64_t>(available, 0)});
        if (m_failFrom >= 0)
            n = std::min(n, m_failFrom - m_position);
        if (n <= 0)
            return 0;
        std::memcpy(buffer, m_bytes.data() + m_position, static_cast<std::size_t>(n));
        m_position += n;
        return n;
    }

    bool readsAtOffsets() const override { return m_readsAtOffsets; }
    std::int64_t readAt(std::int64_t offset, std::uint8_t *buffer, std::size_t size) override
    {
        if (!m_readsAtOffsets || offset < 0)
            return -1;
        const auto available = static_cast<std::int64_t>(m_bytes.size()) - offset;
        const std::int64_t n = std::min<std::int64_t>(
            {static_cast<std::int64_t>(size), m_largestRead, std::max<std::int64_t>(available, 0)});
        std::memcpy(buffer, m_bytes.data() + offset, static_cast<std::size_t>(n));
        return n;
    }

private:
    std::string m_bytes;
    std::int64_t m_position = 0;
    std::int64_t m_largestRead = std::numeric_limits<std::int64_t>::max();
    std::int64_t m_failFrom = -1;
    bool m_lengthFails = false;
    bool m_readsAtOffsets = false;
    int m_reads = 0;
};

} // namespace zyfo
