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
    reach(digit, std::min(digit + 5, kDigits - 1));
    countAddition();
}

void ExactSum::settleCarries(Limbs &limbs, std::size_t bottom, std::size_t &top)
{
    if (top <= bottom)
        return;
    std::int64_t carry = 0;
    for (std::size_t digit = bottom; digit + 1 < top; ++digit) {
        std::int64_t &limb = limbs[kSlots[digit]];
        const std::int64_t sum = limb + carry;
        // The shift rounds towards minus infinity, so the digit left behind is never negative.
        carry = sum >> 32;
        limb = sum & static_cast<std::int64_t>(kDigitMask);
    }
    std::int64_t *head = &limbs[kSlots[top - 1]];
    *head += carry;
    // A head beyond its 32 bits (or, negative, beyond -2^31) carries on into the zero digits
    // above it.
    while (top < kDigits &&
           (*head >= (std::int64_t{1} << 31) || *head < -(std::int64_t{1} << 31))) {
        carry = *head >> 32;
        *head &= static_cast<std::int64_t>(kDigitMask);
        head = &limbs[kSlots[top++]];
        *head = carry;
    }
}

void ExactSum::clear()
{
    for (std::size_t digit = m_bottom; digit < m_top; ++digit)
        m_limbs[kSlots[digit]] = 0;
    m_bottom = kDigits;
    m_top = 0;
    m_addsBeforeSettlement = kAddsPerSettlement;
}

void ExactSum::add(const ExactSum &other)
{
    // Settled digits lie below 2^32, less than one addition of a double puts into a limb.
    Limbs digits;
    std::size_t top = other.m_top;
    for (std::size_t digit = other.m_bottom; digit < top; ++digit)
        digits[kSlots[digit]] = other.m_limbs[kSlots[digit]];
    settleCarries(digits, other.m_bottom, top);
    for (std::size_t digit = other.m_bottom; digit < top; ++digit)
        m_limbs[kSlots[digit]] += digits[kSlots[digit]];
    if (other.m_bottom < top)
        reach(other.m_bottom, std::min(top, kDigits - 1));
    countAddition();
}

double ExactSum::value() const
{
    if (m_top <= m_bottom)
        return 0.0;
    Limbs limbs;
    std::size_t top = m_top;
    for (std::size_t digit = m_bottom; digit < top; ++digit)
        limbs[kSlots[digit]] = m_limbs[kSlots[digit]];
    settleCarries(limbs, m_bottom, top);
    const bool negative = limbs[kSlots[top - 1]] < 0;
    if (negative) {
        // The negated digits, settled again, hold the magnitude.
        for (std::size_t digit = m_bottom; digit < top; ++digit)
            limbs[kSlots[digit]] = -limbs[kSlots[digit]];
        settleCarries(limbs, m_bottom, top);
    }
    const double magnitude = roundedMagnitude(limbs, m_bottom, top);
    return negative ? -magnitude : magnitude;
}

double ExactSum::roundedMagnitude(const Limbs &limbs, std::size_t bottom, std::size_t end)
{
    // Digits outside bottom..end - 1 are zero.
    const int first = static_cast<int>(bottom);
    const auto digit = [&](int i) {
        return i >= first && i < static_cast<int>(end)
                   ? static_cast<std::uint64_t>(limbs[kSlots[static_cast<std::size_t>(i)]])
                   : std::uint64_t{0};
    };
    int top = static_cast<int>(end) - 1;
    while (top >= first && digit(top) == 0)
        --top;
    if (top < first)
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
    for (int i = top - 3; i >= first && !sticky; --i)
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
