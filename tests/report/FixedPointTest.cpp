// Tests of the fixed-point formatting of report values against printf itself.
#include "FixedPoint.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

namespace zyfo {
namespace {

std::string viaPrintf(double value, int decimals)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string formatted(double value, int decimals)
{
    std::string out;
    appendFixedPoint(out, value, decimals);
    return out;
}

TEST(FixedPoint, ReportCasesAndExactTies)
{
    EXPECT_EQ(formatted(359.6, 0), "360");
    EXPECT_EQ(formatted(-0.004, 2), "-0.00");
    EXPECT_EQ(formatted(-0.0, 2), "-0.00");
    EXPECT_EQ(formatted(0.05, 2), "0.05");
    EXPECT_EQ(formatted(1013.2, 2), "1013.20");
    // Exact binary ties round to even, as printf does; 1.005 lies below its tie.
    EXPECT_EQ(formatted(0.125, 2), "0.12");
    EXPECT_EQ(formatted(0.375, 2), "0.38");
    EXPECT_EQ(formatted(2.5, 0), "2");
    EXPECT_EQ(formatted(3.5, 0), "4");
    EXPECT_EQ(formatted(1.005, 2), "1.00");
    EXPECT_EQ(formatted(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(formatted(-std::numeric_limits<double>::infinity(), 0), "-inf");
    EXPECT_EQ(formatted(std::nan(""), 2), viaPrintf(std::nan(""), 2));
}

TEST(FixedPoint, MatchesPrintfOverEveryMagnitude)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int i = 0; i < 200000; ++i) {
        const int decimals = i % 4;
        // Half random bit patterns (every magnitude, subnormals included), half decimal-looking
        // readings near the fast path's limit and its ties.
        double value = std::bit_cast<double>(bits(random));
        if (i % 2 == 0)
            value =
                std::round(std::pow(10.0, exponent(random)) * 1000.0) / 1000.0 * (i % 3 ? 1 : -1);
        if (std::isnan(value))
            continue;
        ASSERT_EQ(formatted(value, decimals), viaPrintf(value, decimals)) << value;
    }
    for (const double edge : {999999999.995, 999999999.994999, 1e9, -1e9, 4.9e-324, 0.5, 1.5})
        for (int decimals = 0; decimals < 4; ++decimals)
            EXPECT_EQ(formatted(edge, decimals), viaPrintf(edge, decimals)) << edge;
}

} // namespace
} // namespace zyfo
