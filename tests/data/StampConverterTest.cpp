// Tests of stamp texts and time values, including normalisation and clock changes.
#include "StampConverter.h"

#include "TimeZoneGuard.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

Stamp stampOf(const char *text)
{
    Stamp stamp{};
    std::copy(text, text + kStampLength, stamp.begin());
    return stamp;
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
        int fields[6]; // year, month, day, hour, minute, second as mktime takes them
    };
    const Case cases[] = {
        {"Europe/Warsaw", "20060705143000", {2006, 7, 5, 14, 30, 0}},
        {"UTC", "20061305000000", {2007, 1, 5, 0, 0, 0}},
        {"UTC", "200612051430:0", {2006, 12, 5, 14, 30, 100}}, // ':' is one above '9'
        // 2023-03-26 02:00 local does not exist; 2023-10-29 02:00-03:00 happens twice.
        {"Europe/Warsaw", "20230326023000", {2023, 3, 26, 2, 30, 0}},
        {"Europe/Warsaw", "20230326033000", {2023, 3, 26, 3, 30, 0}},
        {"Europe/Warsaw", "20231029033000", {2023, 10, 29, 3, 30, 0}},
        // A zone whose clock moves by half an hour in the middle of an hour.
        {"Australia/Lord_Howe", "20231001024500", {2023, 10, 1, 2, 45, 0}},
    };
    for (const Case &c : cases) {
        TimeZoneGuard zone(c.zone);
        const std::time_t time = StampConverter().toTime(stampOf(c.stamp));
        std::tm tm{};
        tm.tm_year = c.fields[0] - 1900;
        tm.tm_mon = c.fields[1] - 1;
        tm.tm_mday = c.fields[2];
        tm.tm_hour = c.fields[3];
        tm.tm_min = c.fields[4];
        tm.tm_sec = c.fields[5];
        tm.tm_isdst = -1;
        EXPECT_EQ(time, std::mktime(&tm)) << c.zone << " " << c.stamp;
    }
    TimeZoneGuard zone("Europe/Warsaw");
    EXPECT_EQ(StampConverter().toTime(stampOf("20061205143000")), 1165325400); // 13:30 UTC
    // Times are 64 bits wide: 2100 lies past the 32-bit end of time.
    EXPECT_EQ(StampConverter().toTime(stampOf("21000101000000")), 4102441200);
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
