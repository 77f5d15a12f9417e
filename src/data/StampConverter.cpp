// Time stamps of records: texts from the stamp's characters, time values by civil arithmetic.
#include "StampConverter.h"

#include "CivilTime.h"

#include <algorithm>

namespace zyfo {
namespace {

static_assert(sizeof(std::time_t) >= 8, "time values are 64 bits wide");

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

std::time_t StampConverter::toTime(const Stamp &s)
{
    // 53328 = 48 * 1111 and 528 = 48 * 11: the digits' character codes minus 48 each.
    const int year = 1000 * code(s[0]) + 100 * code(s[1]) + 10 * code(s[2]) + code(s[3]) - 53328;
    const int second = twoDigits(s, 12);
    // mktime looks up the zone's offset with the second held to 0..59 and adds the rest after,
    // which decides the hour of a stamp such as 03:00 less ten seconds just after the clocks
    // went forward.
    const int heldSecond = std::clamp(second, 0, 59);
    const std::int64_t wall = wallSeconds(year, twoDigits(s, 4), twoDigits(s, 6), twoDigits(s, 8),
                                          twoDigits(s, 10), heldSecond);
    return wall - m_offsets.offsetAt(wall) + (second - heldSecond);
}

} // namespace zyfo
