// Takes the valid records of a data file into a MeasurementFile.
#pragma once

#include "MeasurementFile.h"
#include "RecordParser.h"
#include "StampConverter.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

namespace zyfo {

// Values stored during one read, per kind and channel index.
using ValueCounts = std::array<std::array<int, kChannelSlots>, kKindCount>;

// One value that may widen a group's data range, with its kind (the margin above a maximum
// depends on it).
struct RangeValue
{
    ChannelKind kind;
    double value;
};

// Turns each valid record into a row: its time from the stamp (a row without a stamp takes the
// time of the row before it), its values stored under channel indices found or added by name,
// and the per-call value counts. The data ranges are either widened in the file at once
// (Ranges::Apply), or traced: per group slot, in order, every value that is below or above all
// values of the slot before it, which are the only values that can widen a range, so that the
// ranges of a piece of the file read apart can be replayed onto the ranges of what comes
// before it with the same result as one read.
class RecordSink
{
public:
    enum class Ranges
    {
        Apply,
        Trace,
    };

    // `file` must outlive the sink.
    RecordSink(MeasurementFile &file, Ranges ranges);

    void take(const ParsedRecord &record);

    int rowsAdded() const { return m_rowsAdded; }
    const ValueCounts &counts() const { return m_counts; }
    // The traced values of group slot `slot` (Ranges::Trace), in the order they were read.
    const std::vector<RangeValue> &rangeTrace(int slot) const
    {
        return m_trace[static_cast<std::size_t>(slot)];
    }
    // True when a new channel name was refused because its kind already held 255 names.
    bool refusedName() const { return m_refusedName; }

private:
    using ChannelKey = std::tuple<int, int, int>; // device type, device number, kind code

    // The channel of an entry and its column (null when the entry is left out).
    struct ChannelSlot
    {
        int channel;
        ChannelColumn *column;
    };
    ChannelSlot channelOf(const ParsedEntry &entry, std::size_t position);
    void trace(ChannelKind kind, double value)
    {
        const auto slot = static_cast<std::size_t>(groupNumber(unitGroupOf(kind)));
        ValueExtremes &seen = m_traced[slot];
        if (value >= seen.minimum && value <= seen.maximum)
            return;
        seen.minimum = std::min(seen.minimum, value);
        seen.maximum = std::max(seen.maximum, value);
        m_trace[slot].push_back({kind, value});
    }

    MeasurementFile &m_file;
    Ranges m_ranges;
    StampConverter m_stamps;
    int m_rowsAdded = 0;
    bool m_refusedName = false;
    ValueCounts m_counts{};
    std::array<std::vector<RangeValue>, kGroupSlotCount> m_trace;
    // The lowest and highest value traced so far per slot; none at first.
    std::array<ValueExtremes, kGroupSlotCount> m_traced;
    // Channels already looked up: by entry position (records usually repeat their layout), and
    // by device and kind code.
    std::array<std::pair<ChannelKey, ChannelSlot>, RecordParser::kMaxEntries> m_byPosition;
    std::array<bool, RecordParser::kMaxEntries> m_positionKnown{};
    std::map<ChannelKey, ChannelSlot> m_known;
};

} // namespace zyfo
