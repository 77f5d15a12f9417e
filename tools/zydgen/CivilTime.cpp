// A calendar moment without a time zone, as a logger's clock shows it and writes it as a stamp.
#include "CivilTime.h"

#include <algorithm>
#include <ctime>

namespace zyfo {

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date (negative before it).
std::int64_t daysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool isLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : kDays[m - 1];
}

// Reads exactly `width` digits at `pos` of `text`; nullopt when they are not all digits.
std::optional<int> digitsAt(std::string_view text, std::size_t pos, std::size_t width)
{
    if (pos + width > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

void appendDigits(std::string &out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

} // namespace

std::optional<CivilTime> CivilTime::parse(std::string_view text)
{
    // Positions of the six fields in the compact and in the separated form.
    static constexpr std::size_t kCompact[6] = {0, 4, 6, 8, 10, 12};
    static constexpr std::size_t kSeparated[6] = {0, 5, 8, 11, 14, 17};
    const bool compact = text.size() == 14;
    if (!compact) {
        if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[13] != ':' ||
            text[16] != ':' || (text[10] != ' ' && text[10] != 'T'))
            return std::nullopt;
    }
    const std::size_t *pos = compact ? kCompact : kSeparated;
    int fields[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> value = digitsAt(text, pos[i], i == 0 ? 4 : 2);
        if (!value)
            return std::nullopt;
        fields[i] = *value;
    }
    const CivilTime t{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
    if (t.year < 1000 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

std::int64_t CivilTime::toSeconds() const
{
    return daysFromCivil(year, month, day) * 86400 + secondOfDay();
}

CivilTime CivilTime::localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     std::min(local.tm_sec, 59)};
}

CivilTime CivilTime::fromSeconds(std::int64_t seconds)
{
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Inverse of daysFromCivil, on eras of 400 years that start on the 1st of March.
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int d = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yearOfEra + era * 400 + (m <= 2 ? 1 : 0));
    const int s = static_cast<int>(rest);
    return {y, m, d, s / 3600, s / 60 % 60, s % 60};
}

int CivilTime::dayOfYear() const
{
    return static_cast<int>(daysFromCivil(year, month, day) - daysFromCivil(year, 1, 1));
}

void CivilTime::appendStamp(std::string &out) const
{
    appendDigits(out, year, 4);
    appendDigits(out, month, 2);
    appendDigits(out, day, 2);
    appendDigits(out, hour, 2);
    appendDigits(out, minute, 2);
    appendDigits(out, second, 2);
}

} // namespace zyfo
