// Exact sum of a few doubles in 20 bytes: a 128-bit mantissa times a power of two.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zyfo {

// The exact sum of the values of one chunk, as mantissa * 2^exponent with a 128-bit two's
// complement mantissa. Each value enters with the trailing zero bits of its mantissa moved into
// its exponent and the sum keeps the lowest exponent of its values, so sums of values of similar
// magnitude keep small mantissas: 64 values between 1e-6 and 1e7 in magnitude always fit.
// When a value cannot be added exactly the sum stops being exact for good (until clear()): the
// caller then sums that chunk's values itself.
class PartialSum
{
public:
    // Adds a finite double (never NaN or infinite); 0.0 and -0.0 add nothing. The sum stays exact
    // while the value and the sums before and after it, all at the lower of the two exponents,
    // are below 2^127 in magnitude; otherwise isExact() turns false and this and every later
    // value are ignored.
    void add(double value)
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        if (!m_exact || (bits << 1) == 0)
            return;
        // The usual value: a normal number at most 10 bits above the sum's exponent, added to a
        // sum far inside the mantissa's range, gives what addExactly gives, in a few steps.
        const int biased = static_cast<int>(bits >> 52 & 0x7FF);
        const int shift = biased - 1075 - m_exponent;
        const std::uint64_t low = word(0);
        const auto high = static_cast<std::int64_t>(word(1));
        constexpr std::int64_t kFarInside = std::int64_t{1} << 61;
        if (biased != 0 && shift >= 0 && shift <= 10 && (low | word(1)) != 0 && high < kFarInside &&
            high > -kFarInside) {
            const std::uint64_t magnitude =
                ((bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52) << shift;
            const std::uint64_t negate = 0 - (bits >> 63); // all ones for a negative value
            const std::uint64_t termLow = (magnitude ^ negate) - negate;
            const std::uint64_t sumLow = low + termLow;
            storeMantissa(sumLow, static_cast<std::uint64_t>(high) + negate +
                                      static_cast<std::uint64_t>(sumLow < low));
            return;
        }
        m_exact = addExactly(bits);
    }

    // Adds the sum `other` holds. The result stays exact while both are exact and the two sums
    // and the result, all at the lower of the two exponents, are below 2^127 in magnitude;
    // otherwise isExact() turns false for good.
    void add(const PartialSum &other);

    // Back to an exact zero.
    void clear() { *this = PartialSum(); }

    // False once a value could not be added exactly; the mantissa and exponent then mean nothing.
    bool isExact() const { return m_exact; }

    // The sum is (mantissaHigh() * 2^64 + mantissaLow()) * 2^exponent(). The exponent lies in
    // -1074..1023 and the mantissa's magnitude is below 2^127.
    std::int64_t mantissaHigh() const { return static_cast<std::int64_t>(word(1)); }
    std::uint64_t mantissaLow() const { return word(0); }
    int exponent() const { return m_exponent; }

private:
    // Adds a nonzero value given by its bits; false when it cannot be added exactly.
    bool addExactly(std::uint64_t bits);
    // Adds mantissa * 2^exponent (a 128-bit two's complement mantissa below 2^127 in
    // magnitude); false when it cannot be added exactly.
    bool addMantissa(std::uint64_t low, std::uint64_t high, int exponent);
    std::uint64_t word(int i) const
    {
        std::uint64_t bits;
        std::memcpy(&bits, m_mantissa.data() + 8 * i, 8);
        return bits;
    }
    void storeMantissa(std::uint64_t low, std::uint64_t high)
    {
        std::memcpy(m_mantissa.data(), &low, 8);
        std::memcpy(m_mantissa.data() + 8, &high, 8);
    }

    // The mantissa's low and high 64-bit words, in bytes aligned to 4 only, so that the whole
    // takes 20 bytes (24 with two 64-bit members).
    alignas(4) std::array<unsigned char, 16> m_mantissa{};
    std::int16_t m_exponent = 0;
    bool m_exact = true;
};
static_assert(sizeof(PartialSum) == 20);

} // namespace zyfo
