// Exact sum of any number of doubles, rounded once when it is read.
#pragma once

#include "PartialSum.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace zyfo {

// The exact sum of finite doubles over the whole range of doubles, subnormals included, so that
// the rounded result does not depend on the order or grouping of the additions. The sum is a
// fixed-point number in units of 2^-1074 (the smallest subnormal), in 32-bit digits held by
// signed 64-bit limbs: an addition puts its bits into a few limbs without carrying, and carries
// are settled every few thousand additions and when the value is read. Only the digits an
// addition has reached are kept track of, so that sums of values of like magnitude are read and
// emptied in a few steps.
class ExactSum
{
public:
    // Adds a finite double (never NaN or infinite).
    void add(double value);

    // Adds the sum a PartialSum holds. Requires sum.isExact().
    void add(const PartialSum &sum);

    // Adds the sum another accumulator holds.
    void add(const ExactSum &other);

    // Back to zero.
    void clear();

    // The exact sum rounded to the nearest double, ties to even; +-infinity when it rounds
    // beyond DBL_MAX, as an IEEE addition overflows; +0.0 when it is exactly zero.
    double value() const;

private:
    // Digit i has the weight 2^(32 * i - 1074). A double's bits reach digit 64 at most and a
    // PartialSum's digit 69; the top digit only takes carries and holds the sign once carries
    // are settled.
    static constexpr std::size_t kDigits = 72;
    // Between settlements every limb takes at most 2^52 in magnitude per addition, on top of a
    // settled digit below 2^32: this many additions stay below 2^63.
    static constexpr int kAddsPerSettlement = 2047;
    using Limbs = std::array<std::int64_t, kDigits>;

    // The limb of each digit: even digits fill the first half and odd ones the second, so the
    // two limbs a double adds to are never neighbours. Compilers add to neighbouring limbs as
    // one vector, and a vector store that partly overlaps the next addition's load is not
    // forwarded to it, which makes a run of additions twice as slow. Looking the limb up is
    // faster than working it out.
    static constexpr std::array<std::uint8_t, kDigits> kSlots = [] {
        std::array<std::uint8_t, kDigits> slots{};
        for (std::size_t digit = 0; digit < kDigits; ++digit)
            slots[digit] = static_cast<std::uint8_t>((digit & 1) * (kDigits / 2) + (digit >> 1));
        return slots;
    }();

    // Moves the bits of digits bottom..top - 2 above their 32 into the next digit, leaving them
    // 0..2^32 - 1 below a signed head digit, top - 1; raises top while the head does not fit its
    // 32 bits. Digits from top on are zero.
    static void settleCarries(Limbs &limbs, std::size_t bottom, std::size_t &top);
    // The settled non-negative sum rounded to the nearest double, ties to even.
    static double roundedMagnitude(const Limbs &limbs, std::size_t bottom, std::size_t end);
    // Digits first..last (the last one a carry digit) take part from now on.
    void reach(std::size_t first, std::size_t last)
    {
        m_bottom = first < m_bottom ? first : m_bottom;
        m_top = last + 1 > m_top ? last + 1 : m_top;
    }
    void countAddition()
    {
        if (--m_addsBeforeSettlement == 0) {
            settleCarries(m_limbs, m_bottom, m_top);
            m_addsBeforeSettlement = kAddsPerSettlement;
        }
    }

    Limbs m_limbs{};
    // Digits outside bottom..top - 1 are zero.
    std::size_t m_bottom = kDigits;
    std::size_t m_top = 0;
    int m_addsBeforeSettlement = kAddsPerSettlement;
};

inline void ExactSum::add(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t biased = bits >> 52 & 0x7FF;
    const std::uint64_t normal = biased != 0 ? 1 : 0;
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | normal << 52;
    // The position of the mantissa's lowest bit in units of 2^-1074; subnormals share the
    // position of the smallest normal numbers.
    const std::uint64_t position = biased - normal;
    const std::uint64_t shift = position & 31;
    // The signed mantissa times 2^shift spans two digits: its low 32 bits go into the lower limb
    // and the rest, below 2^52 in magnitude, into the upper one. The sign is applied without a
    // branch (negate is 0 or -1).
    const std::int64_t negate = -static_cast<std::int64_t>(bits >> 63);
    const std::int64_t signedMantissa = (static_cast<std::int64_t>(mantissa) ^ negate) - negate;
    const std::size_t digit = position >> 5;
    m_limbs[kSlots[digit]] +=
        static_cast<std::int64_t>(static_cast<std::uint64_t>(signedMantissa) << shift & 0xFFFFFFFF);
    m_limbs[kSlots[digit + 1]] += signedMantissa >> (32 - shift);
    reach(digit, digit + 2);
    countAddition();
}

} // namespace zyfo
