// Parsing of one record of a data file from decoded bytes, with resynchronisation after a bad one.
#pragma once

#include "DeviceCatalogue.h"
#include "StampConverter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zyfo {

// One entry of a record as read, before its channel is looked up.
struct ParsedEntry
{
    int deviceType;
    int deviceNumber;
    int kindCode;
    const KindCode *code;        // of the kind code table
    std::optional<double> value; // with the code's factor applied; nothing for a missing reading
};

// The record found by RecordParser: its stamp and its entries.
struct ParsedRecord
{
    Stamp stamp{};
    bool hasStamp = false; // false when the stamp holds a zero byte
    int entryCount = 0;
    std::array<ParsedEntry, 35> entries{};
};

enum class RecordStatus
{
    Valid,      // a record that passed its check: take it
    Invalid,    // bytes that are no valid record: skip them
    Incomplete, // the record runs past the bytes held: decide once more bytes are there
};

struct RecordOutcome
{
    RecordStatus status;
    std::size_t end;           // Valid, Invalid: where the next record starts
    bool skippedBytes = false; // Valid: found inside bytes that were no valid record
};

// Parses records in a buffer of decoded bytes. A record is parsed entry by entry up to 35
// entries or an entry whose kind code has no kind, then checked by its two check bytes after
// "@"; the next record starts three bytes after the "@". Nothing is read past the buffer: a
// record whose "@" and check bytes are not in it is Incomplete. A record longer than
// kMaxRecordLength bytes is Invalid.
class RecordParser
{
public:
    static constexpr std::size_t kMaxEntries = 35;
    static constexpr std::size_t kMaxRecordLength = 16384;

    // The record at `start`. When it fails its check, the bytes from its second byte up to where
    // the next record would start are searched for the first position where fourteen digits and
    // "$" begin a record that passes its check; that record is then the outcome (Valid, ending
    // where it ends). A candidate that runs past the buffer makes the outcome Incomplete.
    RecordOutcome read(std::span<const std::uint8_t> bytes, std::size_t start);

    // The record of the last Valid outcome.
    const ParsedRecord &record() const { return m_record; }

    // Whether fourteen digits and "$" begin at `at`, as every record with entries begins;
    // nothing when the bytes held end before that is known.
    static std::optional<bool> startsCandidate(std::span<const std::uint8_t> bytes, std::size_t at);

private:
    // The five fields of one entry as read.
    struct EntryFields
    {
        int deviceType = 0;
        int number = 0;
        int kindCode = 0;
        std::optional<double> value; // nothing for a missing reading
    };
    enum class FieldScan
    {
        Read,        // p is at the "$" that ends the entry
        RecordEnded, // an "@" came before field 1 ended: p is the byte before it
        OutOfBytes,  // the entry runs past the bytes held
    };

    RecordOutcome parse(std::span<const std::uint8_t> bytes, std::size_t start);
    bool parseEntries(const std::uint8_t *b, std::size_t limit, std::size_t &p);
    struct KnownPrefix;
    // The entry whose "$" is at p when it begins as the entry at its position in the record
    // before and goes on in the usual way: read into `entry`; false, with p unchanged, for any
    // other entry.
    static bool readKnownEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                               const KnownPrefix &known, ParsedEntry &entry);
    // The entry whose "$" is at p, of the usual shape (plain digits and a plain decimal value),
    // read in one pass, its first fields learnt for the records that follow; false, with p
    // unchanged, for any other shape, which scanEntry reads.
    bool readUsualEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                        std::size_t position, EntryFields &fields);
    static bool scanUsualEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                               EntryFields &fields);
    static bool scanUsualTail(const std::uint8_t *b, std::size_t &i, std::size_t limit,
                              EntryFields &fields);
    static FieldScan scanEntry(const std::uint8_t *b, std::size_t &p, std::size_t limit,
                               EntryFields &fields);

    // Records of a logger repeat their layout: per entry position, the text of the first three
    // fields of the last usual entry there (with the "," after them) and what they gave. An
    // entry that starts with the same text is the same device and kind: only its value is read.
    static constexpr std::size_t kPrefixBytes = 16;
    struct KnownPrefix
    {
        // The text in two words, with masks that keep its bytes (none: nothing known).
        std::array<std::uint64_t, 2> words{};
        std::array<std::uint64_t, 2> masks{};
        std::size_t length = 0;
        int deviceType = 0;
        int number = 0;
        int kindCode = 0;
        const KindCode *code = nullptr;
    };
    std::array<KnownPrefix, kMaxEntries> m_prefixes{};

    ParsedRecord m_record;
};

} // namespace zyfo
