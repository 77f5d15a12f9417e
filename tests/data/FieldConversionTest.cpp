// Tests of entry field conversion: atoi-like integers and locale-free decimal values.
#include "FieldConversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zyfo {
namespace {

int toInt(const std::string &text)
{
    const auto *b = reinterpret_cast<const std::uint8_t *>(text.data());
    return fieldToInt(b, b + text.size());
}

std::optional<double> toValue(const std::string &text)
{
    const auto *b = reinterpret_cast<const std::uint8_t *>(text.data());
    return fieldToValue(b, b + text.size());
}

TEST(FieldConversion, IntegersReadLikeAtoiAndSaturate)
{
    EXPECT_EQ(toInt("25"), 25);
    EXPECT_EQ(toInt(" \t-12x4"), -12);
    EXPECT_EQ(toInt("+7"), 7);
    EXPECT_EQ(toInt(""), 0);
    EXPECT_EQ(toInt("abc"), 0);
    EXPECT_EQ(toInt("--3"), 0);
    EXPECT_EQ(toInt("2147483647"), INT_MAX);
    EXPECT_EQ(toInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(toInt("-2147483648"), INT_MIN);
    EXPECT_EQ(toInt("-99999999999999999999999"), INT_MIN);
}

TEST(FieldConversion, ValuesReadWithAPointWhateverTheLocale)
{
    EXPECT_EQ(toValue("21.5"), 21.5);
    EXPECT_EQ(toValue("  -0.25e2abc"), -25.0);
    EXPECT_EQ(toValue("+.5"), 0.5);
    EXPECT_EQ(toValue("7."), 7.0);
    EXPECT_EQ(toValue("21,5"), 21.0);
    EXPECT_EQ(toValue(""), 0.0);
    EXPECT_EQ(toValue("x1"), 0.0);
    EXPECT_EQ(toValue("-"), 0.0);
    EXPECT_EQ(toValue("+-5"), 0.0);
    EXPECT_EQ(toValue("1e-400"), 0.0);
    EXPECT_EQ(toValue("0.000000000000000000000000000001e-300"), 0.0);
}

TEST(FieldConversion, MissingReadingsAndNonFiniteValues)
{
    EXPECT_FALSE(toValue("?"));
    EXPECT_FALSE(toValue("?12"));
    EXPECT_EQ(toValue(" ?12"), 0.0); // only a first "?" marks a missing reading
    EXPECT_FALSE(toValue("1e400"));
    EXPECT_FALSE(toValue("-1e400"));
    EXPECT_FALSE(toValue(std::string(400, '9')));
    EXPECT_FALSE(toValue("0.00001e99999999999999999999"));
    EXPECT_FALSE(toValue("inf"));
    EXPECT_FALSE(toValue("NaN"));
}

} // namespace
} // namespace zyfo
