// Conversion of a picker's value to the standard library's local broken-down time.
#pragma once

#include <QDateTime>

#include <ctime>

namespace zyfo {

// The date and time of day of `value`, tm_isdst -1 so that mktime decides on daylight saving.
std::tm brokenDownTime(const QDateTime &value);

} // namespace zyfo
