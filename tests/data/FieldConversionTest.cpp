// Tests of entry field conversion: atoi-like integers and locale-free decimal values.
#include "FieldConversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace zyfo {
namespace {

const std::uint8_t *bytes(const std::string &text)
{
    return reinterpret_cast<const std::uint8_t *>(text.data());
}

TEST(FieldConversion, IntegersReadLikeAtoiAndSaturate)
{
    const std::pair<std::string, int> cases[] = {{"25", 25},
                                                 {" \t-12x4", -12},
                                                 {"+7", 7},
                                                 {"", 0},
                                                 {"abc", 0},
                                                 {"--3", 0},
                                                 {"2147483647", INT_MAX},
                                                 {"99999999999999999999999", INT_MAX},
                                                 {"-2147483648", INT_MIN},
                                                 {"-99999999999999999999999", INT_MIN}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(fieldToInt(bytes(text), bytes(text) + text.size()), value) << text;
}

TEST(FieldConversion, ValuesReadWithAPointAndMissingOrNonFiniteOnesAreNone)
{
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"21.5", 21.5},
        {"  -0.25e2abc", -25.0},
        {"+.5", 0.5},
        {"7.", 7.0},
        {"21,5", 21.0},
        {"", 0.0},
        {"x1", 0.0},
        {"-", 0.0},
        {"+-5", 0.0},
        {"1e-400", 0.0},
        {"0.000000000000000000000000000001e-300", 0.0},
        {" ?12", 0.0}, // only a first "?" marks a missing reading
        {"?", std::nullopt},
        {"?12", std::nullopt},
        {"1e400", std::nullopt},
        {"-1e400", std::nullopt},
        {std::string(400, '9'), std::nullopt},
        {"0.00001e99999999999999999999", std::nullopt},
        {"inf", std::nullopt},
        {"NaN", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(fieldToValue(bytes(text), bytes(text) + text.size()), value) << text;
}

} // namespace
} // namespace zyfo
