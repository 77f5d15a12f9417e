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

Wide sum(Wide a, Wide b)
{
    const std::uint64_t low = a.low + b.low;
    return {low, a.high + b.high + static_cast<std::uint64_t>(low < a.low)};
}

// -w when negate is all ones, w when it is zero, without a branch.
Wide negatedIf(Wide w, std::uint64_t negate)
{
    return sum({w.low ^ negate, w.high ^ negate}, {negate & 1, 0});
}

// w * 2^shift for shift in 0..127; the bits shifted out are lost.
Wide shiftedLeft(Wide w, int shift)
{
    if (shift >= 64)
        return {0, w.low << (shift - 64)};
    return {w.low << shift, w.high << shift | w.low >> 1 >> (63 - shift)};
}

// The number of bits of x (std::bit_width gives the argument's type before C++23).
int bitWidth(std::uint64_t x)
{
    return static_cast<int>(std::bit_width(x));
}

// The number of bits of |w|, for w above -2^127.
int magnitudeBits(Wide w)
{
    const Wide magnitude = negatedIf(w, isNegative(w) ? ~std::uint64_t{0} : 0);
    return magnitude.high != 0 ? 64 + bitWidth(magnitude.high) : bitWidth(magnitude.low);
}

} // namespace

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
    // The sign is applied without a branch: signs of successive values are hard to predict.
    const Wide term = negatedIf({magnitude, 0}, 0 - (bits >> 63));
    return addMantissa(term.low, term.high, exponent);
}

void PartialSum::add(const PartialSum &other)
{
    if (!m_exact)
        return;
    if (!other.m_exact) {
        m_exact = false;
        return;
    }
    // A zero adds nothing, and its exponent must not lower the sum's.
    if ((other.word(0) | other.word(1)) != 0)
        m_exact = addMantissa(other.word(0), other.word(1), other.m_exponent);
}

bool PartialSum::addMantissa(std::uint64_t low, std::uint64_t high, int exponent)
{
    Wide total{mantissaLow(), static_cast<std::uint64_t>(mantissaHigh())};
    if (total.low == 0 && total.high == 0) {
        // An empty or cancelled sum takes the term's exponent, the highest it can have.
        m_exponent = static_cast<std::int16_t>(exponent);
    } else if (exponent < m_exponent) {
        const int lowering = m_exponent - exponent;
        if (magnitudeBits(total) + lowering > kMagnitudeBits)
            return false;
        total = shiftedLeft(total, lowering);
        m_exponent = static_cast<std::int16_t>(exponent);
    }
    const int shift = exponent - m_exponent;
    if (magnitudeBits({low, high}) + shift > kMagnitudeBits)
        return false;
    const Wide term = shiftedLeft({low, high}, shift);
    const Wide result = sum(total, term);
    // Both terms lie within +-(2^127 - 1): the sum left the range of 128 bits exactly when its
    // sign differs from the signs of both terms.
    const std::uint64_t wrapped = (total.high ^ result.high) & (term.high ^ result.high) & kSignBit;
    if ((wrapped | (result.high == kSignBit && result.low == 0 ? 1 : 0)) != 0)
        return false;
    storeMantissa(result.low, result.high);
    return true;
}

} // namespace zyfo
