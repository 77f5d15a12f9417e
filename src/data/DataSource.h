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
};

} // namespace zyfo
