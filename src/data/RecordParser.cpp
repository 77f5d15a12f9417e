// Parsing of one record of a data file from decoded bytes, with resynchronisation after a bad one.
#include "RecordParser.h"

#include "FieldConversion.h"
#include "RecordCodec.h"
#include "ShortDecimal.h"

#include <cstring>

namespace zyfo {
namespace {

constexpr std::size_t kBeyond = static_cast<std::size_t>(-1);

// Position of the first byte `c` in [from, limit), or kBeyond. Fields are a few bytes long, so a
// plain loop beats a library call.
std::size_t findByte(const std::uint8_t *b, std::size_t from, std::size_t limit, std::uint8_t c)
{
    for (std::size_t i = from; i < limit; ++i)
        if (b[i] == c)
            return i;
    return kBeyond;
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

// Scans an integer field from `from` up to the first byte `stop`, converting it. The usual field,
// a few plain digits, is converted while it is scanned. Returns the position of `stop`, or
// kBeyond when it is not before `limit`.
std::size_t scanIntField(const std::uint8_t *b, std::size_t from, std::size_t limit,
                         std::uint8_t stop, int &value)
{
    std::size_t i = from;
    int digits = 0;
    for (const std::size_t fastEnd = std::min(limit, from + 9); i < fastEnd && isDigit(b[i]); ++i)
        digits = digits * 10 + (b[i] - '0');
    if (i < limit && b[i] == stop) {
        value = digits;
        return i;
    }
    const std::size_t end = findByte(b, i, limit, stop);
    if (end != kBeyond)
        value = fieldToInt(b + from, b + end);
    return end;
}

} // namespace

RecordOutcome RecordParser::read(std::span<const std::uint8_t> bytes, std::size_t start)
{
    const RecordOutcome outcome = parse(bytes, start);
    if (outcome.status != RecordStatus::Invalid)
        return outcome;
    // A torn record or garbage swallows the records it runs into; look for one inside it.
    for (std::size_t at = start + 1; at < outcome.end; ++at) {
        const std::optional<bool> candidate = startsCandidate(bytes, at);
        if (!candidate)
            return {RecordStatus::Incomplete, start};
        if (!*candidate)
            continue;
        const RecordOutcome found = parse(bytes, at);
        if (found.status == RecordStatus::Incomplete)
            return {RecordStatus::Incomplete, start};
        if (found.status == RecordStatus::Valid)
            return {RecordStatus::Valid, found.end, true};
    }
    return outcome;
}

std::optional<bool> RecordParser::startsCandidate(std::span<const std::uint8_t> bytes,
                                                  std::size_t at)
{
    for (std::size_t i = at; i < at + kStampLength; ++i) {
        if (i >= bytes.size())
            return std::nullopt; // digits so far, the rest not held yet
        if (!isDigit(bytes[i]))
            return false;
    }
    if (at + kStampLength >= bytes.size())
        return std::nullopt;
    return bytes[at + kStampLength] == '$';
}

RecordOutcome RecordParser::parse(std::span<const std::uint8_t> bytes, std::size_t start)
{
    const std::uint8_t *b = bytes.data();
    const bool capped = bytes.size() - start >= kMaxRecordLength;
    const std::size_t limit = capped ? start + kMaxRecordLength : bytes.size();
    // Running into the limit: past the buffer the record is not known yet; past the longest
    // record it is no record.
    const RecordOutcome cut = capped ? RecordOutcome{RecordStatus::Invalid, limit}
                                     : RecordOutcome{RecordStatus::Incomplete, start};
    if (start + kStampLength >= limit)
        return cut;

    std::memcpy(m_record.stamp.data(), b + start, kStampLength);
    m_record.hasStamp = std::memchr(b + start, 0, kStampLength) == nullptr;
    m_record.entryCount = 0;
    std::size_t p = start + kStampLength;
    if (b[p] == '$' && !parseEntries(b, limit, p))
        return cut;
    if (p + 3 >= limit)
        return cut;
    // The check bytes follow the "@"; where the entries stopped before the "@" they are not there.
    if (b[p + 1] == '@' && checkBytesMatch({b + start, p - start + 1}, b[p + 2], b[p + 3]))
        return {RecordStatus::Valid, p + 4};
    const std::size_t at = findByte(b, p + 1, limit, '@');
    if (at == kBeyond || at + 2 >= limit)
        return cut;
    return {RecordStatus::Invalid, at + 3};
}

bool RecordParser::parseEntries(const std::uint8_t *b, std::size_t limit, std::size_t &p)
{
    for (;;) {
        const auto position = static_cast<std::size_t>(m_record.entryCount);
        ParsedEntry &entry = m_record.entries[position];
        if (!readKnownEntry(b, p, limit, m_prefixes[position], entry)) {
            EntryFields fields;
            const FieldScan scan = readUsualEntry(b, p, limit, position, fields)
                                       ? FieldScan::Read
                                       : scanEntry(b, p, limit, fields);
            if (scan == FieldScan::RecordEnded)
                return true;
            if (scan == FieldScan::OutOfBytes)
                return false;
            const KindCode *code = kindCodeInfo(fields.kindCode);
            if (!code)
                return true; // the entries stop here; the check decides on the record
            entry = {fields.deviceType, fields.number, fields.kindCode, code, fields.value};
            if (entry.value && code->factor != 1.0)
                *entry.value *= code->factor;
        }
        ++m_record.entryCount;
        if (static_cast<std::size_t>(m_record.entryCount) >= kMaxEntries)
            return true;
        if (p + 1 >= limit)
            return false;
        if (b[p + 1] == '@')
            return true;
    }
}

bool RecordParser::readKnownEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                                  const KnownPrefix &known, ParsedEntry &entry)
{
    // The known first three fields, a short plain value and field 5 a single 0: the entry of
    // the same device and kind as at this position of the record before.
    constexpr std::size_t kReach = kPrefixBytes + kShortDecimalReach + 3;
    const std::size_t from = p + 1;
    if (known.masks[0] == 0 || from + kReach > limit ||
        (loadWord(b + from) & known.masks[0]) != known.words[0] ||
        (loadWord(b + from + 8) & known.masks[1]) != known.words[1])
        return false;
    double value = 0.0;
    const std::uint8_t *stop = scanShortDecimal(b + from + known.length, value);
    if (stop == nullptr || stop[0] != ',' || stop[1] != '0' || stop[2] != '$')
        return false;
    entry.deviceType = known.deviceType;
    entry.deviceNumber = known.number;
    entry.kindCode = known.kindCode;
    entry.code = known.code;
    entry.value = known.code->factor != 1.0 ? value * known.code->factor : value;
    p = static_cast<std::size_t>(stop - b) + 2;
    return true;
}

bool RecordParser::readUsualEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                                  std::size_t position, EntryFields &fields)
{
    std::size_t end = p;
    if (!scanUsualEntry(b, end, limit, fields))
        return false;
    // The first three fields, up to and with the "," after them, for the records that follow.
    KnownPrefix &known = m_prefixes[position];
    const std::size_t from = p + 1;
    std::size_t length = 0;
    int commas = 0;
    for (; commas < 3 && length < kPrefixBytes; ++length)
        commas += b[from + length] == ',' ? 1 : 0;
    known = {};
    const KindCode *code = kindCodeInfo(fields.kindCode);
    if (commas == 3 && code != nullptr && from + kPrefixBytes < limit) {
        const std::size_t first = std::min<std::size_t>(length, 8);
        const std::size_t second = length - first;
        known.masks[0] = first == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * first)) - 1;
        known.masks[1] = second == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * second)) - 1;
        known.words[0] = loadWord(b + from) & known.masks[0];
        known.words[1] = loadWord(b + from + 8) & known.masks[1];
        known.length = length;
        known.deviceType = fields.deviceType;
        known.number = fields.number;
        known.kindCode = fields.kindCode;
        known.code = code;
    }
    p = end;
    return true;
}

namespace {

// Plain digits up to `stop` (1 to 9 of them, or none when `empty` allows), from i on; i is then
// past `stop`.
bool plainDigits(const std::uint8_t *b, std::size_t &i, std::size_t limit, std::uint8_t stop,
                 bool empty, int &value)
{
    const std::size_t first = i;
    int n = 0;
    for (; i < limit && i < first + 9 && isDigit(b[i]); ++i)
        n = n * 10 + (b[i] - '0');
    value = n;
    return (empty || i > first) && i < limit && b[i++] == stop;
}

} // namespace

bool RecordParser::scanUsualEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                                  EntryFields &fields)
{
    // Plain digits in the integer fields and a plain decimal value, in one pass; any other
    // shape is left to scanEntry.
    std::size_t i = p + 1;
    if (!plainDigits(b, i, limit, ',', false, fields.deviceType) ||
        !plainDigits(b, i, limit, ',', false, fields.number) ||
        !plainDigits(b, i, limit, ',', false, fields.kindCode) ||
        !scanUsualTail(b, i, limit, fields))
        return false;
    p = i;
    return true;
}

bool RecordParser::scanUsualTail(const std::uint8_t *b, std::size_t &i, std::size_t limit,
                                 EntryFields &fields)
{
    // A plain decimal value, then field 5 in plain digits or empty; i ends at the "$" after it.
    double value = 0.0;
    const std::uint8_t *valueEnd = scanSimpleDecimal(b + i, b + limit, value);
    if (valueEnd == nullptr || valueEnd >= b + limit || *valueEnd != ',')
        return false;
    std::size_t j = static_cast<std::size_t>(valueEnd - b) + 1;
    int extra = 0;
    // Field 5 is mostly a single 0.
    if (j + 1 < limit && b[j] == '0' && b[j + 1] == '$')
        j += 2;
    else if (!plainDigits(b, j, limit, '$', true, extra))
        return false;
    fields.value = value;
    i = j - 1;
    return true;
}

RecordParser::FieldScan RecordParser::scanEntry(const std::uint8_t *b, std::size_t &p,
                                                std::size_t limit, EntryFields &fields)
{
    // Field 1 runs to ","; an "@" before it ends the record, p then being the byte before.
    const std::size_t begin1 = p + 1;
    const std::size_t end1 = scanIntField(b, begin1, limit, ',', fields.deviceType);
    const std::size_t at = findByte(b, begin1, end1 == kBeyond ? limit : end1, '@');
    if (at != kBeyond) {
        p = at - 1;
        return FieldScan::RecordEnded;
    }
    if (end1 == kBeyond)
        return FieldScan::OutOfBytes;
    const std::size_t end2 = scanIntField(b, end1 + 1, limit, ',', fields.number);
    const std::size_t end3 =
        end2 == kBeyond ? kBeyond : scanIntField(b, end2 + 1, limit, ',', fields.kindCode);
    const std::size_t end4 = end3 == kBeyond ? kBeyond : findByte(b, end3 + 1, limit, ',');
    const std::size_t end5 = end4 == kBeyond ? kBeyond : findByte(b, end4 + 1, limit, '$');
    if (end5 == kBeyond)
        return FieldScan::OutOfBytes;
    fields.value = fieldToValue(b + end3 + 1, b + end4);
    p = end5;
    return FieldScan::Read;
}

} // namespace zyfo
