// Everything loaded from the open data file: rows, channel names, ranges, view state, list
// entries, time window and read offset.
#pragma once

#include "ChannelColumn.h"
#include "ChannelKind.h"
#include "ChannelListEntry.h"
#include "ChannelNameList.h"
#include "MeasurementRow.h"
#include "StampConverter.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zyfo {

// Data range and display range of one group slot (0..11; slot 0 is reserved and never fed).
struct GroupRange
{
    int dataMinimum = 1000000;  // running minimum of the values read, rounded down
    int dataMaximum = -1000000; // running maximum, rounded up with a margin
    int displayMinimum = 0;     // the data range widened by an eighth of its span
    int displayMaximum = 0;
};

// What the user sees of one unit group ("Od"/"Do" of the value axis, "Siatka").
struct GroupView
{
    int viewMinimum = 0;
    int viewMaximum = 1;
    bool grid = false;  // grid lines on the group's axis
    bool shown = false; // some channel of the group is drawn
};

// Per-channel flags of the view and the channel list.
struct ChannelView
{
    bool shown = false;  // the channel is drawn ("Wykres")
    bool listed = false; // the channel has been offered in the channel combo box
};

// Which way FindRow snaps a time to a row.
enum class FindDirection
{
    Back,    // the last row not later than the time
    Forward, // the first row at or after the time
};

// The one loaded data file. The reader is the only writer of rows, names and data ranges; the
// main window, the chart and the report read them. Rows are kept in time order after every
// read; values are stored per channel (see ChannelColumn), so a channel can be walked quickly
// across many rows. Chart colours and pens are not part of it.
class MeasurementFile
{
public:
    MeasurementFile();

    // --- Rows -----------------------------------------------------------------------------
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // A view of row `index` (0 <= index < rowCount()); valid while the file is not changed.
    MeasurementRow row(int index) const { return {*this, index}; }
    // The row's time value; requires a valid index.
    std::time_t rowTime(int index) const { return m_rows[static_cast<std::size_t>(index)].time; }
    // "yyyy.mm.dd" from the stamp's characters, or "yyyy.mm.dd" literally for a row without one.
    std::string rowDateText(int index) const;
    // "hh:mm:ss" from the stamp's characters, or "gg.mm.ss" for a row without a stamp.
    std::string rowTimeText(int index) const;
    bool rowHasStamp(int index) const { return m_rows[static_cast<std::size_t>(index)].hasStamp; }
    // The value of channel `channel` of `kind` in row `index`, or nothing when absent.
    std::optional<double> value(int index, ChannelKind kind, int channel) const;
    // True when row `index` has a value of any channel of `kind`.
    bool rowHasKind(int index, ChannelKind kind) const;
    // Calls f(row, value) for each value of the channel in rows firstRow..lastRow (inclusive) in
    // row order; rows without a value of the channel are skipped.
    template<class F>
    void forEachValue(ChannelKind kind, int channel, int firstRow, int lastRow, F &&f) const;
    // Number of values the channel has across all rows.
    int valueCount(ChannelKind kind, int channel) const;

    // Appends a row at the end and returns its index. `stamp` null: a row without a stamp.
    int appendRow(std::time_t time, const Stamp *stamp);
    // The time of the row appended last (before any sorting), -1 when none since clearRows.
    std::time_t lastAppendedTime() const { return m_lastAppendedTime; }
    // Stores a value of the channel in the last row, replacing a value stored there before.
    // Requires a row and 0 <= channel < kMaxChannelsPerKind.
    void storeValue(ChannelKind kind, int channel, double value);
    // The column of a channel (0 <= channel < kMaxChannelsPerKind), made when missing; it stays
    // valid until the rows are cleared.
    ChannelColumn &columnFor(ChannelKind kind, int channel);
    // Deletes every row and value.
    void clearRows();
    // Makes room for `rows` rows in all, so that appending them moves none.
    void reserveRows(std::size_t rows) { m_rows.reserve(rows); }
    // Gives back the room kept for more rows and values.
    void shrinkToFit();
    // Appends the rows and values of `piece`, a stretch of the same data file read into a model
    // of its own, after the rows held. Channel `c` of a kind in the piece is channel
    // channelOf[kind][c] here; its values are dropped where that is -1. Rows of the piece without
    // a stamp before its first stamped row take the time of the last row held. `piece` is left
    // without rows.
    void appendPiece(MeasurementFile &&piece,
                     const std::array<std::vector<int>, kKindCount> &channelOf);
    // Takes the rows, values, channel names, data ranges and read offset of `read`, a model a
    // full read of the data file has just filled, in place of those held; the view state, list
    // entries, selection and time window stay. `read` is left with what was held before.
    void takeReadData(MeasurementFile &read);
    // Sorts the rows by time, stably, after rows were appended from `firstNewRow` on. Rows that
    // arrived in order cost one comparison each; otherwise only the rows from the first one that
    // has to move to the last one that has to move are reordered, in O(n log n) of them.
    void sortRows(int firstNewRow);

    // --- Channel names ------------------------------------------------------------------------
    const ChannelNameList &channelNames(ChannelKind kind) const { return m_names[kindIndex(kind)]; }
    ChannelNameList &channelNames(ChannelKind kind) { return m_names[kindIndex(kind)]; }
    int channelCount(ChannelKind kind) const { return channelNames(kind).count(); }
    // Sets every kind's channel count to 0.
    void clearChannelNames();

    // --- Ranges and view state ----------------------------------------------------------------
    // Group slot 0..11 (UnitGroup number; 0 reserved).
    GroupRange &groupRange(int slot) { return m_ranges[static_cast<std::size_t>(slot)]; }
    const GroupRange &groupRange(int slot) const
    {
        return m_ranges[static_cast<std::size_t>(slot)];
    }
    GroupView &groupView(UnitGroup group) { return m_groupViews[groupIndex(group)]; }
    const GroupView &groupView(UnitGroup group) const { return m_groupViews[groupIndex(group)]; }
    ChannelView &channelView(ChannelKind kind, int channel);
    const ChannelView &channelView(ChannelKind kind, int channel) const;

    // Sets every slot's data range to minimum 1000000, maximum -1000000.
    void resetDataRanges();
    // Widens the data range of the kind's group by a value read: a minimum above it becomes
    // trunc(value) - 1, a maximum below it trunc(value) + 2 (Temperature) or + 4 (other kinds).
    // Values beyond +-1e9 count as +-1e9, so the integer ranges never overflow.
    void widenDataRange(ChannelKind kind, double value)
    {
        const GroupRange &range =
            m_ranges[static_cast<std::size_t>(groupNumber(unitGroupOf(kind)))];
        if (value < range.dataMinimum || value > range.dataMaximum)
            widenDataRangeTo(kind, value);
    }
    // Derives every slot's display range from its data range (an eighth of the span on each
    // side, no negative minimum except for temperature, humidity up to 100, direction up to 360).
    void updateDisplayRanges();
    // Clears the shown flag of every group and every channel.
    void clearShownFlags();
    // Sets each group's shown flag when at least one channel of a kind of the group is shown.
    void updateGroupShownFlags();
    // Clears the listed flag of every channel.
    void clearListedFlags();

    // --- Channel list (combo box items) -------------------------------------------------------
    // The entry of combo item `item`; -1/-1 for an item without one.
    ChannelListEntry listEntry(int item) const;
    // Sets the entry of item `item` (>= 0), making room as needed. There is no fixed limit.
    void setListEntry(int item, ChannelListEntry entry);
    // Sets every entry to -1/-1 (the combo box has been emptied).
    void clearListEntries() { m_listEntries.clear(); }
    // The channel of the selected combo item (kind 0, channel 1 when the list is emptied).
    ChannelListEntry selectedChannel() const { return m_selected; }
    void setSelectedChannel(ChannelListEntry channel) { m_selected = channel; }

    // --- Time window ---------------------------------------------------------------------------
    // FindRow: Back gives the last row not later than t (0 if every row is later, 0 with no
    // rows); Forward the first row at or after t (the last row if none, -1 with no rows).
    // Rows must be sorted.
    int findRow(std::time_t t, FindDirection direction) const;
    // Snap an end of the time window to a row: forward when the end's current time is earlier
    // than t, else back. Returns the row's time, which the end's pickers must then show, or
    // nothing (time set to 0, pickers unchanged) when no row was found.
    std::optional<std::time_t> setFromTime(std::time_t t);
    std::optional<std::time_t> setToTime(std::time_t t);
    std::time_t fromTime() const { return m_fromTime; }
    std::time_t toTime() const { return m_toTime; }
    int fromRow() const { return m_fromRow; }
    int toRow() const { return m_toRow; }

    // --- Reading -----------------------------------------------------------------------------
    // File offset of the first byte not yet taken into a row; a continuation resumes there.
    std::int64_t readOffset() const { return m_readOffset; }
    void setReadOffset(std::int64_t offset) { m_readOffset = offset; }

    const ChannelColumn *column(ChannelKind kind, int channel) const;

private:
    struct RowRecord
    {
        std::time_t time;
        Stamp stamp;
        bool hasStamp;
    };

    void widenDataRangeTo(ChannelKind kind, double value);
    std::optional<std::time_t> snapEnd(std::time_t t, std::time_t &endTime, int &endRow) const;
    void reorderRange(int first, int end);

    std::vector<RowRecord> m_rows;
    std::time_t m_lastAppendedTime = -1;
    // [kind][channel]; a column stays where it is while channels are added.
    std::array<std::deque<ChannelColumn>, kKindCount> m_columns;
    std::array<ChannelNameList, kKindCount> m_names;
    std::array<GroupRange, kGroupSlotCount> m_ranges;
    std::array<GroupView, kGroupCount> m_groupViews;
    std::vector<ChannelView> m_channelViews; // kKindCount * kChannelSlots, by kind then channel
    std::vector<ChannelListEntry> m_listEntries;
    ChannelListEntry m_selected{0, 1};
    std::time_t m_fromTime = 0;
    std::time_t m_toTime = 0;
    int m_fromRow = 0;
    int m_toRow = 1;
    std::int64_t m_readOffset = 0;
};

template<class F>
void MeasurementFile::forEachValue(ChannelKind kind, int channel, int firstRow, int lastRow,
                                   F &&f) const
{
    if (const ChannelColumn *values = column(kind, channel))
        values->forEach(firstRow, std::min(lastRow, rowCount() - 1), f);
}

} // namespace zyfo
