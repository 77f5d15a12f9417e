// Fuzz check of the record parser: its decisions never depend on bytes it does not hold.
#include "ParserCheck.h"

#include "DeviceCatalogue.h"
#include "RecordCodec.h"
#include "RecordParser.h"

#include <algorithm>
#include <cmath>
#include <optional>
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
           a.kindCode == b.kindCode && a.code == b.code && a.value == b.value;
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

std::string where(const char *what, std::size_t start, std::optional<std::size_t> cut = {})
{
    std::string text = std::string(what) + " (record at " + std::to_string(start);
    if (cut)
        text += ", buffer cut at " + std::to_string(*cut);
    return text + ")";
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

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

bool startsWithStamp(std::span<const std::uint8_t> b, std::size_t s)
{
    if (s + kStampLength >= b.size() || b[s + kStampLength] != '$')
        return false;
    return std::all_of(b.begin() + static_cast<std::ptrdiff_t>(s),
                       b.begin() + static_cast<std::ptrdiff_t>(s + kStampLength), isDigit);
}

// Where the taken record of a decision starts: at the position read, or, when bad bytes were
// skipped, at the first stamp inside them whose bytes pass the check up to the decision's end.
std::size_t takenStart(std::span<const std::uint8_t> b, std::size_t p, const Decision &d)
{
    const std::size_t end = d.outcome.end;
    if (!d.outcome.skippedBytes)
        return p;
    for (std::size_t s = p + 1; s + kStampLength + 4 <= end; ++s)
        if (startsWithStamp(b, s) &&
            checkBytesMatch(b.subspan(s, end - 3 - s), b[end - 2], b[end - 1]))
            return s;
    return p;
}

// The end of a plainly well-formed record at `s`, or 0: fourteen digits, up to 35 entries of five
// fields made of digits, ".", "-" and "?" with a kind code that has a kind, "$@" and matching
// check bytes. Such a record is whole whatever surrounds it, so the reader must not lose it.
std::size_t wellFormedEnd(std::span<const std::uint8_t> b, std::size_t s)
{
    if (!startsWithStamp(b, s))
        return 0;
    const auto fieldByte = [](std::uint8_t c) {
        return isDigit(c) || c == '.' || c == '-' || c == '?';
    };
    std::size_t p = s + kStampLength;
    for (std::size_t entries = 0;; ++entries) {
        if (p + 1 >= b.size() || b[p] != '$')
            return 0;
        if (b[p + 1] == '@')
            break;
        if (entries == RecordParser::kMaxEntries)
            return 0;
        std::size_t q = p + 1;
        for (int field = 0; field < 5; ++field) {
            const std::size_t begin = q;
            while (q < b.size() && fieldByte(b[q]))
                ++q;
            const char after = field < 4 ? ',' : '$';
            if (q == begin || q >= b.size() || b[q] != after)
                return 0;
            if (field == 2) {
                int code = 0;
                for (std::size_t i = begin; i < q && code < 1000; ++i)
                    code = isDigit(b[i]) ? code * 10 + (b[i] - '0') : 1000;
                if (!kindCodeInfo(code))
                    return 0;
            }
            q += field < 4 ? 1 : 0;
        }
        p = q;
    }
    if (p + 3 >= b.size() || !checkBytesMatch(b.subspan(s, p + 1 - s), b[p + 2], b[p + 3]))
        return 0;
    return p + 4;
}

// Every well-formed record before `decidedEnd` lies inside or across a taken record.
std::string checkNoneLost(std::span<const std::uint8_t> b,
                          const std::vector<std::pair<std::size_t, std::size_t>> &taken,
                          std::size_t decidedEnd)
{
    auto next = taken.begin();
    for (std::size_t s = 0; s < decidedEnd; ++s) {
        const std::size_t end = wellFormedEnd(b, s);
        if (end == 0 || end > decidedEnd)
            continue;
        while (next != taken.end() && next->second <= s)
            ++next;
        if (next == taken.end() || next->first >= end)
            return where("a well-formed record was lost", s);
    }
    return {};
}

} // namespace

std::string checkRecordParser(std::span<const std::uint8_t> decoded)
{
    RecordParser parser;
    std::vector<std::pair<std::size_t, std::size_t>> taken; // [start, end) of taken records
    std::size_t p = 0;
    while (p < decoded.size()) {
        const Decision whole = decide(parser, decoded, p);
        if (whole.outcome.status == RecordStatus::Incomplete) {
            if (whole.outcome.end != p)
                return where("an undecided record moved the position", p);
            break; // what follows waits for more bytes
        }
        if (whole.outcome.end <= p || whole.outcome.end > decoded.size())
            return where("the position did not move forward inside the buffer", p);
        if (whole.outcome.status == RecordStatus::Valid) {
            if (std::string fault = checkTaken(decoded, p, whole); !fault.empty())
                return fault;
            taken.emplace_back(takenStart(decoded, p, whole), whole.outcome.end);
        }
        if (std::string fault = checkCuts(parser, decoded, p, whole); !fault.empty())
            return fault;
        p = whole.outcome.end;
    }
    return checkNoneLost(decoded, taken, p);
}

} // namespace zyfo
