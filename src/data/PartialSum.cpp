// Exact sum of a few doubles: bringing each value and the sum to a common exponent.
#include "PartialSum.h"

#include <algorithm>
#include <bit>

namespace zyfo {
namespace {

constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
constexpr int kMagnitudeBits = 127; // a mantissa's magnitude stays below 2^127

// A 128-bit two's complement integer.
struct Wide
{
    std::uint64_t low;
    std::uint64_t high;
};

bool isNegative(Wide w)
{
    return (w.high & kSignBit) != 0;
}

Wide negated(Wide w)
{
    return {~w.low + 1, ~w.high + static_cast<std::uint64_t>(w.low == 0)};
}

Wide sum(Wide a, Wide b)
{
    const std::uint64_t low = a.low + b.low;
    return {low, a.high + b.high + static_cast<std::uint64_t>(low < a.low)};
}

// w * 2^shift for shift in 0..127; the bits shifted out are lost.
Wide shiftedLeft(Wide w, int shift)
{
    if (shift >= 64)
        return {0, w.low << (shift - 64)};
    if (shift == 0)
        return w;
    return {w.low << shift, w.high << shift | w.low >> (64 - shift)};
}

// The number of bits of x (std::bit_width gives the argument's type before C++23).
int bitWidth(std::uint64_t x)
{
    return static_cast<int>(std::bit_width(x));
}

// The number of bits of |w|, for w above -2^127.
int magnitudeBits(Wide w)
{
    const Wide magnitude = isNegative(w) ? negated(w) : w;
    return magnitude.high != 0 ? 64 + bitWidth(magnitude.high) : bitWidth(magnitude.low);
}

} // namespace

void PartialSum::add(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if (!m_exact || (bits << 1) == 0)
        return;
    m_exact = addExactly(bits);
}

bool PartialSum::addExactly(std::uint64_t bits)
{
    const int biased = static_cast<int>(bits >> 52 & 0x7FF);
    std::uint64_t magnitude = (bits & kFractionMask) | (biased != 0 ? kHiddenBit : 0);
    // Subnormals share the exponent of the smallest normal numbers. Trailing zero bits move into
    // the exponent, so that round values do not lower the sum's exponent.
    int exponent = std::max(biased, 1) - 1075;
    const int zeros = std::countr_zero(magnitude);
    magnitude >>= zeros;
    exponent += zeros;

    Wide total{mantissaLow(), static_cast<std::uint64_t>(mantissaHigh())};
    if (total.low == 0 && total.high == 0) {
        // An empty or cancelled sum takes the value's exponent, the highest it can have.
        m_exponent = static_cast<std::int16_t>(exponent);
    } else if (exponent < m_exponent) {
        const int lowering = m_exponent - exponent;
        if (magnitudeBits(total) + lowering > kMagnitudeBits)
            return false;
        total = shiftedLeft(total, lowering);
        m_exponent = static_cast<std::int16_t>(exponent);
    }
    const int shift = exponent - m_exponent;
    if (bitWidth(magnitude) + shift > kMagnitudeBits)
        return false;
    Wide term = shiftedLeft({magnitude, 0}, shift);
    if ((bits & kSignBit) != 0)
        term = negated(term);
    const Wide result = sum(total, term);
    // Both terms lie within +-(2^127 - 1): the sum left the range of 128 bits exactly when its
    // sign differs from the signs of both terms.
    const bool wrapped =
        isNegative(total) == isNegative(term) && isNegative(result) != isNegative(total);
    if (wrapped || (result.high == kSignBit && result.low == 0))
        return false;
    storeMantissa(result.low, result.high);
    return true;
}

void PartialSum::storeMantissa(std::uint64_t low, std::uint64_t high)
{
    m_words = {static_cast<std::uint32_t>(low), static_cast<std::uint32_t>(low >> 32),
               static_cast<std::uint32_t>(high), static_cast<std::uint32_t>(high >> 32)};
}

} // namespace zyfo
