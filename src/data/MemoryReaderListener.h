// A window-less ReaderListener: the channel list and control state kept in memory.
#pragma once

#include "MeasurementFile.h"
#include "ReaderListener.h"

#include <string>
#include <vector>

namespace zyfo {

// Keeps the combo items, the selection, the enabled state and the pickers' times as the main
// window would show them after each read, and applies the selection and the shown/grid
// handlers to the MeasurementFile as the window's handlers do. Used by the headless tool and
// by tests. The file must outlive the listener.
class MemoryReaderListener : public ReaderListener
{
public:
    explicit MemoryReaderListener(MeasurementFile &file)
        : m_file(file)
    {}

    // The combo items in order (UTF-8).
    const std::vector<std::string> &items() const { return m_items; }
    bool controlsEnabled() const { return m_enabled; }
    std::time_t shownFromTime() const { return m_fromTime; }
    std::time_t shownToTime() const { return m_toTime; }
    int redrawCount() const { return m_redraws; }

    int itemCount() const override { return static_cast<int>(m_items.size()); }
    void appendItem(const std::string &text) override { m_items.push_back(text); }
    void clearItems() override;
    int currentItem() const override { return m_current; }
    void setCurrentItem(int item) override;
    bool isChannelListEnabled() const override { return m_enabled; }
    void setDataControlsEnabled(bool enabled) override { m_enabled = enabled; }
    void applySelection() override;
    void applyShownAndGrid() override;
    void dropPens() override {}
    void rebuildPens() override {}
    void redrawChart() override { ++m_redraws; }
    void showFromTime(std::time_t t) override { m_fromTime = t; }
    void showToTime(std::time_t t) override { m_toTime = t; }

private:
    MeasurementFile &m_file;
    std::vector<std::string> m_items;
    int m_current = -1;
    bool m_enabled = false;
    std::time_t m_fromTime = 0;
    std::time_t m_toTime = 0;
    int m_redraws = 0;
};

} // namespace zyfo
