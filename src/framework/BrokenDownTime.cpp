// Conversion of a picker's value to the standard library's local broken-down time.
#include "BrokenDownTime.h"

namespace zyfo {

std::tm brokenDownTime(const QDateTime &value)
{
    std::tm result{};
    result.tm_year = value.date().year() - 1900;
    result.tm_mon = value.date().month() - 1;
    result.tm_mday = value.date().day();
    result.tm_hour = value.time().hour();
    result.tm_min = value.time().minute();
    result.tm_sec = value.time().second();
    result.tm_wday = value.date().dayOfWeek() % 7;
    result.tm_yday = value.date().dayOfYear() - 1;
    result.tm_isdst = -1;
    return result;
}

} // namespace zyfo
