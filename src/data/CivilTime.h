// Civil dates and times as seconds on a clock that never changes, normalised as mktime does.
#pragma once

#include <cstdint>

namespace zyfo {

// Seconds from 1970-01-01 00:00:00 to the given date and time of the proleptic Gregorian
// calendar, counted as if the clocks never changed ("wall seconds"). Fields out of range are
// normalised as mktime does: a month outside 1..12 carries into the year (13 is January of the
// next year, 0 December of the one before), while days, hours, minutes and seconds simply add up.
constexpr std::int64_t wallSeconds(std::int64_t year, std::int64_t month, std::int64_t day,
                                   std::int64_t hour, std::int64_t minute, std::int64_t second)
{
    const std::int64_t carry = (month >= 1 ? month - 1 : month - 12) / 12;
    const std::int64_t monthOfYear = month - 1 - 12 * carry; // 0 = January
    // Years are counted from March, so that a leap day is the last day of its year, in eras of
    // 400 years (146097 days); 719468 days lie between 0000-03-01 and 1970-01-01.
    const std::int64_t monthFromMarch = (monthOfYear + 10) % 12;
    const std::int64_t marchYear = year + carry - (monthOfYear < 2 ? 1 : 0);
    const std::int64_t era = (marchYear >= 0 ? marchYear : marchYear - 399) / 400;
    const std::int64_t yearOfEra = marchYear - 400 * era;
    const std::int64_t dayOfEra =
        365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100 + (153 * monthFromMarch + 2) / 5;
    const std::int64_t days = 146097 * era + dayOfEra - 719468 + day - 1;
    return 86400 * days + 3600 * hour + 60 * minute + second;
}

} // namespace zyfo
