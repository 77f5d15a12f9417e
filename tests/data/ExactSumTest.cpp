// Tests of exact sums: rounding once, ties, overflow, order and grouping, and chunk sums.
#include "ExactSum.h"
#include "PartialSum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace zyfo {
namespace {

// The exact sum as a plain two's complement binary number in units of 2^-1074, changed one bit at
// a time and rounded by reading its bits one by one: slow and plainly right.
class ReferenceSum
{
public:
    void add(double value)
    {
        int exponent = 0;
        const double fraction = std::frexp(std::fabs(value), &exponent);
        // |value| = units * 2^(exponent - 53); the bits shifted out of a subnormal are zeros.
        auto units = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
        int shift = exponent - 53 + 1074;
        for (; shift < 0; ++shift)
            units >>= 1;
        for (int bit = 0; bit < 64; ++bit)
            if ((units >> bit & 1) != 0)
                addPowerOfTwo(shift + bit, value < 0);
    }

    double value() const
    {
        ReferenceSum magnitude = *this;
        const bool negative = magnitude.bit(kBits - 1);
        if (negative) {
            for (std::uint32_t &digit : magnitude.m_digits)
                digit = ~digit;
            magnitude.addPowerOfTwo(0, false);
        }
        int highest = kBits - 1;
        while (highest >= 0 && !magnitude.bit(highest))
            --highest;
        if (highest < 0)
            return 0.0;
        const int lowest = std::max(highest - 52, 0);
        std::uint64_t mantissa = 0;
        for (int i = highest; i >= lowest; --i)
            mantissa = 2 * mantissa + (magnitude.bit(i) ? 1 : 0);
        const bool half = lowest > 0 && magnitude.bit(lowest - 1);
        bool below = false;
        for (int i = 0; i < lowest - 1; ++i)
            below = below || magnitude.bit(i);
        if (half && (below || mantissa % 2 == 1))
            ++mantissa;
        const double rounded = std::ldexp(static_cast<double>(mantissa), lowest - 1074);
        return negative ? -rounded : rounded;
    }

private:
    static constexpr int kBits = 32 * 80;

    bool bit(int i) const { return (m_digits[i / 32] >> (i % 32) & 1) != 0; }

    void addPowerOfTwo(int bit, bool subtract)
    {
        std::uint64_t carry = std::uint64_t{1} << (bit % 32);
        for (std::size_t i = static_cast<std::size_t>(bit / 32); i < m_digits.size() && carry;
             ++i) {
            const std::uint64_t digit = m_digits[i];
            const std::uint64_t result = subtract ? digit - carry : digit + carry;
            m_digits[i] = static_cast<std::uint32_t>(result);
            carry = subtract ? (digit < carry ? 1 : 0) : result >> 32;
        }
    }

    std::vector<std::uint32_t> m_digits = std::vector<std::uint32_t>(kBits / 32);
};

std::uint64_t bitsOf(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// The sum of `values` added in order to a `Sum`: ExactSum or ReferenceSum.
template<class Sum>
double sumOf(const std::vector<double> &values)
{
    Sum sum;
    for (double value : values)
        sum.add(value);
    return sum.value();
}

// Adds values[first, end) to `sum` through their partial sum, or one by one when it did not
// stay exact.
void addChunk(ExactSum &sum, const PartialSum &part, const std::vector<double> &values,
              std::size_t first, std::size_t end)
{
    if (part.isExact()) {
        sum.add(part);
        return;
    }
    for (std::size_t i = first; i < end; ++i)
        sum.add(values[i]);
}

// The sum through chunk sums of `chunk` values each.
double chunkedSumOf(const std::vector<double> &values, std::size_t chunk)
{
    ExactSum sum;
    for (std::size_t first = 0; first < values.size(); first += chunk) {
        const std::size_t end = std::min(first + chunk, values.size());
        PartialSum part;
        for (std::size_t i = first; i < end; ++i)
            part.add(values[i]);
        addChunk(sum, part, values, first, end);
    }
    return sum.value();
}

// The same through chunks of 64 whose sums are gathered from sums of 8 values each.
double mergedSumOf(const std::vector<double> &values)
{
    ExactSum sum;
    for (std::size_t first = 0; first < values.size(); first += 64) {
        const std::size_t end = std::min(first + 64, values.size());
        PartialSum chunk;
        for (std::size_t part = first; part < end; part += 8) {
            PartialSum eight;
            for (std::size_t i = part; i < std::min(part + 8, end); ++i)
                eight.add(values[i]);
            chunk.add(eight);
        }
        addChunk(sum, chunk, values, first, end);
    }
    return sum.value();
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

// Any finite double: every exponent, subnormals included, and either sign.
double anyDouble(std::mt19937_64 &random)
{
    const std::uint64_t biased = std::uniform_int_distribution<std::uint64_t>(0, 2046)(random);
    return std::bit_cast<double>((random() & 0x800FFFFFFFFFFFFF) | biased << 52);
}

// A double with a random sign, a magnitude between `low` and `high` and random mantissa bits below
// its leading one.
double doubleBetween(std::mt19937_64 &random, double low, double high)
{
    const double magnitude =
        std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
    const std::uint64_t bits = bitsOf(magnitude);
    const std::uint64_t below = magnitude < DBL_MIN ? std::bit_floor(bits) - 1 : 0xFFFFFFFFFFFFF;
    return std::bit_cast<double>((bits & ~below) | (random() & below) | (random() & 1) << 63);
}

TEST(ExactSum, WorkedSumsRoundOnce)
{
    struct Case
    {
        std::vector<double> values;
        double sum;
    };
    const double p53 = std::ldexp(1.0, 53);
    const Case cases[] = {
        {{}, 0.0},
        {{-0.0, -0.0}, 0.0},
        {{0.5, -0.5}, 0.0},
        // Step by step 0.1 + 0.2 - 0.3 gives 2^-54; exactly it is 2^-55.
        {{0.1, 0.2, -0.3}, std::ldexp(1.0, -55)},
        {{1e16, 1.0, -1e16}, 1.0},
        // Ties go to the even neighbour; anything beyond a tie rounds away from it.
        {{1.0, std::ldexp(1.0, -53)}, 1.0},
        {{1.0, std::ldexp(1.0, -53), kTiny}, 1.0 + DBL_EPSILON},
        {{1.0 + DBL_EPSILON, std::ldexp(1.0, -53)}, 1.0 + 2 * DBL_EPSILON},
        {{1.0, -std::ldexp(1.0, -54)}, 1.0},
        {{p53, 1.0}, p53},
        {{p53, 1.0, 1.0}, p53 + 2},
        {{-p53, -1.0, -1.0, -1.0}, -p53 - 4},
        // Subnormals and the smallest normal numbers.
        {{kTiny, kTiny, kTiny}, 3 * kTiny},
        {{DBL_MIN, -kTiny}, DBL_MIN - kTiny},
        {{DBL_MAX, -DBL_MAX, kTiny}, kTiny},
        {{-kTiny, DBL_MIN}, std::nextafter(DBL_MIN, 0.0)},
        // Overflow, also undone by cancellation.
        {{DBL_MAX, DBL_MAX}, kInf},
        {{-DBL_MAX, -DBL_MAX}, -kInf},
        {{DBL_MAX, DBL_MAX, -DBL_MAX}, DBL_MAX},
        {{1e308, 1e308, 1e308, -1e308, -1e308}, 1e308},
        {{DBL_MAX, std::ldexp(1.0, 970)}, kInf},
        {{DBL_MAX, std::ldexp(1.0, 970), -kTiny}, DBL_MAX},
        {{-DBL_MAX, -std::ldexp(1.0, 970)}, -kInf},
        {{DBL_MAX, std::ldexp(1.0, 969)}, DBL_MAX},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(bitsOf(sumOf<ExactSum>(c.values)), bitsOf(c.sum)) << "case with sum " << c.sum;
        EXPECT_EQ(bitsOf(sumOf<ReferenceSum>(c.values)), bitsOf(c.sum))
            << "reference, sum " << c.sum;
    }
}

TEST(ExactSum, RandomSumsEqualTheReferenceInAnyOrderAndGrouping)
{
    struct Case
    {
        const char *name;
        std::size_t count;
        double (*value)(std::mt19937_64 &random);
    };
    const Case cases[] = {
        {"any doubles", 3000, anyDouble},
        {"mixed magnitudes", 3000,
         [](std::mt19937_64 &r) { return doubleBetween(r, 1e-30, 1e30); }},
        {"sensor values", 10000, [](std::mt19937_64 &r) { return doubleBetween(r, 1e-6, 1e7); }},
        {"near DBL_MAX", 3000, [](std::mt19937_64 &r) { return doubleBetween(r, 1e306, DBL_MAX); }},
        {"subnormals", 3000, [](std::mt19937_64 &r) { return doubleBetween(r, kTiny, 1e-305); }},
    };
    std::mt19937_64 random(20240611);
    for (const Case &c : cases) {
        for (int round = 0; round < 3; ++round) {
            std::vector<double> values;
            for (std::size_t i = 0; i < c.count; ++i)
                values.push_back(c.value(random));
            // Heavy cancellation on every second round: each value with its negation and a
            // few tiny ones, so that only the tiny ones are left.
            if (round == 1) {
                const std::size_t count = values.size();
                for (std::size_t i = 0; i < count; ++i)
                    values.push_back(-values[i]);
                for (int i = 0; i < 5; ++i)
                    values.push_back(doubleBetween(random, kTiny, 1e-315));
            }
            const double expected = sumOf<ReferenceSum>(values);
            SCOPED_TRACE(testing::Message()
                         << c.name << ", round " << round << ", sum " << std::hexfloat << expected);
            EXPECT_EQ(bitsOf(sumOf<ExactSum>(values)), bitsOf(expected));
            for (std::size_t chunk : {1, 7, 64})
                EXPECT_EQ(bitsOf(chunkedSumOf(values, chunk)), bitsOf(expected)) << chunk;
            EXPECT_EQ(bitsOf(mergedSumOf(values)), bitsOf(expected)) << "merged";
            std::shuffle(values.begin(), values.end(), random);
            EXPECT_EQ(bitsOf(sumOf<ExactSum>(values)), bitsOf(expected)) << "shuffled";
            EXPECT_EQ(bitsOf(chunkedSumOf(values, 64)), bitsOf(expected)) << "shuffled";
        }
    }
}

TEST(ExactSum, MillionsOfAdditionsStayExact)
{
    // 2^22 equal additions give the value times 2^22 exactly, far beyond the additions a limb
    // can take without its carries being settled. A mantissa of ones between 2 and 4 puts the
    // most into one limb.
    constexpr int kAdditions = 1 << 22;
    const double values[] = {-std::nextafter(4.0, 0.0), 0.1, DBL_MAX / 8388608, -3 * kTiny};
    for (double value : values) {
        ExactSum sum;
        for (int i = 0; i < kAdditions; ++i)
            sum.add(value);
        EXPECT_EQ(bitsOf(sum.value()), bitsOf(std::ldexp(value, 22))) << value;
    }
    PartialSum part;
    part.add(1e7 - 0.01);
    part.add(-1e-6);
    ExactSum once;
    once.add(part);
    ExactSum sum;
    for (int i = 0; i < kAdditions; ++i)
        sum.add(part);
    EXPECT_EQ(bitsOf(sum.value()), bitsOf(std::ldexp(once.value(), 22)));
    sum.clear();
    EXPECT_EQ(bitsOf(sum.value()), bitsOf(0.0));
}

TEST(PartialSum, KeepsTheHighestExponentAndTurnsInexactWhenBitsWouldBeLost)
{
    struct Case
    {
        std::vector<double> values;
        bool exact;
        std::int64_t high = 0; // the mantissa
        std::uint64_t low = 0;
        int exponent = 0;
    };
    const std::uint64_t top = std::uint64_t{1} << 62; // 2^126 in the high word
    const double twoToMinus126 = std::ldexp(1.0, -126);
    const Case cases[] = {
        {{}, true, 0, 0, 0},
        {{0.0, -0.0}, true, 0, 0, 0},
        {{0.75}, true, 0, 3, -2},
        {{6.0}, true, 0, 3, 1},
        {{-0.75}, true, -1, ~std::uint64_t{2}, -2},
        {{6.0, 0.75}, true, 0, 27, -2},
        {{0.75, -0.75, 6.0}, true, 0, 3, 1},
        {{kTiny}, true, 0, 1, -1074},
        {{DBL_MAX}, true, 0, (std::uint64_t{1} << 53) - 1, 971},
        {{std::ldexp(1.0, 1023)}, true, 0, 1, 1023},
        {{1.0, twoToMinus126}, true, static_cast<std::int64_t>(top), 1, -126},
        {{-twoToMinus126, -1.0},
         true,
         -static_cast<std::int64_t>(top) - 1,
         ~std::uint64_t{0},
         -126},
        {{1.0, twoToMinus126 / 2}, false},
        {{twoToMinus126 / 2, 1.0}, false},
        {{1.0, twoToMinus126, -1.0}, true, 0, 1, -126},
        {{1.0, twoToMinus126, 1.0}, false},
        {{-1.0, twoToMinus126, -1.0}, true, std::numeric_limits<std::int64_t>::min(), 1, -126},
        {{-1.0, twoToMinus126, -1.0, -twoToMinus126}, false},
        // 2^127 at exponent 0 does not fit, though the sum after the last value would.
        {{std::ldexp(1.0, 126), std::ldexp(1.0, 126), -1.0}, false},
        {{1e300, 1e-300}, false},
        // Once inexact it stays so, even when what follows would fit.
        {{1e300, 1e-300, -1e300, 1.0}, false},
    };
    for (const Case &c : cases) {
        PartialSum sum;
        for (double value : c.values)
            sum.add(value);
        const std::size_t index = static_cast<std::size_t>(&c - cases);
        ASSERT_EQ(sum.isExact(), c.exact) << "case " << index;
        if (!c.exact)
            continue;
        EXPECT_EQ(sum.mantissaHigh(), c.high) << "case " << index;
        EXPECT_EQ(sum.mantissaLow(), c.low) << "case " << index;
        EXPECT_EQ(sum.exponent(), c.exponent) << "case " << index;
    }
    PartialSum cleared;
    cleared.add(1e300);
    cleared.add(1e-300);
    cleared.clear();
    cleared.add(0.75);
    EXPECT_TRUE(cleared.isExact());
    EXPECT_EQ(cleared.mantissaLow(), 3u);
    EXPECT_EQ(cleared.exponent(), -2);

    // Adding sums: a sum too wide for 127 bits, or an inexact one on either side, is inexact; an
    // empty one changes nothing, not even the exponent.
    const auto sumOfOne = [](double value) {
        PartialSum sum;
        sum.add(value);
        return sum;
    };
    PartialSum far = sumOfOne(1e300);
    far.add(sumOfOne(1e-300));
    EXPECT_FALSE(far.isExact());
    PartialSum one = sumOfOne(1.0);
    one.add(far);
    EXPECT_FALSE(one.isExact());
    far.add(sumOfOne(1.0));
    EXPECT_FALSE(far.isExact());
    PartialSum six = sumOfOne(6.0);
    six.add(PartialSum());
    six.add(sumOfOne(0.75));
    ASSERT_TRUE(six.isExact());
    EXPECT_EQ(six.mantissaLow(), 27u);
    EXPECT_EQ(six.exponent(), -2);
}

TEST(PartialSum, SixtyFourSensorValuesStayExact)
{
    // The widest such chunk: 63 values just below 1e7 and one whose lowest bit is the lowest a
    // value above 1e-6 can have.
    std::vector<double> widest(63, std::nextafter(1e7, 0.0));
    widest.push_back(std::bit_cast<double>(bitsOf(1e-6) | 1));
    std::vector<std::vector<double>> chunks{widest};
    std::mt19937_64 random(64);
    for (int i = 0; i < 2000; ++i) {
        std::vector<double> chunk;
        for (int j = 0; j < 64; ++j)
            chunk.push_back(random() % 8 == 0 ? 0.0 : doubleBetween(random, 1e-6, 1e7));
        chunks.push_back(chunk);
    }
    for (const std::vector<double> &chunk : chunks) {
        // Added one by one, and as two sums split at any point.
        PartialSum part;
        PartialSum before;
        PartialSum after;
        const std::size_t split = random() % 65;
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            part.add(chunk[i]);
            (i < split ? before : after).add(chunk[i]);
        }
        before.add(after);
        ASSERT_TRUE(part.isExact()) << std::hexfloat << chunk[0] << " " << chunk[63];
        ASSERT_TRUE(before.isExact()) << split;
        const double expected = sumOf<ReferenceSum>(chunk);
        for (const PartialSum &whole : {part, before}) {
            ExactSum sum;
            sum.add(whole);
            EXPECT_EQ(bitsOf(sum.value()), bitsOf(expected)) << split;
        }
    }
}

} // namespace
} // namespace zyfo
