// Tests of entry fields: device names, kind codes, atoi-like integers, locale-free values.
#include "ChannelKind.h"
#include "DeviceCatalogue.h"
#include "FieldConversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <random>
#include <string>

namespace zyfo {
namespace {

TEST(DeviceCatalogue, DeviceNamesNumbersAndUnknownTypes)
{
    struct Case
    {
        int type, number;
        const char *name;
    };
    // Some types drop the number when it is 0 or less, others keep it; unknown types are "???".
    const Case cases[] = {{14, 3, "RT-350 nr 3"},
                          {107, 2, "RT-310 we. bin. 2"},
                          {18, 0, "RT-370"},
                          {18, 5, "RT-370 nr 5"},
                          {13, 0, "RT-370 nr 0"},
                          {9, 12, "??? nr 12"},
                          {-1, -2147483647 - 1, "??? nr -2147483648"}};
    for (const Case &c : cases)
        EXPECT_EQ(deviceName(c.type, c.number), c.name) << c.type << "/" << c.number;
    EXPECT_EQ(deviceName(2, 4), deviceName(21, 4));
}

TEST(DeviceCatalogue, KindCodesGiveKindPrefixAndFactor)
{
    EXPECT_EQ(kindCodeInfo(24)->kind, ChannelKind::DewPoint);
    EXPECT_EQ(kindCodeInfo(47)->kind, ChannelKind::Pressure);
    EXPECT_DOUBLE_EQ(kindCodeInfo(47)->factor, 0.01);
    EXPECT_DOUBLE_EQ(kindCodeInfo(27)->factor, 1.0);
    for (int code : {-5, 0, 22, 38, 39, 41, 44, 48, 52, 58, 1000})
        EXPECT_FALSE(kindCodeInfo(code)) << code;
    // Points of a multi-point module carry their number in front of the device name.
    for (const auto &[code, name] : std::vector<std::pair<int, std::string>>{
             {25, "RT-350 nr 3"}, {30, "#1 RT-350 nr 3"}, {37, "#8 RT-350 nr 3"}})
        EXPECT_EQ(channelName(14, 3, *kindCodeInfo(code)), name);
    EXPECT_EQ(channelName(4, 1, *kindCodeInfo(54)), "#2 RT-460 nr 1");
}

const std::uint8_t *bytes(const std::string &text)
{
    return reinterpret_cast<const std::uint8_t *>(text.data());
}

TEST(FieldConversion, IntegersReadLikeAtoiAndSaturate)
{
    const std::pair<std::string, int> cases[] = {{"25", 25},
                                                 {" \t-12x4", -12},
                                                 {"", 0},
                                                 {"--3", 0},
                                                 {"99999999999999999999999", INT_MAX},
                                                 {"-99999999999999999999999", INT_MIN}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(fieldToInt(bytes(text), bytes(text) + text.size()), value) << text;
}

TEST(FieldConversion, ValuesFollowTheNumberGrammar)
{
    // Leading white space, an optional sign, digits with an optional point and an optional
    // exponent, up to the first byte that does not fit; no number at the start gives 0.
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"21.5", 21.5},
        {" \t\n-0.25e2abc", -25.0},
        {"+7", 7.0},
        {"21,5", 21.0}, // a comma is no decimal point
        {"3 4", 3.0},   // a blank ends the number
        {".5", 0.5},    // digits after the point alone
        {"-.5", -0.5},
        {"5.", 5.0},
        {"2E3", 2000.0},
        {"1.5e-1x", 0.15},
        {"1e", 1.0}, // an exponent cut short is no exponent
        {"1e+", 1.0},
        {"7e-x", 7.0},
        {"0x1A", 0.0}, // "0", then a byte that does not fit
        {"", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"+-5", 0.0}, // a second sign is no number
        {"--5", 0.0},
        {"abc", 0.0},
        {"-x", 0.0},
        {"nan", 0.0}, // words are no number either
        {"NaN", 0.0},
        {"inf", 0.0},
        {"-inf", 0.0},
        {"infinity", 0.0},
        {"1e-400", 0.0}, // too small for a double
        {" ?12", 0.0},   // only a first "?" marks a missing reading
        {"?12", std::nullopt},
        {"?", std::nullopt},
        // Too large for a double: no finite value, so a missing reading.
        {"1e400", std::nullopt},
        {"-1e999", std::nullopt},
        {"1e99999999999999999999", std::nullopt},
        {std::string(400, '9'), std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(fieldToValue(bytes(text), bytes(text) + text.size()), value) << text;
}

TEST(FieldConversion, ShortDecimalsReadEightDigitsAtATimeAsDigitByDigit)
{
    // With 17 bytes to read a short number is read a word at a time; with fewer, digit by digit.
    // Both must stop at the same byte with the same value, for any text.
    std::mt19937 random(17);
    const std::string alphabet = "0123456789.-,$x";
    std::uniform_int_distribution<std::size_t> length(0, 16);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int trial = 0; trial < 200000; ++trial) {
        std::string text(length(random), ' ');
        for (char &c : text)
            c = alphabet[pick(random) < 10 ? pick(random) % 10 : pick(random)];
        const std::string padded = text + std::string(32, ',');
        double fast = 0.0;
        double slow = 0.0;
        const std::uint8_t *begin = bytes(padded);
        const std::uint8_t *fastEnd = scanSimpleDecimal(begin, begin + padded.size(), fast);
        const std::uint8_t *slowEnd = scanSimpleDecimal(begin, begin + text.size(), slow);
        ASSERT_EQ(fastEnd == nullptr, slowEnd == nullptr) << text;
        if (fastEnd != nullptr) {
            ASSERT_EQ(fastEnd - begin, slowEnd - begin) << text;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(fast), std::bit_cast<std::uint64_t>(slow))
                << text;
        }
    }
}

} // namespace
} // namespace zyfo
