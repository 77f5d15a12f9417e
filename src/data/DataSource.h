// Read access to a data file as the reader needs it: length, seek from the start, read.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zyfo {

// The reader's only view of the data file. The program's file object implements it over the
// open file; tests implement it to inject faults (short reads, errors, a file that shrinks).
class DataSource
{
public:
    virtual ~DataSource() = default;

    // Current length of the file in bytes, or -1 when it cannot be determined.
    virtual std::int64_t length() = 0;

    // Moves the read position to `offset` bytes from the start. Returns false on failure.
    virtual bool seek(std::int64_t offset) = 0;

    // Reads up to `size` bytes into `buffer` at the read position and advances it. Returns the
    // number of bytes read, 0 at the end of the file, or -1 on a read error.
    virtual std::int64_t read(std::uint8_t *buffer, std::size_t size) = 0;

    // True when readAt may be used, also from several threads at once: then a full read of a
    // large file is parsed in pieces in parallel.
    virtual bool readsAtOffsets() const { return false; }

    // Reads up to `size` bytes at `offset` from the start without using or moving the read
    // position. Returns the number of bytes read, 0 at the end of the file, or -1 on a read
    // error (also when the source does not read at offsets).
    virtual std::int64_t readAt(std::int64_t offset, std::uint8_t *buffer, std::size_t size)
    {
        static_cast<void>(offset);
        static_cast<void>(buffer);
        static_cast<void>(size);
        return -1;
    }
};

} // namespace zyfo
