// Conversion of the text fields of a data-file entry to numbers, independent of the locale.
#include "FieldConversion.h"

#include "ShortDecimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

namespace zyfo {
namespace {

bool isSpace(std::uint8_t c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

const std::uint8_t *skipSpace(const std::uint8_t *p, const std::uint8_t *end)
{
    while (p < end && isSpace(*p))
        ++p;
    return p;
}

// For a number text that from_chars found out of range: true when it is too large (its decimal
// exponent is positive), false when it is too small.
bool isTooLarge(const char *p, const char *end)
{
    long long magnitude = -1; // decimal exponent of the first significant digit
    bool seenSignificant = false;
    long long fractionZeros = 0;
    for (; p < end && isDigit(static_cast<std::uint8_t>(*p)); ++p) {
        if (*p != '0' || seenSignificant) {
            seenSignificant = true;
            ++magnitude;
        }
    }
    if (p < end && *p == '.') {
        for (++p; p < end && isDigit(static_cast<std::uint8_t>(*p)); ++p) {
            if (seenSignificant)
                continue;
            if (*p != '0') {
                seenSignificant = true;
                magnitude = -1 - fractionZeros;
            } else {
                ++fractionZeros;
            }
        }
    }
    long long exponent = 0;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        for (; p < end && isDigit(static_cast<std::uint8_t>(*p)); ++p)
            exponent = std::min(exponent * 10 + (*p - '0'), 1'000'000'000LL);
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent >= 0;
}

constexpr int kExactDigits = 15;

} // namespace

int fieldToInt(const std::uint8_t *begin, const std::uint8_t *end)
{
    const std::uint8_t *p = skipSpace(begin, end);
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    long long value = 0;
    for (; p < end && isDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturated; stays far from overflow
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

const std::uint8_t *scanSimpleDecimal(const std::uint8_t *p, const std::uint8_t *end, double &value)
{
    // The digits as an integer are exact in a double, and so is the power of ten, so one
    // division gives the correctly rounded value, the same as the general conversion.
    if (end - p >= kShortDecimalReach)
        if (const std::uint8_t *stop = scanShortDecimal(p, value))
            return stop;
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const std::uint8_t *const first = p;
    std::uint64_t digits = 0;
    for (; p < end && isDigit(*p); ++p)
        digits = digits * 10 + (*p - '0');
    std::ptrdiff_t count = p - first;
    std::ptrdiff_t fraction = 0;
    if (p < end && *p == '.') {
        const std::uint8_t *const point = ++p;
        for (; p < end && isDigit(*p); ++p)
            digits = digits * 10 + (*p - '0');
        fraction = p - point;
        count += fraction;
    }
    if (count == 0 || count > kExactDigits)
        return nullptr;
    value = static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(fraction)];
    if (negative)
        value = -value;
    return p;
}

std::optional<double> fieldToValue(const std::uint8_t *begin, const std::uint8_t *end)
{
    if (begin < end && *begin == '?')
        return std::nullopt;
    if (double simple = 0.0; scanSimpleDecimal(begin, end, simple) == end)
        return simple;
    const std::uint8_t *p = skipSpace(begin, end);
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    // A number begins with a digit, or a point and a digit. Anything else, a second sign or
    // the words from_chars would take ("inf", "nan"), is no number.
    const bool number = p < end && (isDigit(*p) || (*p == '.' && p + 1 < end && isDigit(p[1])));
    if (!number)
        return 0.0;
    const auto *first = reinterpret_cast<const char *>(p);
    const auto *last = reinterpret_cast<const char *>(end);
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(first, last, value);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range) {
        if (isTooLarge(first, result.ptr))
            return std::nullopt;
        value = 0.0;
    }
    return negative ? -value : value;
}

} // namespace zyfo
