// A date or time picker of a dialog; it sends DTN_DATETIMECHANGE when the user changes it.
#pragma once

#include "CWnd.h"

#include <ctime>

namespace zyfo {

class CDateTimeCtrl : public CWnd
{
public:
    // Shows `time` (local time) without sending DTN_DATETIMECHANGE. FALSE without a window or
    // for a time the local calendar cannot show.
    BOOL SetTime(std::time_t time);
    // The picker's date and time of day as a local broken-down time (tm_isdst -1, so that
    // mktime decides on daylight saving time). FALSE without a window.
    BOOL GetTime(std::tm &value) const;
};

} // namespace zyfo
