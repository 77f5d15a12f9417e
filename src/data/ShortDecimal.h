// Short decimal numbers read eight digits at a time, for the values of data-file entries.
#pragma once

#include "RecordCodec.h"

#include <array>
#include <bit>
#include <cstdint>

namespace zyfo {

// Exact powers of ten: a decimal of up to 15 digits is its digits, an exact integer, divided by
// one of them, which rounds correctly.
inline constexpr std::array<double, 16> kPowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
// The same powers as integers, to scale digits without a conversion.
inline constexpr std::array<std::uint64_t, 8> kIntegerPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

// Bytes readable at the start of a number that scanShortDecimal needs.
inline constexpr std::ptrdiff_t kShortDecimalReach = 17;

namespace shortdecimal {

inline constexpr std::uint64_t kEveryByte = 0x0101010101010101u;

// The number of decimal digits the word starts with (0 to 8).
inline int leadingDigits(std::uint64_t word)
{
    // A byte is a digit when its high nibble is 3 and its low nibble below 10 (adding 6 does not
    // carry out of it); no step carries from one byte into the next.
    const std::uint64_t highNibble = (word & (0xF0 * kEveryByte)) ^ (0x30 * kEveryByte);
    const std::uint64_t lowNibbleAbove9 =
        ((word & (0x0F * kEveryByte)) + 6 * kEveryByte) & (0xF0 * kEveryByte);
    const std::uint64_t other = highNibble | lowNibbleAbove9;
    const std::uint64_t nonDigits =
        (((other & (0x7F * kEveryByte)) + 0x7F * kEveryByte) | other) & (0x80 * kEveryByte);
    return nonDigits == 0 ? 8 : std::countr_zero(nonDigits) / 8;
}

// The value of the first `count` (0 to 7) digits of the word.
inline std::uint64_t digitsValue(std::uint64_t word, int count)
{
    // Digits one byte each, the first lowest, moved up so that zeros stand before them; then
    // pairs, fours and eights of digits are combined in place.
    std::uint64_t v = (word - 0x30 * kEveryByte) & ((std::uint64_t{1} << (8 * count)) - 1);
    v = count == 0 ? 0 : v << (8 * (8 - count));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFu;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFu;
    return (v * 10000 + (v >> 32)) & 0xFFFFFFFFu;
}

} // namespace shortdecimal

// An optional "-" and at most 7 digits before and 7 after an optional ".", one digit at least,
// read from p with kShortDecimalReach bytes there to read: returns where the number stops, with
// its value; nullptr for another text (longer numbers are read digit by digit elsewhere).
inline const std::uint8_t *scanShortDecimal(const std::uint8_t *p, double &value)
{
    using namespace shortdecimal;
    const bool negative = *p == '-';
    p += negative ? 1 : 0;
    const std::uint64_t first = loadWord(p);
    const int whole = leadingDigits(first);
    if (whole == 8)
        return nullptr;
    std::uint64_t digits = digitsValue(first, whole);
    const std::uint8_t *stop = p + whole;
    int fraction = 0;
    if (*stop == '.') {
        const std::uint64_t word = loadWord(stop + 1);
        fraction = leadingDigits(word);
        if (fraction == 8)
            return nullptr;
        digits = digits * kIntegerPowersOfTen[static_cast<std::size_t>(fraction)] +
                 digitsValue(word, fraction);
        stop += 1 + fraction;
    }
    if (whole + fraction == 0)
        return nullptr;
    value = static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(fraction)];
    if (negative)
        value = -value;
    return stop;
}

} // namespace zyfo
