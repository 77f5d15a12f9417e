// Fuzz check of the record parser: its decisions never depend on bytes it does not hold.
#include "ParserCheck.h"

#include "RecordCodec.h"
#include "RecordParser.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zyfo {
namespace {

// What one read() decided, with the record when one was taken.
struct Decision
{
    RecordOutcome outcome;
    ParsedRecord record;
};

Decision decide(RecordParser &parser, std::span<const std::uint8_t> bytes, std::size_t start)
{
    Decision d{parser.read(bytes, start), {}};
    if (d.outcome.status == RecordStatus::Valid)
        d.record = parser.record();
    return d;
}

bool sameEntry(const ParsedEntry &a, const ParsedEntry &b)
{
    return a.deviceType == b.deviceType && a.deviceNumber == b.deviceNumber &&
           a.kindCode == b.kindCode && a.code.kind == b.code.kind && a.value == b.value;
}

bool sameDecision(const Decision &a, const Decision &b)
{
    if (a.outcome.status != b.outcome.status || a.outcome.end != b.outcome.end ||
        a.outcome.skippedBytes != b.outcome.skippedBytes)
        return false;
    if (a.outcome.status != RecordStatus::Valid)
        return true;
    const ParsedRecord &x = a.record;
    const ParsedRecord &y = b.record;
    if (x.stamp != y.stamp || x.hasStamp != y.hasStamp || x.entryCount != y.entryCount)
        return false;
    for (int i = 0; i < x.entryCount; ++i)
        if (!sameEntry(x.entries[static_cast<std::size_t>(i)],
                       y.entries[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

std::string where(const char *what, std::size_t start, std::size_t cut = 0)
{
    return std::string(what) + " (record at " + std::to_string(start) + ", buffer cut at " +
           std::to_string(cut) + ")";
}

// A taken record: "@" and check bytes at its end, few entries, finite values.
std::string checkTaken(std::span<const std::uint8_t> bytes, std::size_t start, const Decision &d)
{
    const std::size_t end = d.outcome.end;
    if (end < start + kStampLength + 4 || bytes[end - 3] != '@')
        return where("a taken record does not end with \"@\" and two check bytes", start);
    if (!d.outcome.skippedBytes &&
        !checkBytesMatch(bytes.subspan(start, end - 3 - start), bytes[end - 2], bytes[end - 1]))
        return where("a taken record fails its check", start);
    const ParsedRecord &r = d.record;
    if (r.entryCount < 0 || r.entryCount > static_cast<int>(RecordParser::kMaxEntries))
        return where("a taken record has an impossible number of entries", start);
    for (int i = 0; i < r.entryCount; ++i) {
        const auto &value = r.entries[static_cast<std::size_t>(i)].value;
        if (value && !std::isfinite(*value))
            return where("a taken record holds a value that is not finite", start);
    }
    return {};
}

// Buffer lengths at which to cut, a few per record so that long inputs stay quick: just before
// the last check byte, one spread by the record's place before its end, and one after it.
std::vector<std::size_t> cutsAround(std::size_t start, std::size_t end, std::size_t size)
{
    const std::size_t spread = start * 2654435761u;
    std::vector<std::size_t> cuts = {end - 1, start + spread % (end - start),
                                     end + spread % (size - end + 1)};
    std::erase_if(cuts, [&](std::size_t cut) { return cut < start || cut >= size; });
    return cuts;
}

std::string checkCuts(RecordParser &parser, std::span<const std::uint8_t> bytes, std::size_t start,
                      const Decision &whole)
{
    for (const std::size_t cut : cutsAround(start, whole.outcome.end, bytes.size())) {
        const Decision partial = decide(parser, bytes.first(cut), start);
        const bool undecided =
            partial.outcome.status == RecordStatus::Incomplete && partial.outcome.end == start;
        if (cut < whole.outcome.end && !undecided)
            return where("decided on a record whose bytes are not all held", start, cut);
        if (cut >= whole.outcome.end && !undecided && !sameDecision(partial, whole))
            return where("more bytes changed a decision", start, cut);
    }
    if (whole.outcome.status == RecordStatus::Valid && !whole.outcome.skippedBytes) {
        const Decision exact = decide(parser, bytes.first(whole.outcome.end), start);
        if (!sameDecision(exact, whole))
            return where("a record ending at the buffer's end is not taken", start,
                         whole.outcome.end);
    }
    return {};
}

} // namespace

std::string checkRecordParser(std::span<const std::uint8_t> decoded)
{
    RecordParser parser;
    std::size_t p = 0;
    while (p < decoded.size()) {
        const Decision whole = decide(parser, decoded, p);
        if (whole.outcome.status == RecordStatus::Incomplete) {
            if (whole.outcome.end != p)
                return where("an undecided record moved the position", p);
            return {};
        }
        if (whole.outcome.end <= p || whole.outcome.end > decoded.size())
            return where("the position did not move forward inside the buffer", p);
        if (whole.outcome.status == RecordStatus::Valid)
            if (std::string fault = checkTaken(decoded, p, whole); !fault.empty())
                return fault;
        if (std::string fault = checkCuts(parser, decoded, p, whole); !fault.empty())
            return fault;
        p = whole.outcome.end;
    }
    return {};
}

} // namespace zyfo
