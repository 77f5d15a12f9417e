// Test helper: what a read leaves in a MeasurementFile, as text, for comparing two ways of reading.
#pragma once

#include "MeasurementFile.h"

#include <charconv>
#include <string>
#include <vector>

namespace zyfo {

// The read offset, every row (time, stamp texts, values of every channel, exactly), the channel
// names of every kind and the data and display ranges of every group slot. Leaves out what
// depends on how the reads were split: the channel list, the shown and listed flags and the
// time window.
inline std::string modelText(const MeasurementFile &f)
{
    std::vector<std::string> rows(static_cast<std::size_t>(f.rowCount()));
    char number[40];
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < f.channelCount(kindAt(kind)); ++channel)
            f.forEachValue(kindAt(kind), channel, 0, f.rowCount() - 1, [&](int row, double v) {
                // The shortest text that reads back as exactly this double.
                const auto written = std::to_chars(number, number + sizeof number, v);
                std::string &text = rows[static_cast<std::size_t>(row)];
                text += ' ';
                text += std::to_string(kind) + "/" + std::to_string(channel) + "=" +
                        std::string(number, written.ptr);
            });
    std::string out = "offset ";
    out += std::to_string(f.readOffset()) + "\n";
    for (int row = 0; row < f.rowCount(); ++row)
        out += std::to_string(f.rowTime(row)) + (f.rowHasStamp(row) ? " " : " nostamp ") +
               f.rowDateText(row) + " " + f.rowTimeText(row) + rows[static_cast<std::size_t>(row)] +
               "\n";
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < f.channelCount(kindAt(kind)); ++channel)
            out += std::to_string(kind) + ": " + f.channelNames(kindAt(kind)).name(channel) + "\n";
    for (int slot = 0; slot < kGroupSlotCount; ++slot) {
        const GroupRange &r = f.groupRange(slot);
        out += std::to_string(r.dataMinimum) + "," + std::to_string(r.dataMaximum) + "/" +
               std::to_string(r.displayMinimum) + "," + std::to_string(r.displayMaximum) + " ";
    }
    return out;
}

} // namespace zyfo
