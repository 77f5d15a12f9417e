// Tests of stamp texts and time values: normalisation, clock changes and agreement with mktime.
#include "StampConverter.h"

#include "StampFields.h"
#include "TimeZoneGuard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

namespace zyfo {
namespace {

Stamp stampOf(const char *text)
{
    Stamp stamp{};
    std::copy(text, text + kStampLength, stamp.begin());
    return stamp;
}

// The stamp of a date and time whose fields keep their digits; the second may be any two
// characters.
Stamp stampAt(int year, int month, int day, int hour, int minute, char tens = '0', char ones = '0')
{
    Stamp stamp{};
    const int fields[] = {year / 100, year % 100, month, day, hour, minute};
    for (std::size_t i = 0; i < 6; ++i) {
        stamp[2 * i] = static_cast<char>('0' + fields[i] / 10);
        stamp[2 * i + 1] = static_cast<char>('0' + fields[i] % 10);
    }
    stamp[12] = tens;
    stamp[13] = ones;
    return stamp;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// A stamp with the time value expected for it.
struct Expected
{
    Stamp stamp;
    std::time_t time;
};

// Every minute of the years, in order, with what mktime gives when called for each in turn.
std::vector<Expected> everyMinuteByMktime(int firstYear, int lastYear)
{
    std::vector<Expected> minutes;
    for (int year = firstYear; year <= lastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= daysInMonth(year, month); ++day)
                for (int hour = 0; hour < 24; ++hour)
                    for (int minute = 0; minute < 60; ++minute) {
                        std::tm tm = fieldsTm(year, month, day, hour, minute, 0);
                        minutes.push_back(
                            {stampAt(year, month, day, hour, minute), std::mktime(&tm)});
                    }
    return minutes;
}

// How many stamps convert to another time than expected; the first few are reported.
int mismatches(const std::vector<Expected> &expected)
{
    StampConverter converter;
    int count = 0;
    for (const Expected &e : expected) {
        const std::time_t time = converter.toTime(e.stamp);
        if (time != e.time && ++count <= 5)
            ADD_FAILURE() << std::string(e.stamp.begin(), e.stamp.end()) << ": " << time
                          << " instead of " << e.time;
    }
    return count;
}

TEST(StampConverter, TextsComeFromTheCharacters)
{
    EXPECT_EQ(dateText(stampOf("20061205143000")), "2006.12.05");
    EXPECT_EQ(timeText(stampOf("20061205143000")), "14:30:00");
    EXPECT_EQ(dateText(stampOf("20061305996199")), "2006.13.05");
    EXPECT_EQ(timeText(stampOf("2006130599a1x9")), "99:a1:x9");
}

TEST(StampConverter, TimeIsTheLocalMomentOfTheFieldsNormalisedAsMktimeDoes)
{
    struct Case
    {
        const char *zone;
        const char *stamp;
    };
    // None of these local times is skipped or passed twice, so mktime's answer does not depend on
    // its earlier calls. Fields out of range are compared at random below; here are the years
    // the random stamps do not reach and the seconds at a clock change.
    const Case cases[] = {
        {"UTC", "20061305000000"},                             // month 13: January 2007
        {"Europe/Warsaw", "2006/205120000"},                   // month -8 ('/' counts -1)
        {"UTC", "200612051430:0"},                             // second 100 (':' counts 10)
        {"Australia/Lord_Howe", "\177\177\177\1770101000000"}, // year 87769
        {"Europe/Warsaw", "\200\200\200\2000101120000"},       // year -195536
        {"Europe/Warsaw", "//////////////"},                   // every field -11, year -1111
        // mktime takes the zone's offset at the second held to 0..59: 03:00 less ten seconds
        // on the night the clocks go forward is 00:59:50 UTC, not the skipped 02:59:50.
        {"Europe/Warsaw", "202303260300/0"},
        // 01:59:59 in summer time, and 40 seconds on: the first pass of the hour repeated.
        {"Europe/Warsaw", "20231029015999"},
    };
    for (const Case &c : cases) {
        TimeZoneGuard zone(c.zone);
        const Stamp stamp = stampOf(c.stamp);
        std::tm tm = stampTm(stamp);
        EXPECT_EQ(StampConverter().toTime(stamp), std::mktime(&tm)) << c.zone << " " << c.stamp;
    }
    TimeZoneGuard zone("Europe/Warsaw");
    EXPECT_EQ(StampConverter().toTime(stampOf("20061205143000")), 1165325400); // 13:30 UTC
    EXPECT_EQ(StampConverter().toTime(stampOf("202303260300/0")), 1679792390); // 00:59:50 UTC
    // Times are 64 bits wide: 2100 lies past the 32-bit end of time.
    EXPECT_EQ(StampConverter().toTime(stampOf("21000101000000")), 4102441200);
}

TEST(StampConverter, TimesPassedTwiceOrSkippedDoNotDependOnEarlierConversions)
{
    // mktime settles a local time that the clocks pass twice, or skip, by the offset of its
    // previous call; a stamp must convert the same whatever was converted before it.
    struct Case
    {
        const char *zone;
        const char *summer;
        const char *winter;
        const char *stamp;
        std::time_t expected;
    };
    const Case cases[] = {
        // Passed twice: the first moment, in summer time.
        {"Europe/Warsaw", "20060705120000", "20061205120000", "20061029023000", 1162081800},
        {"America/Santiago", "20230115120000", "20230715120000", "20230401233000", 1680402600},
        {"Australia/Lord_Howe", "20230115120000", "20230715120000", "20230402014500", 1680360300},
        // The first moment also where the clocks go back into a winter time that the zone's
        // data marks as daylight saving time.
        {"Europe/Dublin", "20230715120000", "20230115120000", "20231029013000", 1698539400},
        // Skipped: read as standard time.
        {"Europe/Warsaw", "20060705120000", "20061205120000", "20060326023000", 1143336600},
        {"America/Santiago", "20230115120000", "20230715120000", "20230903003000", 1693715400},
        {"Australia/Lord_Howe", "20230115120000", "20230715120000", "20231001021500", 1696088700},
        // Where the zone's data marks winter time as daylight saving time, the standard time of
        // the data is summer time: 01:30 is read as 00:30 UTC, the minute mktime gives in order.
        {"Europe/Dublin", "20230715120000", "20230115120000", "20230326013000", 1679790600},
    };
    for (const Case &c : cases) {
        TimeZoneGuard zone(c.zone);
        for (const char *before : {c.summer, c.winter}) {
            std::tm tm = stampTm(stampOf(before));
            std::mktime(&tm);
            StampConverter converter;
            converter.toTime(stampOf(before));
            EXPECT_EQ(converter.toTime(stampOf(c.stamp)), c.expected)
                << c.zone << " " << c.stamp << " after " << before;
            EXPECT_EQ(StampConverter().toTime(stampOf(c.stamp)), c.expected)
                << c.zone << " " << c.stamp;
        }
    }
}

TEST(StampConverter, EveryMinuteIsWhatMktimeGivesWhenCalledInOrder)
{
    // Santiago's clocks change at midnight, Lord Howe's by half an hour.
    for (const char *zone : {"Europe/Warsaw", "America/Santiago", "Australia/Lord_Howe", "UTC"})
        for (const int firstYear : {2006, 2022}) {
            TimeZoneGuard guard(zone);
            const std::vector<Expected> inOrder = everyMinuteByMktime(firstYear, firstYear + 2);
            std::vector<Expected> shuffled = inOrder;
            std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20240115));
            // Two converters at once, as the reader's two threads use them.
            int shuffledMismatches = 0;
            std::thread other([&] { shuffledMismatches = mismatches(shuffled); });
            const int inOrderMismatches = mismatches(inOrder);
            other.join();
            EXPECT_EQ(inOrderMismatches, 0) << zone << " " << firstYear << " in order";
            EXPECT_EQ(shuffledMismatches, 0) << zone << " " << firstYear << " shuffled";
        }
}

TEST(StampConverter, RandomStampsAreWhatMktimeGivesAfterTheDayBefore)
{
    // mktime called first for the same fields a day earlier takes the offset of before any
    // clock change of the day, as when it converts in order.
    const auto inOrder = [](const Stamp &stamp) {
        std::tm dayBefore = stampTm(stamp);
        --dayBefore.tm_mday;
        std::mktime(&dayBefore);
        std::tm tm = stampTm(stamp);
        return std::mktime(&tm);
    };
    std::mt19937 random(7);
    const auto anyOf = [&random](const char *characters) {
        const std::string_view set(characters);
        return set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(random)];
    };
    for (const char *zone : {"Europe/Warsaw", "America/Santiago", "Australia/Lord_Howe", "UTC"}) {
        TimeZoneGuard guard(zone);
        StampConverter converter;
        std::vector<Stamp> stamps;
        // Years 10xx, 19xx, 20xx and 29xx, then any characters from '/' (-1) to ':' (10).
        for (int i = 0; i < 20000; ++i) {
            Stamp stamp{anyOf("12"), anyOf("09"), anyOf("0123456789"), anyOf("0123456789")};
            std::generate(stamp.begin() + 4, stamp.end(), [&] { return anyOf("/0123456789:"); });
            stamps.push_back(stamp);
        }
        // Every minute of the hours around midnight and 02:00 of the days of the year the
        // clocks may change, with seconds from -1936 to 110.
        for (int month : {3, 4, 9, 10})
            for (int day = 1; day <= 31; ++day)
                for (int minute = 0; minute < 300; ++minute)
                    stamps.push_back(stampAt(2023, month, day, (minute / 60 + 23) % 24, minute % 60,
                                             anyOf("/0123456789:\200"), anyOf("/0123456789:\200")));
        for (const Stamp &stamp : stamps)
            EXPECT_EQ(converter.toTime(stamp), inOrder(stamp))
                << zone << " " << std::string(stamp.begin(), stamp.end());
    }
}

} // namespace
} // namespace zyfo
