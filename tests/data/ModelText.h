// Test helper: what a read leaves in a MeasurementFile, as text, for comparing two ways of reading.
#pragma once

#include "MeasurementFile.h"

#include <cstdio>
#include <string>

namespace zyfo {

// The read offset, every row (time, stamp texts, values of every channel, exactly), the channel
// names of every kind and the data and display ranges of every group slot. Leaves out what
// depends on how the reads were split: the channel list, the shown and listed flags and the
// time window.
inline std::string modelText(const MeasurementFile &f)
{
    std::string out = "offset " + std::to_string(f.readOffset()) + "\n";
    char number[40];
    for (int row = 0; row < f.rowCount(); ++row) {
        out += std::to_string(f.rowTime(row)) + (f.rowHasStamp(row) ? " " : " nostamp ") +
               f.rowDateText(row) + " " + f.rowTimeText(row);
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int channel = 0; channel < f.channelCount(kindAt(kind)); ++channel)
                if (const auto v = f.value(row, kindAt(kind), channel)) {
                    std::snprintf(number, sizeof number, "%.17g", *v);
                    out += " " + std::to_string(kind) + "/" + std::to_string(channel) + "=" + number;
                }
        out += "\n";
    }
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
