// Reads the records of a stretch of a data file: bytes read and decoded, records parsed and
// the valid ones handed to a sink.
#pragma once

#include "RecordParser.h"
#include "RecordSink.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace zyfo {

// Where a scan began and ended.
struct ScanOutcome
{
    // File offset of the first record taken or skipped: the start, or for a scan that looked
    // for its first record, where it found it (-1 when it found none).
    std::int64_t first = -1;
    // File offset of the first byte not taken or skipped: the next scan of the file goes on
    // from there.
    std::int64_t end = 0;
    int recordsSkipped = 0; // stretches of bytes skipped because they held no valid record
    bool readError = false;
};

// Parses records from `start` on, as one pass over the file does: a record is parsed once 600
// bytes from its start are held or the end of the file has been read; fewer trailing bytes
// than 22 are never parsed, and a record whose end is not in the file is neither taken nor
// consumed. Parsing stops at the first record that starts at or after `stopAt`.
class RecordScanner
{
public:
    // Reads up to `size` bytes at file offset `offset` (the scan asks for consecutive offsets
    // only): the count read, 0 at the end of the file, -1 on a read error.
    using Read =
        std::function<std::int64_t(std::int64_t offset, std::uint8_t *buffer, std::size_t size)>;

    static constexpr std::int64_t kNoStop = std::numeric_limits<std::int64_t>::max();

    // With `findFirst`, bytes are passed over up to the first position where a record passes
    // its check (a piece of a file cut anywhere); without, parsing starts at `start`. A read
    // error stops the scan there, as the end of the file would.
    ScanOutcome scan(const Read &read, std::int64_t start, std::int64_t stopAt, bool findFirst,
                     RecordSink &sink);

private:
    RecordParser m_parser;
    std::vector<std::uint8_t> m_buffer;
};

} // namespace zyfo
