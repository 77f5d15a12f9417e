// Tests of the live-update rules: the timer period and the first of the newest rows.
#include "LiveUpdateSettings.h"

#include <gtest/gtest.h>

#include <climits>

namespace zyfo {
namespace {

TEST(LiveUpdateSettings, DefaultsOfACleanAccount)
{
    const LiveUpdateSettings s;
    EXPECT_EQ(s.period, 5);
    EXPECT_EQ(s.on, 0);
    EXPECT_EQ(s.lastCount, 100);
    EXPECT_EQ(s.lastOn, 0);
}

TEST(LiveUpdateSettings, TimerElapseInMillisecondsWithinATimersReach)
{
    LiveUpdateSettings s;
    EXPECT_EQ(s.timerElapse(), 5000);
    s.period = 10000;
    EXPECT_EQ(s.timerElapse(), 10000000);
    s.period = 0;
    EXPECT_EQ(s.timerElapse(), 1000);
    s.period = -30;
    EXPECT_EQ(s.timerElapse(), 1000);
    s.period = INT_MAX;
    EXPECT_EQ(s.timerElapse(), INT_MAX);
}

TEST(LiveUpdateSettings, FirstShownRowOfTheNewestRows)
{
    LiveUpdateSettings s;
    EXPECT_EQ(s.firstShownRow(499), 400); // the newest 100 of 500 rows
    EXPECT_EQ(s.firstShownRow(99), 0);
    EXPECT_EQ(s.firstShownRow(42), 0); // fewer rows than N: all of them
    EXPECT_EQ(s.firstShownRow(0), 0);
    s.lastCount = 1;
    EXPECT_EQ(s.firstShownRow(7), 7);
    // Counts set by hand below 1 would point past the last row.
    s.lastCount = 0;
    EXPECT_EQ(s.firstShownRow(7), 7);
    s.lastCount = INT_MIN;
    EXPECT_EQ(s.firstShownRow(INT_MAX), INT_MAX);
    s.lastCount = INT_MAX;
    EXPECT_EQ(s.firstShownRow(INT_MAX - 1), 0);
}

} // namespace
} // namespace zyfo
