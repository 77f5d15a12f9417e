// What the reader asks of the window that shows the file: the channel combo box and controls.
#pragma once

#include <ctime>
#include <string>

namespace zyfo {

// The reader's view of the main window: its channel combo box, its data controls, the chart's
// pens and redraws, and the time-window pickers. The main window implements it over its
// controls; MemoryReaderListener implements it for the headless tool and for tests.
class ReaderListener
{
public:
    virtual ~ReaderListener() = default;

    // Channel combo box: number of items, appending an item, emptying it.
    virtual int itemCount() const = 0;
    virtual void appendItem(const std::string &text) = 0;
    virtual void clearItems() = 0;
    // The selected item, -1 for none; selecting an item that does not exist selects none.
    virtual int currentItem() const = 0;
    virtual void setCurrentItem(int item) = 0;
    virtual bool isChannelListEnabled() const = 0;

    // Enables or disables the data controls of the window (the channel list among them).
    virtual void setDataControlsEnabled(bool enabled) = 0;
    // The channel selection handler: takes the selected item's channel and shows its settings.
    virtual void applySelection() = 0;
    // The "Wykres" and "Siatka" handlers: take their boxes back into the shown and grid flags.
    virtual void applyShownAndGrid() = 0;

    // The chart's per-channel pens are dropped before a read and rebuilt after it.
    virtual void dropPens() = 0;
    virtual void rebuildPens() = 0;
    virtual void redrawChart() = 0;

    // The pickers of an end of the time window show this moment.
    virtual void showFromTime(std::time_t t) = 0;
    virtual void showToTime(std::time_t t) = 0;
};

} // namespace zyfo
