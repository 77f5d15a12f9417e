// Test helper: the fields of a stamp as mktime takes them, read without the converter's code.
#pragma once

#include "StampConverter.h"

#include <ctime>

namespace zyfo {

// A local date and time for mktime, fields as given (mktime normalises them), tm_isdst = -1.
inline std::tm fieldsTm(int year, int month, int day, int hour, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return tm;
}

// The stamp's fields: each character's code (a signed byte) minus 48 is a digit's value.
inline std::tm stampTm(const Stamp &s)
{
    const auto value = [&s](std::size_t i) { return static_cast<signed char>(s[i]) - 48; };
    const auto two = [&value](std::size_t i) { return 10 * value(i) + value(i + 1); };
    return fieldsTm(1000 * value(0) + 100 * value(1) + 10 * value(2) + value(3), two(4), two(6),
                    two(8), two(10), two(12));
}

} // namespace zyfo
