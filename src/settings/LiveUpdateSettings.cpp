// The live-update settings: the timer period and the first of the newest rows.
#include "LiveUpdateSettings.h"

#include <algorithm>
#include <climits>

namespace zyfo {

int LiveUpdateSettings::timerElapse() const
{
    // In 64 bits, so that a period set by hand to millions of seconds does not overflow.
    const long long milliseconds = std::max(period, 1) * 1000LL;
    return static_cast<int>(std::min<long long>(milliseconds, INT_MAX));
}

int LiveUpdateSettings::firstShownRow(int toRow) const
{
    const long long first = static_cast<long long>(toRow) - std::max(lastCount, 1) + 1;
    return static_cast<int>(std::max<long long>(first, 0));
}

} // namespace zyfo
