// Tests of report text: Windows-1250 conversion and fixed-point values against printf.
#include "Cp1250.h"
#include "FixedPoint.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace zyfo {
namespace {

TEST(Cp1250, LettersSymbolsAndOneQuestionMarkPerCharacterWithoutAByteOrBadByte)
{
    const std::pair<std::string, std::string> cases[] = {
        {"ąćęłńóśźż", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
        {"°C µmol €", "\xB0"
                      "C \xB5mol \x80"},
        {std::string("\0z", 2), std::string("\0z", 2)},
        {"a→b", "a?b"},          // U+2192
        {"x😀y", "x?y"},          // four-byte sequence
        {"a\xC5", "a?"},         // sequence cut at the end
        {"\xC0\xB0", "??"},      // overlong form of "0"
        {"\xED\xA0\x80", "???"}, // a surrogate
    };
    for (const auto &[utf8, expected] : cases)
        EXPECT_EQ(toCp1250(utf8), expected) << utf8;
}

TEST(FixedPoint, MatchesPrintfOnTiesEdgesAndASampleOfEveryMagnitude)
{
    const auto check = [](double value, int decimals) {
        char text[400];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        std::string out;
        appendFixedPoint(out, value, decimals);
        // A separator of two bytes stands where the point stood.
        std::string wanted(text);
        if (const std::size_t point = wanted.find('.'); point != std::string::npos)
            wanted.replace(point, 1, "\xA5;");
        std::string separated;
        appendFixedPoint(separated, value, decimals, "\xA5;");
        if (out != text)
            return ::testing::AssertionFailure() << value << " gave " << out;
        if (separated != wanted)
            return ::testing::AssertionFailure() << value << " gave " << separated;
        return ::testing::AssertionSuccess();
    };
    // Exact binary ties round to even; 1.005 lies below its tie; signs of zero; the fast
    // path's limit.
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (const double edge : {359.6, -0.004, -0.0, 0.125, 2.5, 1.005, inf, std::nan(""),
                              999999999.995, 999999999.994999, 4.9e-324})
        for (int decimals = 0; decimals < 4; ++decimals)
            EXPECT_TRUE(check(edge, decimals)) << decimals << " decimals";

    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int i = 0; i < 200000; ++i) {
        // Half random bit patterns (every magnitude, subnormals included), half decimal-looking
        // readings near the fast path's limit and its ties.
        double value = std::bit_cast<double>(bits(random));
        if (i % 2 == 0)
            value =
                std::round(std::pow(10.0, exponent(random)) * 1000.0) / 1000.0 * (i % 3 ? 1 : -1);
        if (std::isnan(value))
            continue;
        ASSERT_TRUE(check(value, i % 4)) << i % 4 << " decimals";
    }
}

} // namespace
} // namespace zyfo
