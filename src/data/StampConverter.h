// Time stamps of records: the 14-character local stamp, its texts and its time value.
#pragma once

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

// Converts stamps to time values the way mktime does for a local time with tm_isdst = -1, under
// the time zone in force when the converter was made; a local time that the clocks pass twice
// is its first moment and one they skip is read as standard time, whatever was converted before.
// Each digit's value is its character code (a signed byte) minus 48, without a digit check; fields
// out of range are normalised by mktime (month 13 is January of the next year). The result is -1
// when mktime cannot represent the moment. Conversions are cached per local hour, so one converter
// must not outlive a change of TZ; make one per reading pass.
class StampConverter
{
public:
    std::time_t toTime(const Stamp &stamp);

private:
    struct Fields
    {
        int year, month, day, hour, minute, second;
    };
    static Fields fieldsOf(const Stamp &stamp);
    static std::time_t localTime(const Fields &fields, int minute, int second);

    // The hour of the last conversion: the time of its minute 0 second 0 and whether the hour
    // runs evenly (no clock change inside it), so that minutes and seconds can be added.
    bool m_haveHour = false;
    int m_year = 0, m_month = 0, m_day = 0, m_hour = 0;
    std::time_t m_hourStart = 0;
    bool m_hourIsEven = false;
};

} // namespace zyfo
