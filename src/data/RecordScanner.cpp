// Reads the records of a stretch of a data file into a sink.
#include "RecordScanner.h"

#include "RecordCodec.h"

#include <algorithm>

namespace zyfo {
namespace {

// A record is parsed once this many bytes from its start are held, or the end of the file has
// been read; fewer trailing bytes than kTail are never parsed.
constexpr std::size_t kLookAhead = 600;
constexpr std::size_t kTail = 22;
// Bytes asked for at a time, and the buffer they are appended to before the unparsed tail is
// moved to its front.
constexpr std::size_t kReadSize = 256 * 1024;
constexpr std::size_t kBufferSize = 2 * kReadSize;

} // namespace

ScanOutcome RecordScanner::scan(const Read &read, std::int64_t start, std::int64_t stopAt,
                                bool findFirst, RecordSink &sink)
{
    ScanOutcome outcome;
    outcome.first = findFirst ? -1 : start;
    std::int64_t base = start; // file offset of m_buffer[0]
    std::size_t held = 0;      // bytes in m_buffer
    std::size_t p = 0;         // first byte not yet taken or skipped
    bool endOfFile = false;
    bool looking = findFirst;
    for (;;) {
        const std::size_t keep = endOfFile ? kTail : kLookAhead;
        const std::span<const std::uint8_t> bytes{m_buffer.data(), held};
        while (p + keep < held && base + static_cast<std::int64_t>(p) < stopAt) {
            if (looking) {
                // A piece cut anywhere begins with the first record that passes its check by
                // itself; the join checks that the piece before ends exactly there.
                const std::optional<bool> candidate = RecordParser::startsCandidate(bytes, p);
                if (!candidate)
                    break;
                const RecordOutcome found =
                    *candidate ? m_parser.read(bytes, p) : RecordOutcome{RecordStatus::Invalid, p};
                if (found.status == RecordStatus::Incomplete)
                    break;
                if (found.status != RecordStatus::Valid || found.skippedBytes) {
                    ++p;
                    continue;
                }
                looking = false;
                outcome.first = base + static_cast<std::int64_t>(p);
                sink.take(m_parser.record());
                p = found.end;
                continue;
            }
            const RecordOutcome record = m_parser.read(bytes, p);
            if (record.status == RecordStatus::Incomplete)
                break; // more bytes decide, or at the end of the file it stays for next time
            if (record.status == RecordStatus::Valid)
                sink.take(m_parser.record());
            if (record.status == RecordStatus::Invalid || record.skippedBytes)
                ++outcome.recordsSkipped;
            p = record.end;
        }
        if (endOfFile || base + static_cast<std::int64_t>(p) >= stopAt)
            break;

        if (held + kReadSize > m_buffer.size()) {
            // The unparsed tail moves to the front once the buffer is full, not after every read.
            std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(p),
                      m_buffer.begin() + static_cast<std::ptrdiff_t>(held), m_buffer.begin());
            base += static_cast<std::int64_t>(p);
            held -= p;
            p = 0;
            m_buffer.resize(std::max(held + kReadSize, kBufferSize));
        }
        std::int64_t n =
            read(base + static_cast<std::int64_t>(held), m_buffer.data() + held, kReadSize);
        if (n < 0) {
            // Reading stops here, as at the end of the file; what is held stays unconsumed.
            outcome.readError = true;
            n = 0;
        }
        const auto count = static_cast<std::size_t>(std::min<std::int64_t>(n, kReadSize));
        negateBytes({m_buffer.data() + held, count});
        held += count;
        endOfFile = count == 0;
    }
    outcome.end = base + static_cast<std::int64_t>(p);
    return outcome;
}

} // namespace zyfo
