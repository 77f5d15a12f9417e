// Time stamps of records: the 14-character local stamp, its texts and its time value.
#pragma once

#include "ZoneOffsetCache.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace zyfo {

constexpr std::size_t kStampLength = 14;

// The stamp's characters as the file holds them (decoded): year, month, day, hour, minute and
// second as digits, "yyyymmddhhmmss". Nothing checks that they are digits.
using Stamp = std::array<char, kStampLength>;

// The texts of a row that has no stamp.
inline constexpr std::string_view kNoStampDateText = "yyyy.mm.dd";
inline constexpr std::string_view kNoStampTimeText = "gg.mm.ss";

// "yyyy.mm.dd" made from stamp characters 1 to 8 as they stand.
std::string dateText(const Stamp &stamp);

// "hh:mm:ss" made from stamp characters 9 to 14 as they stand.
std::string timeText(const Stamp &stamp);

// Converts stamps to time values as mktime does for a local time with tm_isdst = -1, under the
// time zone in force when the converter was made, without a C library call per stamp. Each
// digit's value is its character code (a signed byte) minus 48, without a digit check. Fields out
// of range are normalised as mktime normalises them: month 13 is January of the next year, and
// days, hours, minutes and seconds add up; like mktime, the zone's offset is that of the time
// with its second held to 0..59, the seconds beyond added afterwards. A local time that the clocks
// pass twice is its first moment (summer time where they go back in autumn), and one they skip is
// read as standard time, whatever was converted before: the answers mktime gives when it is
// called minute by minute in order (on its own it settles these by its previous call). Years of
// four characters stay within 200000 years of now, whose moments a 64-bit time value and mktime
// both represent, so there is no failure value; -1 is 1969-12-31 23:59:59 UTC.
//
// The converter keeps a cache of the zone's offsets (ZoneOffsetCache.h), filled through
// thread-safe C library calls when a stamp falls outside it: make one per reading pass and per
// thread, and never let one outlive a change of TZ.
class StampConverter
{
public:
    std::time_t toTime(const Stamp &stamp);

private:
    ZoneOffsetCache m_offsets;
};

} // namespace zyfo
