// Tests of stamp texts and time values, including normalisation and clock changes.
#include "StampConverter.h"

#include "TimeZoneGuard.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

Stamp stampOf(const char (&text)[15])
{
    Stamp stamp{};
    std::copy(text, text + kStampLength, stamp.begin());
    return stamp;
}

std::time_t localMoment(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

TEST(StampConverter, TextsComeFromTheCharactersAndTheTimeIsTheLocalMoment)
{
    EXPECT_EQ(dateText(stampOf("20061205143000")), "2006.12.05");
    EXPECT_EQ(timeText(stampOf("20061205143000")), "14:30:00");
    EXPECT_EQ(dateText(stampOf("20061305996199")), "2006.13.05");
    EXPECT_EQ(timeText(stampOf("2006130599a1x9")), "99:a1:x9");

    TimeZoneGuard zone("Europe/Warsaw");
    StampConverter converter;
    EXPECT_EQ(converter.toTime(stampOf("20061205143000")), 1165325400); // 13:30 UTC
    EXPECT_EQ(converter.toTime(stampOf("20061205143059")), 1165325459);
    EXPECT_EQ(converter.toTime(stampOf("20060705143000")), localMoment(2006, 7, 5, 14, 30, 0));
    // Times are 64 bits wide: 2100 lies past the 32-bit end of time.
    EXPECT_EQ(converter.toTime(stampOf("21000101000000")), 4102441200);
}

TEST(StampConverter, OutOfRangeFieldsAreNormalised)
{
    TimeZoneGuard zone("UTC");
    StampConverter converter;
    EXPECT_EQ(converter.toTime(stampOf("20061305000000")), localMoment(2007, 1, 5, 0, 0, 0));
    EXPECT_EQ(converter.toTime(stampOf("20061205147000")), localMoment(2006, 12, 5, 15, 10, 0));
    // No digit check: ':' is code 58, one above '9'.
    EXPECT_EQ(converter.toTime(stampOf("200612051430:0")), localMoment(2006, 12, 5, 14, 30, 100));
}

TEST(StampConverter, ClockChangeHoursMatchMktime)
{
    TimeZoneGuard zone("Europe/Warsaw");
    StampConverter converter;
    // 2023-03-26 02:00 local does not exist; 2023-10-29 02:00-03:00 happens twice.
    for (const char *text : {"20230326013000", "20230326023000", "20230326033000", "20231029013000",
                             "20231029033000"}) {
        Stamp stamp{};
        std::copy(text, text + kStampLength, stamp.begin());
        const auto f = [&](int from, int len) { return std::stoi(std::string(text + from, len)); };
        EXPECT_EQ(converter.toTime(stamp),
                  localMoment(f(0, 4), f(4, 2), f(6, 2), f(8, 2), f(10, 2), f(12, 2)))
            << text;
    }
    // A zone whose clock moves by half an hour in the middle of an hour.
    TimeZoneGuard lordHowe("Australia/Lord_Howe");
    StampConverter other;
    EXPECT_EQ(other.toTime(stampOf("20231001023000")), localMoment(2023, 10, 1, 2, 30, 0));
    EXPECT_EQ(other.toTime(stampOf("20231001024500")), localMoment(2023, 10, 1, 2, 45, 0));
}

TEST(StampConverter, HoursPassedTwiceOrSkippedDoNotDependOnEarlierConversions)
{
    // mktime settles a local time that the clocks pass twice, or skip, by the offset of its
    // previous call; a stamp must convert the same whatever was converted before it.
    TimeZoneGuard zone("Europe/Warsaw");
    for (const Stamp &before : {stampOf("20060705120000"), stampOf("20061205120000")}) {
        StampConverter other;
        other.toTime(before);
        StampConverter converter;
        // 02:30 of the night the clocks go back: its first pass, in summer time (00:30 UTC).
        EXPECT_EQ(converter.toTime(stampOf("20061029023000")), 1162081800);
        other.toTime(before);
        // 02:30 of the night the clocks go forward does not exist: read as winter time.
        EXPECT_EQ(converter.toTime(stampOf("20060326023000")), 1143336600);
    }
}

} // namespace
} // namespace zyfo
