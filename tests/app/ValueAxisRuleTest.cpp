// Tests of the value-axis rules: limits per kind, up-down steps, and From/To commits.
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

TEST(ValueAxisLimits, FollowTheKindsTable)
{
    expectLimits(valueAxisLimits(ChannelKind::Temperature, -25, 30), -25, 29, -24, 30);
    expectLimits(valueAxisLimits(ChannelKind::DewPoint, -25, 30), -25, 29, -24, 30);
    expectLimits(valueAxisLimits(ChannelKind::Pressure, 900, 1100), 0, 1099, 1, 1100);
    expectLimits(valueAxisLimits(ChannelKind::RelativeHumidity, 86, 100), 0, 99, 1, 100);
    expectLimits(valueAxisLimits(ChannelKind::WindDirection, 10, 200), 0, 359, 1, 360);
    expectLimits(valueAxisLimits(ChannelKind::BinaryInput, 0, 5), 0, 0, 1, 1);
    expectLimits(valueAxisLimits(ChannelKind::WindSpeed, 3, 40), 0, 39, 1, 40);
    expectLimits(valueAxisLimits(ChannelKind::RadiationUmol, 0, 2000), 0, 1999, 1, 2000);
}

TEST(ValueAxisLimits, NeverEmptyForGroupsWithOnlyNegativeReadings)
{
    // All pressures negative: the display maximum is below the fixed lower end 0.
    expectLimits(valueAxisLimits(ChannelKind::Pressure, 0, -46), 0, 0, 1, 1);
    expectLimits(valueAxisLimits(ChannelKind::Temperature, 5, 5), 5, 5, 6, 6);
}

TEST(SteppedNumber, StepsByTheSignAndSaturates)
{
    EXPECT_EQ(steppedNumber(5, 1), 6);
    EXPECT_EQ(steppedNumber(5, -1), 4);
    EXPECT_EQ(steppedNumber(5, 0), 4);
    EXPECT_EQ(steppedNumber(INT_MAX, 1), INT_MAX);
    EXPECT_EQ(steppedNumber(INT_MIN, -1), INT_MIN);
}

const ValueAxisLimits kHumidity = valueAxisLimits(ChannelKind::RelativeHumidity, 86, 100);

TEST(CommitFrom, ClampsAndRaisesTo)
{
    // 500 typed into humidity's From: From becomes 99, To is at least 100.
    ValueAxisCommit c = commitFrom(500, 60, kHumidity, true);
    EXPECT_EQ(c.from, 99);
    EXPECT_EQ(c.to, 100);
    EXPECT_TRUE(c.fromWritten);
    EXPECT_TRUE(c.toWritten);

    c = commitFrom(-3, 60, kHumidity, true);
    EXPECT_EQ(c.from, 0);
    EXPECT_EQ(c.to, 60);
    EXPECT_FALSE(c.toWritten);

    // From equal to To: To goes one above.
    c = commitFrom(40, 40, kHumidity, true);
    EXPECT_EQ(c.from, 40);
    EXPECT_EQ(c.to, 41);
    EXPECT_TRUE(c.toWritten);
}

TEST(CommitTo, ClampsAndLowersFrom)
{
    ValueAxisCommit c = commitTo(0, 50, kHumidity, true);
    EXPECT_EQ(c.to, 1);
    EXPECT_EQ(c.from, 0);
    EXPECT_TRUE(c.fromWritten);

    // To equal to From at the top of the range: From is lowered to To - 1.
    c = commitTo(100, 100, kHumidity, true);
    EXPECT_EQ(c.to, 100);
    EXPECT_EQ(c.from, 99);

    c = commitTo(250, 10, kHumidity, true);
    EXPECT_EQ(c.to, 100);
    EXPECT_EQ(c.from, 10);
    EXPECT_FALSE(c.fromWritten);
}

TEST(Commit, BinaryInputAllowsOnlyZeroAndOne)
{
    const ValueAxisLimits binary = valueAxisLimits(ChannelKind::BinaryInput, 0, 5);
    for (int typed : {-5, 0, 1, 7}) {
        const ValueAxisCommit from = commitFrom(typed, 1, binary, true);
        EXPECT_EQ(from.from, 0);
        EXPECT_EQ(from.to, 1);
        const ValueAxisCommit to = commitTo(typed, 0, binary, true);
        EXPECT_EQ(to.from, 0);
        EXPECT_EQ(to.to, 1);
    }
}

TEST(Commit, EndsWithFromBelowToForEveryTypedValue)
{
    const ValueAxisLimits limits = valueAxisLimits(ChannelKind::Temperature, -10, 30);
    for (int other = -20; other <= 40; other += 3)
        for (int typed : {INT_MIN, -11, -10, 0, 29, 30, 31, INT_MAX}) {
            const ValueAxisCommit from = commitFrom(typed, other, limits, true);
            EXPECT_LT(from.from, from.to) << typed << " " << other;
            const ValueAxisCommit to = commitTo(typed, other, limits, true);
            EXPECT_LT(to.from, to.to) << typed << " " << other;
        }
}

TEST(Commit, WithoutClampingTakesTheValueAsItIs)
{
    ValueAxisCommit c = commitFrom(500, 10, kHumidity, false);
    EXPECT_EQ(c.from, 500);
    EXPECT_EQ(c.to, 10);
    EXPECT_FALSE(c.toWritten);
    c = commitTo(-8, 50, kHumidity, false);
    EXPECT_EQ(c.to, -8);
    EXPECT_EQ(c.from, 50);
    EXPECT_FALSE(c.fromWritten);
}

} // namespace
} // namespace zyfo
