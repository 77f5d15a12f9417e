// Tests of the value-axis rules: limits per kind, and commits that always end with From < To.
#include "ValueAxisRule.h"

#include <gtest/gtest.h>

#include <climits>

namespace zyfo {
namespace {

void expectLimits(const ValueAxisLimits &l, int fromLower, int fromUpper, int toLower, int toUpper)
{
    EXPECT_EQ(l.fromLower, fromLower);
    EXPECT_EQ(l.fromUpper, fromUpper);
    EXPECT_EQ(l.toLower, toLower);
    EXPECT_EQ(l.toUpper, toUpper);
}

TEST(ValueAxisLimits, FollowTheKindAndAreNeverEmpty)
{
    expectLimits(valueAxisLimits(ChannelKind::DewPoint, -25, 30), -25, 29, -24, 30);
    expectLimits(valueAxisLimits(ChannelKind::Pressure, 900, 1100), 0, 1099, 1, 1100);
    expectLimits(valueAxisLimits(ChannelKind::RelativeHumidity, 86, 93), 0, 99, 1, 100);
    expectLimits(valueAxisLimits(ChannelKind::WindDirection, 10, 200), 0, 359, 1, 360);
    expectLimits(valueAxisLimits(ChannelKind::BinaryInput, 0, 5), 0, 0, 1, 1);
    // Readings all negative put the display maximum below the fixed lower end 0.
    expectLimits(valueAxisLimits(ChannelKind::WindSpeed, 0, -46), 0, 0, 1, 1);
}

TEST(ValueAxisCommit, ClampedValuesAlwaysEndWithFromBelowTo)
{
    const ValueAxisLimits limits = valueAxisLimits(ChannelKind::Temperature, -10, 30);
    for (int other = -20; other <= 40; other += 3)
        for (int typed : {INT_MIN, -11, -10, 0, 29, 30, 31, INT_MAX}) {
            const ValueAxisCommit from = commitFrom(typed, other, limits, true);
            EXPECT_GE(from.from, limits.fromLower);
            EXPECT_LE(from.from, limits.fromUpper);
            EXPECT_LT(from.from, from.to) << typed << " " << other;
            EXPECT_EQ(from.toWritten, other <= from.from);
            const ValueAxisCommit to = commitTo(typed, other, limits, true);
            EXPECT_GE(to.to, limits.toLower);
            EXPECT_LE(to.to, limits.toUpper);
            EXPECT_LT(to.from, to.to) << typed << " " << other;
            EXPECT_EQ(to.fromWritten, other >= to.to);
        }
}

TEST(ValueAxisCommit, WithoutClampingTakesTheValueAsItIs)
{
    const ValueAxisLimits humidity = valueAxisLimits(ChannelKind::RelativeHumidity, 86, 93);
    const ValueAxisCommit from = commitFrom(500, 10, humidity, false);
    EXPECT_EQ(from.from, 500);
    EXPECT_FALSE(from.toWritten);
    const ValueAxisCommit to = commitTo(-8, 50, humidity, false);
    EXPECT_EQ(to.to, -8);
    EXPECT_FALSE(to.fromWritten);
}

TEST(SteppedNumber, StepsByTheSignAndSaturates)
{
    EXPECT_EQ(steppedNumber(5, 1), 6);
    EXPECT_EQ(steppedNumber(5, -1), 4);
    EXPECT_EQ(steppedNumber(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(steppedNumber(INT_MIN, -1), INT_MIN);
}

} // namespace
} // namespace zyfo
