// Fuzz check of the record parser: its decisions never depend on bytes it does not hold.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zyfo {

// Walks `decoded` (a data file's decoded bytes) record by record as the reader does and checks
// every outcome: it stays inside the buffer and moves on; a taken record carries its "@" and
// matching check bytes, at most 35 entries and only finite values; with the buffer cut anywhere
// before the outcome's end the record is undecided (never taken, never skipped), and cut after
// it the outcome is the same or still undecided; a record taken without skipping is taken as
// soon as its last check byte is held; no plainly well-formed record (digits, known kind codes,
// matching check bytes) is lost: each lies inside or across a taken record, unless it comes
// after the point where the walk waits for more bytes. Returns an empty text, or what went
// wrong.
std::string checkRecordParser(std::span<const std::uint8_t> decoded);

} // namespace zyfo
