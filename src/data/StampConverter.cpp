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
    std::tm standard{};
    standard.tm_year = f.year - 1900;
    standard.tm_mon = f.month - 1;
    standard.tm_mday = f.day;
    standard.tm_hour = f.hour;
    standard.tm_min = minute;
    standard.tm_sec = second;
    std::tm daylight = standard;
    // mktime with tm_isdst = -1 settles a time the clocks pass twice, or skip, by the offset of
    // its previous call, so one stamp could convert differently from one read to the next.
    // Asking for each reading in turn and keeping the one that holds is the same for every other
    // time, and fixed for those: a time passed twice is its first (summer time) moment, a
    // skipped time is read as standard time.
    standard.tm_isdst = 0;
    daylight.tm_isdst = 1;
    const std::time_t asStandard = std::mktime(&standard);
    const std::time_t asDaylight = std::mktime(&daylight);
    return asDaylight != -1 && daylight.tm_isdst > 0 ? asDaylight : asStandard;
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
