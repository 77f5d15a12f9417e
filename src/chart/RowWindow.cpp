// Zooming and panning the rows of the time window.
#include "RowWindow.h"

#include <algorithm>
#include <cmath>

namespace zyfo {
namespace {

// `window` with its first row moved to `first`, kept inside the file with its span.
RowWindow placed(long long first, int span, int rows)
{
    const long long start = std::clamp(first, 0LL, static_cast<long long>(rows - 1 - span));
    return {static_cast<int>(start), static_cast<int>(start) + span};
}

} // namespace

RowWindow wholeFile(int rows)
{
    return {0, std::max(rows - 1, 1)};
}

RowWindow zoomedWindow(RowWindow window, double share, double factor, int rows)
{
    const int span = window.span();
    long long wanted = std::llround(span * factor);
    // A small window would otherwise round back to its own span and never move.
    if (factor < 1)
        wanted = std::min(wanted, static_cast<long long>(span) - 1);
    else if (factor > 1)
        wanted = std::max(wanted, static_cast<long long>(span) + 1);
    const int newSpan = static_cast<int>(std::clamp(wanted, 1LL, static_cast<long long>(rows - 1)));
    const double at = std::clamp(share, 0.0, 1.0);
    const long long anchor = window.first + std::llround(at * span);
    return placed(anchor - std::llround(at * newSpan), newSpan, rows);
}

RowWindow pannedWindow(RowWindow window, long long rowsMoved, int rows)
{
    return placed(window.first + rowsMoved, window.span(), rows);
}

} // namespace zyfo
