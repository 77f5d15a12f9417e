// Time stamps of records: texts from the stamp's characters and time values through mktime.
#include "StampConverter.h"

namespace zyfo {
namespace {

int code(char c)
{
    return static_cast<signed char>(c);
}
int twoDigits(const Stamp &s, std::size_t i)
{
    return 10 * code(s[i]) + code(s[i + 1]) - 528;
}

} // namespace

std::string dateText(const Stamp &s)
{
    return {s[0], s[1], s[2], s[3], '.', s[4], s[5], '.', s[6], s[7]};
}

std::string timeText(const Stamp &s)
{
    return {s[8], s[9], ':', s[10], s[11], ':', s[12], s[13]};
}

StampConverter::Fields StampConverter::fieldsOf(const Stamp &s)
{
    // 53328 = 48 * 1111 and 528 = 48 * 11: the digits' character codes minus 48 each.
    const int year = 1000 * code(s[0]) + 100 * code(s[1]) + 10 * code(s[2]) + code(s[3]) - 53328;
    return {year,
            twoDigits(s, 4),
            twoDigits(s, 6),
            twoDigits(s, 8),
            twoDigits(s, 10),
            twoDigits(s, 12)};
}

std::time_t StampConverter::localTime(const Fields &f, int minute, int second)
{
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

std::time_t StampConverter::toTime(const Stamp &stamp)
{
    const Fields f = fieldsOf(stamp);
    const bool inHour = f.minute >= 0 && f.minute < 60 && f.second >= 0 && f.second < 60;
    if (!inHour)
        return localTime(f, f.minute, f.second);
    if (!m_haveHour || f.year != m_year || f.month != m_month || f.day != m_day ||
        f.hour != m_hour) {
        // mktime is slow; an hour without a clock change runs evenly from its start, which the
        // distance between its first and last second shows.
        m_haveHour = true;
        m_year = f.year;
        m_month = f.month;
        m_day = f.day;
        m_hour = f.hour;
        m_hourStart = localTime(f, 0, 0);
        m_hourIsEven = m_hourStart != -1 && localTime(f, 59, 59) - m_hourStart == 3599;
    }
    if (!m_hourIsEven)
        return localTime(f, f.minute, f.second);
    return m_hourStart + 60 * f.minute + f.second;
}

} // namespace zyfo
