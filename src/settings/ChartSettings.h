// The chart's view settings that the program keeps from one run to the next.
#pragma once

#include "WinTypes.h"

namespace zyfo {

// The eight chart settings of the registry, with the defaults a first start uses. The settings
// store loads and stores these fields directly; while the program runs they change through the
// chart control's setters, which also bring the dependent drawing state up to date.
struct ChartSettings
{
    COLORREF backColor = RGB(0, 0, 0);       // TLO: screen background
    COLORREF textColor = RGB(255, 255, 255); // TEXT: screen text, axes and grid
    int lineWidth = 2;                       // LINIA: series pen width in pixels
    int maxPoints = 0;                       // APROKSYMACJA: 0 draws every value
    int showDate = 1;                        // DATA: time labels show the date
    int showMeans = 0;                       // AV: the legend shows each channel's mean
    int showTime = 1;                        // CZAS: time labels show the time of day
    int dateTimeOneLine = 0;                 // DATA_LINIA: date and time in one label
};

} // namespace zyfo
