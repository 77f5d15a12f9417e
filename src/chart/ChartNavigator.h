// What the chart asks of its owner when the mouse or the keyboard moves the time window.
#pragma once

#include "RowWindow.h"

namespace zyfo {

// Implemented by the window that holds the chart and the time pickers.
class ChartNavigator
{
public:
    // False while the owner is in the middle of work the chart's input must not disturb; the
    // chart then ignores the mouse and the keys.
    virtual bool acceptsInput() const = 0;
    // Sets the time window to `rows` as the pickers set it (each end snapped to a row), shows
    // the ends in the pickers and redraws the chart at once.
    virtual void showRows(RowWindow rows) = 0;

protected:
    ~ChartNavigator() = default;
};

} // namespace zyfo
