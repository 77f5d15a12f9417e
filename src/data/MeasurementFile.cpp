// Everything loaded from the open data file: row storage, sorting, ranges and the time window.
#include "MeasurementFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace zyfo {
namespace {

// Value ranges are whole numbers; readings beyond this count as this, so the integer
// arithmetic of the ranges cannot overflow.
constexpr double kRangeLimit = 1e9;

} // namespace

MeasurementFile::MeasurementFile()
    : m_channelViews(static_cast<std::size_t>(kKindCount) * kChannelSlots)
{
    // The value axes the chart shows before any file is read.
    m_groupViews[groupIndex(UnitGroup::Temperature)].viewMinimum = -20;
    m_groupViews[groupIndex(UnitGroup::Temperature)].viewMaximum = 10;
    m_groupViews[groupIndex(UnitGroup::Pressure)].viewMaximum = 2;
    m_groupViews[groupIndex(UnitGroup::RelativeHumidity)].viewMaximum = 4;
}

std::string MeasurementFile::rowDateText(int index) const
{
    const RowRecord &row = m_rows[static_cast<std::size_t>(index)];
    return row.hasStamp ? dateText(row.stamp) : std::string(kNoStampDateText);
}

std::string MeasurementFile::rowTimeText(int index) const
{
    const RowRecord &row = m_rows[static_cast<std::size_t>(index)];
    return row.hasStamp ? timeText(row.stamp) : std::string(kNoStampTimeText);
}

const ChannelColumn *MeasurementFile::column(ChannelKind kind, int channel) const
{
    const std::deque<ChannelColumn> &columns = m_columns[kindIndex(kind)];
    if (channel < 0 || static_cast<std::size_t>(channel) >= columns.size())
        return nullptr;
    return &columns[static_cast<std::size_t>(channel)];
}

std::optional<double> MeasurementFile::value(int index, ChannelKind kind, int channel) const
{
    const ChannelColumn *values = column(kind, channel);
    return values ? values->value(index) : std::nullopt;
}

bool MeasurementFile::rowHasKind(int index, ChannelKind kind) const
{
    for (const ChannelColumn &values : m_columns[kindIndex(kind)])
        if (values.value(index))
            return true;
    return false;
}

int MeasurementFile::valueCount(ChannelKind kind, int channel) const
{
    const ChannelColumn *values = column(kind, channel);
    return values ? static_cast<int>(values->valueCount()) : 0;
}

int MeasurementFile::appendRow(std::time_t time, const Stamp *stamp)
{
    m_rows.push_back({time, stamp ? *stamp : Stamp{}, stamp != nullptr});
    m_lastAppendedTime = time;
    return rowCount() - 1;
}

ChannelColumn &MeasurementFile::columnFor(ChannelKind kind, int channel)
{
    std::deque<ChannelColumn> &columns = m_columns[kindIndex(kind)];
    if (static_cast<std::size_t>(channel) >= columns.size())
        columns.resize(static_cast<std::size_t>(channel) + 1);
    return columns[static_cast<std::size_t>(channel)];
}

void MeasurementFile::storeValue(ChannelKind kind, int channel, double value)
{
    columnFor(kind, channel).append(rowCount() - 1, value);
}

void MeasurementFile::clearRows()
{
    // Swapping with empty containers gives the memory back; clear() would keep it.
    std::vector<RowRecord>().swap(m_rows);
    m_lastAppendedTime = -1;
    for (std::deque<ChannelColumn> &columns : m_columns)
        std::deque<ChannelColumn>().swap(columns);
}

void MeasurementFile::appendPiece(MeasurementFile &&piece,
                                  const std::array<std::vector<int>, kKindCount> &channelOf)
{
    const int rowBase = rowCount();
    bool stamped = false;
    for (RowRecord &row : piece.m_rows) {
        stamped = stamped || row.hasStamp;
        if (!stamped)
            row.time = m_lastAppendedTime;
    }
    m_rows.insert(m_rows.end(), piece.m_rows.begin(), piece.m_rows.end());
    if (!piece.m_rows.empty())
        m_lastAppendedTime = m_rows.back().time;
    for (int kind = 0; kind < kKindCount; ++kind) {
        std::deque<ChannelColumn> &columns = m_columns[static_cast<std::size_t>(kind)];
        std::deque<ChannelColumn> &pieceColumns = piece.m_columns[static_cast<std::size_t>(kind)];
        const std::vector<int> &global = channelOf[static_cast<std::size_t>(kind)];
        for (std::size_t local = 0; local < pieceColumns.size() && local < global.size(); ++local) {
            const int channel = global[local];
            if (channel < 0)
                continue;
            if (static_cast<std::size_t>(channel) >= columns.size())
                columns.resize(static_cast<std::size_t>(channel) + 1);
            columns[static_cast<std::size_t>(channel)].appendPiece(std::move(pieceColumns[local]),
                                                                   rowBase);
        }
    }
    piece.clearRows();
}

void MeasurementFile::takeReadData(MeasurementFile &read)
{
    m_rows.swap(read.m_rows);
    std::swap(m_lastAppendedTime, read.m_lastAppendedTime);
    m_columns.swap(read.m_columns);
    m_names.swap(read.m_names);
    m_ranges.swap(read.m_ranges);
    std::swap(m_readOffset, read.m_readOffset);
}

void MeasurementFile::shrinkToFit()
{
    m_rows.shrink_to_fit();
    for (std::deque<ChannelColumn> &columns : m_columns)
        for (ChannelColumn &column : columns)
            column.shrinkToFit();
}

void MeasurementFile::sortRows(int firstNewRow)
{
    const auto n = m_rows.size();
    std::size_t sorted = static_cast<std::size_t>(std::max(firstNewRow, 1));
    while (sorted < n && m_rows[sorted].time >= m_rows[sorted - 1].time)
        ++sorted;
    if (sorted >= n)
        return;
    // Rows up to the last one not later than the earliest unsorted row keep their places.
    const auto rows = [this](std::size_t i) {
        return m_rows.begin() + static_cast<std::ptrdiff_t>(i);
    };
    const std::time_t earliest =
        std::min_element(rows(sorted), m_rows.end(), [](const RowRecord &a, const RowRecord &b) {
            return a.time < b.time;
        })->time;
    const auto first = static_cast<std::size_t>(
        std::upper_bound(m_rows.begin(), rows(sorted), earliest,
                         [](std::time_t t, const RowRecord &row) { return t < row.time; }) -
        m_rows.begin());
    // So does every row that no row before it is later than and no row after it earlier than:
    // the rows between two such rows are reordered among themselves (a clock that went back for
    // an hour moves the rows of that hour only).
    std::vector<std::time_t> earliestFrom(n - first + 1, std::numeric_limits<std::time_t>::max());
    for (std::size_t i = n; i-- > first;)
        earliestFrom[i - first] = std::min(m_rows[i].time, earliestFrom[i - first + 1]);
    std::time_t latestBefore =
        first > 0 ? m_rows[first - 1].time : std::numeric_limits<std::time_t>::min();
    std::size_t moving = n; // first row of the stretch being gathered, n for none
    for (std::size_t i = first; i <= n; ++i) {
        const bool stays = i == n || (latestBefore <= m_rows[i].time &&
                                      m_rows[i].time <= earliestFrom[i - first + 1]);
        if (!stays && moving == n)
            moving = i;
        if (stays && moving != n) {
            reorderRange(static_cast<int>(moving), static_cast<int>(i));
            moving = n;
        }
        if (i < n)
            latestBefore = std::max(latestBefore, m_rows[i].time);
    }
}

void MeasurementFile::reorderRange(int first, int end)
{
    const auto count = static_cast<std::size_t>(end - first);
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), first);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return rowTime(a) < rowTime(b); });

    std::vector<int> newRow(count);
    std::vector<RowRecord> moved(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto from = static_cast<std::size_t>(order[i]);
        newRow[from - static_cast<std::size_t>(first)] = first + static_cast<int>(i);
        moved[i] = m_rows[from];
    }
    std::copy(moved.begin(), moved.end(), m_rows.begin() + first);

    std::vector<std::pair<int, double>> values;
    for (std::deque<ChannelColumn> &columns : m_columns) {
        for (ChannelColumn &channel : columns) {
            values.clear();
            channel.forEach(first, end - 1, [&](int row, double v) {
                values.emplace_back(newRow[static_cast<std::size_t>(row - first)], v);
            });
            std::sort(values.begin(), values.end());
            channel.rewriteRange(first, end, values);
        }
    }
}

void MeasurementFile::clearChannelNames()
{
    for (ChannelNameList &names : m_names)
        names.clear();
}

ChannelView &MeasurementFile::channelView(ChannelKind kind, int channel)
{
    return m_channelViews[static_cast<std::size_t>(kindIndex(kind) * kChannelSlots + channel)];
}

const ChannelView &MeasurementFile::channelView(ChannelKind kind, int channel) const
{
    return m_channelViews[static_cast<std::size_t>(kindIndex(kind) * kChannelSlots + channel)];
}

void MeasurementFile::resetDataRanges()
{
    for (GroupRange &range : m_ranges) {
        range.dataMinimum = 1000000;
        range.dataMaximum = -1000000;
    }
}

void MeasurementFile::widenDataRangeTo(ChannelKind kind, double value)
{
    if (!std::isfinite(value))
        return;
    GroupRange &range = m_ranges[static_cast<std::size_t>(groupNumber(unitGroupOf(kind)))];
    const double limited = std::clamp(value, -kRangeLimit, kRangeLimit);
    const int whole = static_cast<int>(std::trunc(limited));
    if (range.dataMinimum > limited)
        range.dataMinimum = whole - 1;
    if (range.dataMaximum < limited)
        range.dataMaximum = whole + (kind == ChannelKind::Temperature ? 2 : 4);
}

void MeasurementFile::updateDisplayRanges()
{
    for (std::size_t slot = 0; slot < m_ranges.size(); ++slot) {
        GroupRange &range = m_ranges[slot];
        const std::int64_t low = range.dataMinimum <= 0 ? range.dataMinimum : 0;
        const auto margin = static_cast<int>((std::int64_t{range.dataMaximum} - low) / 8);
        range.displayMinimum = range.dataMinimum - margin;
        range.displayMaximum = range.dataMaximum + margin;
        if (slot != static_cast<std::size_t>(groupNumber(UnitGroup::Temperature)))
            range.displayMinimum = std::max(range.displayMinimum, 0);
        if (slot == static_cast<std::size_t>(groupNumber(UnitGroup::RelativeHumidity)))
            range.displayMaximum = std::min(range.displayMaximum, 100);
        if (slot == static_cast<std::size_t>(groupNumber(UnitGroup::WindDirection)))
            range.displayMaximum = std::min(range.displayMaximum, 360);
    }
}

void MeasurementFile::clearShownFlags()
{
    for (GroupView &group : m_groupViews)
        group.shown = false;
    for (ChannelView &channel : m_channelViews)
        channel.shown = false;
}

void MeasurementFile::updateGroupShownFlags()
{
    for (GroupView &group : m_groupViews)
        group.shown = false;
    for (int kind = 0; kind < kKindCount; ++kind) {
        GroupView &group = groupView(unitGroupOf(kindAt(kind)));
        for (int channel = 0; channel < kChannelSlots && !group.shown; ++channel)
            group.shown = channelView(kindAt(kind), channel).shown;
    }
}

void MeasurementFile::clearListedFlags()
{
    for (ChannelView &channel : m_channelViews)
        channel.listed = false;
}

ChannelListEntry MeasurementFile::listEntry(int item) const
{
    if (item < 0 || static_cast<std::size_t>(item) >= m_listEntries.size())
        return {};
    return m_listEntries[static_cast<std::size_t>(item)];
}

void MeasurementFile::setListEntry(int item, ChannelListEntry entry)
{
    if (item < 0)
        return;
    if (static_cast<std::size_t>(item) >= m_listEntries.size())
        m_listEntries.resize(static_cast<std::size_t>(item) + 1);
    m_listEntries[static_cast<std::size_t>(item)] = entry;
}

int MeasurementFile::findRow(std::time_t t, FindDirection direction) const
{
    const auto byTime = [](const RowRecord &row, std::time_t time) { return row.time < time; };
    if (direction == FindDirection::Forward) {
        if (m_rows.empty())
            return -1;
        const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), t, byTime);
        return at == m_rows.end() ? rowCount() - 1 : static_cast<int>(at - m_rows.begin());
    }
    const auto after =
        std::upper_bound(m_rows.begin(), m_rows.end(), t,
                         [](std::time_t time, const RowRecord &row) { return time < row.time; });
    return after == m_rows.begin() ? 0 : static_cast<int>(after - m_rows.begin()) - 1;
}

std::optional<std::time_t> MeasurementFile::snapEnd(std::time_t t, std::time_t &endTime,
                                                    int &endRow) const
{
    endRow = findRow(t, endTime < t ? FindDirection::Forward : FindDirection::Back);
    if (endRow < 0 || endRow >= rowCount()) {
        endTime = 0;
        return std::nullopt;
    }
    endTime = rowTime(endRow);
    return endTime;
}

std::optional<std::time_t> MeasurementFile::setFromTime(std::time_t t)
{
    return snapEnd(t, m_fromTime, m_fromRow);
}

std::optional<std::time_t> MeasurementFile::setToTime(std::time_t t)
{
    return snapEnd(t, m_toTime, m_toRow);
}

} // namespace zyfo
