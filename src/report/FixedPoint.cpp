// printf-exact "%.Nf" formatting of doubles for report cells, without printf's cost.
#include "FixedPoint.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zyfo {

namespace {

constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000};
// Below 2^30, a value's binary mantissa (< 2^53) times 10^3 (< 2^10) fits in 64 bits, and so
// does an integer value times 10^3.
constexpr double kFastLimit = 1e9;

// round-half-even(|value| * 10^decimals), exactly, for a finite |value| < kFastLimit.
std::uint64_t scaledMagnitude(double value, int decimals)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074; // subnormal: mantissa * 2^-1074
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const std::uint64_t product = mantissa * kPowersOfTen[decimals];
    if (exponent >= 0)
        return product << exponent;
    // |value| * 10^decimals = product / 2^shift; product < 2^63, so from a shift of 64 on the
    // quotient is below one half and rounds to 0.
    const int shift = -exponent;
    if (shift >= 64)
        return 0;
    std::uint64_t quotient = product >> shift;
    const std::uint64_t remainder = product & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

} // namespace

void appendFixedPoint(std::string &out, double value, int decimals, std::string_view point)
{
    if (!std::isfinite(value) || std::fabs(value) >= kFastLimit) {
        // 400 characters hold any double in fixed notation (at most 309 integer digits).
        char text[400];
        char *end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
        const std::string_view written(text, static_cast<std::size_t>(end - text));
        const std::size_t dot = written.find('.');
        if (dot == std::string_view::npos) {
            out += written;
            return;
        }
        out += written.substr(0, dot);
        out += point;
        out += written.substr(dot + 1);
        return;
    }
    const std::uint64_t scaled = scaledMagnitude(value, decimals);
    char digits[24];
    char *end = std::to_chars(digits, digits + sizeof digits, scaled).ptr;
    const auto length = static_cast<int>(end - digits);
    // The cell is put together here and appended once: sign, whole part (at least one digit,
    // "0.05" for a scaled 5), point, decimals.
    char cell[48];
    char *at = cell;
    if (std::signbit(value))
        *at++ = '-';
    if (length <= decimals) {
        *at++ = '0';
    } else {
        at = std::copy(digits, end - decimals, at);
    }
    if (decimals > 0) {
        out.append(cell, static_cast<std::size_t>(at - cell));
        out += point;
        at = cell;
        at = std::fill_n(at, std::max(decimals - length, 0), '0');
        at = std::copy(std::max(end - decimals, static_cast<char *>(digits)), end, at);
    }
    out.append(cell, static_cast<std::size_t>(at - cell));
}

} // namespace zyfo
