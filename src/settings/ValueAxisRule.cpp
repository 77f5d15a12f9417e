// The value-axis rules of the main window: up-down limits and commits of the value edits.
#include "ValueAxisRule.h"

#include <algorithm>
#include <climits>

namespace zyfo {

ValueAxisLimits valueAxisLimits(ChannelKind kind, int displayMinimum, int displayMaximum)
{
    int lower = 0;
    int upper = displayMaximum;
    switch (kind) {
    case ChannelKind::Temperature:
    case ChannelKind::DewPoint:
        lower = displayMinimum;
        break;
    case ChannelKind::RelativeHumidity:
        upper = 100;
        break;
    case ChannelKind::WindDirection:
        upper = 360;
        break;
    case ChannelKind::BinaryInput:
        upper = 1;
        break;
    default:
        break;
    }
    // An empty range would make clamping swing between its ends; keep one value in each.
    lower = std::min(lower, INT_MAX - 1);
    upper = std::max(upper, lower + 1);
    return {lower, upper - 1, lower + 1, upper};
}

namespace {

// Clamps without requiring lower <= upper (limits read back from controls are not trusted to
// be ordered): the lower end wins.
int clampInto(int value, int lower, int upper)
{
    return std::max(lower, std::min(value, upper));
}

} // namespace

int steppedNumber(int value, int delta)
{
    if (delta > 0)
        return value == INT_MAX ? value : value + 1;
    return value == INT_MIN ? value : value - 1;
}

ValueAxisCommit commitFrom(int typed, int to, const ValueAxisLimits &limits, bool clamping)
{
    ValueAxisCommit commit{typed, to, true, false};
    if (!clamping)
        return commit;
    commit.from = clampInto(typed, limits.fromLower, limits.fromUpper);
    if (commit.to > commit.from)
        return commit;
    commit.to = clampInto(steppedNumber(commit.from, 1), limits.toLower, limits.toUpper);
    commit.toWritten = true;
    return commit;
}

ValueAxisCommit commitTo(int typed, int from, const ValueAxisLimits &limits, bool clamping)
{
    ValueAxisCommit commit{from, typed, false, true};
    if (!clamping)
        return commit;
    commit.to = clampInto(typed, limits.toLower, limits.toUpper);
    if (commit.from < commit.to)
        return commit;
    commit.from = clampInto(steppedNumber(commit.to, -1), limits.fromLower, limits.fromUpper);
    commit.fromWritten = true;
    return commit;
}

} // namespace zyfo
