// Byte-level encoding of data-file records: the stored negation and the two check bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace zyfo {

// The eight bytes at `p` as one word, the first byte lowest.
inline std::uint64_t loadWord(const std::uint8_t *p)
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Stored byte = (256 - b) mod 256; the same operation decodes. Returns the other form of b.
constexpr std::uint8_t negateByte(std::uint8_t b)
{
    return static_cast<std::uint8_t>(256u - b);
}

// Negates every byte of the span in place (stored <-> decoded).
void negateBytes(std::span<std::uint8_t> bytes);

// The two check bytes of a record whose decoded bytes from the stamp's first byte up to and
// including the "$" before "@" are given; each byte counts as a signed 8-bit number.
struct CheckBytes
{
    int first = 0;  // (S mod 253) + 1, C remainder semantics
    int second = 0; // (S mod 251) + 1
};
CheckBytes computeCheckBytes(std::span<const std::uint8_t> decoded);

// True when the stored check bytes c1, c2 (taken as signed bytes) match the sum as the logger
// writes it: each difference must be a multiple of 256.
bool checkBytesMatch(std::span<const std::uint8_t> decoded, std::uint8_t c1, std::uint8_t c2);

// Encodes one record for storage. `body` is the decoded text from the stamp up to and including
// the final "$" (for example "20061205143000$4,1,25,21.5,0$"); the result is that text, "@" and
// the two check bytes, every byte negated, ready to be appended to a data file.
std::string encodeRecord(std::string_view body);

} // namespace zyfo
