// Tests of record encoding: negation and check bytes against the logger's worked example.
#include "RecordCodec.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

TEST(RecordCodec, ExampleRecordHasTheLoggersCheckBytes)
{
    const std::string stored = encodeRecord("20061205143000$4,1,25,21.5,0$4,1,26,45.2,0$");
    ASSERT_EQ(stored.size(), 46u);
    EXPECT_EQ(static_cast<std::uint8_t>(stored[0]), 0xCE);  // "2" stored negated
    EXPECT_EQ(static_cast<std::uint8_t>(stored[14]), 0xDC); // "$"

    std::vector<std::uint8_t> decoded(stored.begin(), stored.end());
    negateBytes(decoded);
    EXPECT_EQ(decoded[43], '@');
    EXPECT_EQ(decoded[44], '%'); // 2060 mod 253 + 1 = 37
    EXPECT_EQ(decoded[45], '5'); // 2060 mod 251 + 1 = 53
    EXPECT_TRUE(checkBytesMatch({decoded.data(), 43}, decoded[44], decoded[45]));
    std::vector<std::uint8_t> changed = decoded;
    changed[20] = '6'; // 21.5 -> 26.5, check bytes unchanged
    EXPECT_FALSE(checkBytesMatch({changed.data(), 43}, changed[44], changed[45]));
}

TEST(RecordCodec, WordAtATimeMatchesByteAtATime)
{
    // Every byte value (high ones count negative) in every position of a word, with odd
    // lengths for the tail.
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 256 * 9 + 5; ++i)
        bytes.push_back(static_cast<std::uint8_t>(i * 7 + i / 256));
    for (std::size_t length : {bytes.size(), std::size_t{13}, std::size_t{8}, std::size_t{3}}) {
        const std::span<const std::uint8_t> part(bytes.data(), length);
        long long sum = 0;
        for (std::uint8_t b : part)
            sum += static_cast<std::int8_t>(b);
        const CheckBytes check = computeCheckBytes(part);
        EXPECT_EQ(check.first, sum % 253 + 1);
        EXPECT_EQ(check.second, sum % 251 + 1);

        std::vector<std::uint8_t> negated(part.begin(), part.end());
        negateBytes(negated);
        for (std::size_t i = 0; i < length; ++i)
            ASSERT_EQ(negated[i], static_cast<std::uint8_t>(256 - part[i])) << i;
    }
}

} // namespace
} // namespace zyfo
