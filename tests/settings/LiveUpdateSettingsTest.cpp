// Tests of the live-update rules with values set by hand outside the dialog's limits.
#include "LiveUpdateSettings.h"

#include <gtest/gtest.h>

#include <climits>

namespace zyfo {
namespace {

TEST(LiveUpdateSettings, TimerElapseStaysWithinATimersReach)
{
    LiveUpdateSettings s;
    EXPECT_EQ(s.timerElapse(), 5000);
    s.period = 0;
    EXPECT_EQ(s.timerElapse(), 1000);
    s.period = INT_MAX;
    EXPECT_EQ(s.timerElapse(), INT_MAX);
}

TEST(LiveUpdateSettings, FirstShownRowNeverPassesTheLastRow)
{
    LiveUpdateSettings s;
    EXPECT_EQ(s.firstShownRow(499), 400);
    EXPECT_EQ(s.firstShownRow(42), 0);
    s.lastCount = 0;
    EXPECT_EQ(s.firstShownRow(7), 7);
    s.lastCount = INT_MIN;
    EXPECT_EQ(s.firstShownRow(INT_MAX), INT_MAX);
}

} // namespace
} // namespace zyfo
