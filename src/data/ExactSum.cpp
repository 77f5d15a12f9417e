// Exact sum of doubles: adding partial sums, settling carries and rounding to a double.
#include "ExactSum.h"

#include <cassert>
#include <limits>

namespace zyfo {
namespace {

constexpr std::uint64_t kDigitMask = 0xFFFFFFFF;

} // namespace

void ExactSum::add(const PartialSum &sum)
{
    assert(sum.isExact());
    const auto position = static_cast<unsigned>(sum.exponent() + 1074);
    const unsigned shift = position & 31;
    const std::uint64_t low = sum.mantissaLow();
    const std::int64_t high = sum.mantissaHigh();
    // The mantissa times 2^shift as a 160-bit two's complement number in five digits: four
    // unsigned ones and a signed top one (0 or -1 when nothing but the sign reaches it).
    const std::uint64_t lowShifted = low << shift;
    const std::uint64_t highShifted =
        static_cast<std::uint64_t>(high) << shift | low >> 1 >> (63 - shift);
    const std::size_t digit = position >> 5;
    m_limbs[kSlots[digit]] += static_cast<std::int64_t>(lowShifted & kDigitMask);
    m_limbs[kSlots[digit + 1]] += static_cast<std::int64_t>(lowShifted >> 32);
    m_limbs[kSlots[digit + 2]] += static_cast<std::int64_t>(highShifted & kDigitMask);
    m_limbs[kSlots[digit + 3]] += static_cast<std::int64_t>(highShifted >> 32);
    m_limbs[kSlots[digit + 4]] += high >> 32 >> (32 - shift);
    countAddition();
}

void ExactSum::settleCarries(Limbs &limbs)
{
    std::int64_t carry = 0;
    for (std::size_t digit = 0; digit < kDigits - 1; ++digit) {
        std::int64_t &limb = limbs[kSlots[digit]];
        const std::int64_t sum = limb + carry;
        // The shift rounds towards minus infinity, so the digit left behind is never negative.
        carry = sum >> 32;
        limb = sum & static_cast<std::int64_t>(kDigitMask);
    }
    limbs[kSlots[kDigits - 1]] += carry;
}

double ExactSum::value() const
{
    Limbs limbs = m_limbs;
    settleCarries(limbs);
    const bool negative = limbs[kSlots[kDigits - 1]] < 0;
    if (negative) {
        // The negated digits, settled again, hold the magnitude.
        for (std::int64_t &limb : limbs)
            limb = -limb;
        settleCarries(limbs);
    }
    const double magnitude = roundedMagnitude(limbs);
    return negative ? -magnitude : magnitude;
}

double ExactSum::roundedMagnitude(const Limbs &limbs)
{
    const auto digit = [&limbs](int i) {
        return i >= 0 ? static_cast<std::uint64_t>(limbs[kSlots[static_cast<std::size_t>(i)]])
                      : std::uint64_t{0};
    };
    int top = static_cast<int>(kDigits) - 1;
    while (top >= 0 && digit(top) == 0)
        --top;
    if (top < 0)
        return 0.0;
    // The top digit lies far above 2^1024 (and is not bounded by 2^32).
    if (top == static_cast<int>(kDigits) - 1)
        return std::numeric_limits<double>::infinity();
    // Below 2^53 units the sum is a subnormal or one of the smallest normal numbers, and its
    // bits are the units themselves.
    const std::uint64_t units = digit(1) << 32 | digit(0);
    if (top <= 1 && units < std::uint64_t{1} << 53)
        return std::bit_cast<double>(units);

    // The 64 bits from the highest set bit down, and whether any bit below them is set.
    const std::uint64_t head = digit(top) << 32 | digit(top - 1);
    const int spare = std::countl_zero(head);
    const std::uint64_t third = digit(top - 2);
    const std::uint64_t window = head << spare | third >> (32 - spare);
    bool sticky = (third << (32 + spare)) != 0;
    for (int i = top - 3; i >= 0 && !sticky; --i)
        sticky = digit(i) != 0;
    const int highestBit = 32 * top + 31 - spare;
    // The exponent field of the result is highestBit - 51.
    if (highestBit - 51 >= 0x7FF)
        return std::numeric_limits<double>::infinity();
    const std::uint64_t mantissa = window >> 11;
    const bool half = (window >> 10 & 1) != 0;
    sticky = sticky || (window & 0x3FF) != 0;
    const std::uint64_t roundUp = half && (sticky || (mantissa & 1) != 0) ? 1 : 0;
    // The mantissa's leading bit adds one to the exponent field, and rounding up past 2^53 carries
    // into it, up to infinity.
    const auto field = static_cast<std::uint64_t>(highestBit - 52);
    return std::bit_cast<double>((field << 52) + mantissa + roundUp);
}

} // namespace zyfo
