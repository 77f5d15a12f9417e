// Takes the valid records of a data file into a MeasurementFile.
#include "RecordSink.h"

#include "DeviceCatalogue.h"

namespace zyfo {

RecordSink::RecordSink(MeasurementFile &file, Ranges ranges)
    : m_file(file)
    , m_ranges(ranges)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    m_traced.fill({kInfinity, -kInfinity});
}

void RecordSink::take(const ParsedRecord &record)
{
    // A row without a stamp keeps its place in the file's order: it takes the time of the record
    // taken before it (also across calls), or -1 as the first row.
    const std::time_t time =
        record.hasStamp ? m_stamps.toTime(record.stamp) : m_file.lastAppendedTime();
    const int row = m_file.appendRow(time, record.hasStamp ? &record.stamp : nullptr);
    ++m_rowsAdded;
    for (std::size_t i = 0; i < static_cast<std::size_t>(record.entryCount); ++i) {
        const ParsedEntry &entry = record.entries[i];
        const auto [channel, column] = channelOf(entry, i);
        if (column == nullptr || !entry.value)
            continue;
        const ChannelKind kind = entry.code->kind;
        column->append(row, *entry.value);
        if (m_ranges == Ranges::Apply)
            m_file.widenDataRange(kind, *entry.value);
        else
            trace(kind, *entry.value);
        ++m_counts[static_cast<std::size_t>(kindIndex(kind))][static_cast<std::size_t>(channel)];
    }
}

RecordSink::ChannelSlot RecordSink::channelOf(const ParsedEntry &entry, std::size_t position)
{
    const ChannelKey key{entry.deviceType, entry.deviceNumber, entry.kindCode};
    if (m_positionKnown[position] && m_byPosition[position].first == key)
        return m_byPosition[position].second;
    ChannelSlot slot{};
    if (const auto known = m_known.find(key); known != m_known.end()) {
        slot = known->second;
    } else {
        // -1 when the kind already holds 255 channels: the entry is then left out.
        const ChannelKind kind = entry.code->kind;
        slot.channel = m_file.channelNames(kind).add(
            channelName(entry.deviceType, entry.deviceNumber, *entry.code));
        m_refusedName = m_refusedName || slot.channel < 0;
        slot.column = slot.channel < 0 ? nullptr : &m_file.columnFor(kind, slot.channel);
        m_known.emplace(key, slot);
    }
    m_byPosition[position] = {key, slot};
    m_positionKnown[position] = true;
    return slot;
}

} // namespace zyfo
