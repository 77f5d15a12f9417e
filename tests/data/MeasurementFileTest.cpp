// Tests of the measurement model: value storage, sorting, time window and ranges.
#include "MeasurementFile.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace zyfo {
namespace {

constexpr ChannelKind kTemp = ChannelKind::Temperature;

TEST(ChannelColumn, SparseAndDenseValuesAcrossChunksAndBlocks)
{
    ChannelColumn column;
    std::map<int, double> expected;
    for (int row = 0; row < 40000; row += (row % 3 == 0 ? 1 : 7)) {
        column.append(row, row * 0.5);
        expected[row] = row * 0.5;
    }
    column.append(39999, -1.0); // the last row again replaces its value
    expected[39999] = -1.0;
    column.append(39999, -2.0);
    expected[39999] = -2.0;
    EXPECT_EQ(column.valueCount(), expected.size());
    for (int row : {0, 1, 2, 63, 64, 65, 8191, 20000, 39998, 39999, 40000, -1})
        EXPECT_EQ(column.value(row),
                  expected.count(row) ? std::optional(expected[row]) : std::nullopt)
            << row;

    std::vector<std::pair<int, double>> walked;
    column.forEach(63, 20000, [&](int row, double v) { walked.emplace_back(row, v); });
    std::vector<std::pair<int, double>> wanted(expected.lower_bound(63),
                                               expected.upper_bound(20000));
    EXPECT_EQ(walked, wanted);

    column.truncate(100);
    EXPECT_EQ(column.valueCount(), static_cast<std::uint32_t>(
                                       std::distance(expected.begin(), expected.lower_bound(100))));
    EXPECT_FALSE(column.value(100));
    column.append(120, 9.0);
    EXPECT_EQ(column.value(120), 9.0);
}

TEST(MeasurementFile, SortOfAppendedRowsMatchesAStableSortOfAll)
{
    // Rows 2000 on arrive in a second call and are sorted in among the first.
    std::mt19937 random(7);
    std::vector<std::time_t> times;
    for (int i = 0; i < 3000; ++i)
        times.push_back(i < 2000 ? i : static_cast<std::time_t>(random() % 2500));
    MeasurementFile file;
    for (std::size_t i = 0; i < times.size(); ++i) {
        if (i == 2000)
            file.sortRows(0);
        file.appendRow(times[i], nullptr);
        if (i % 2 == 0)
            file.storeValue(kTemp, 0, static_cast<double>(i));
        file.storeValue(kTemp, 1, static_cast<double>(i));
    }
    file.sortRows(2000);

    std::vector<std::size_t> order(times.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](auto a, auto b) { return times[a] < times[b]; });
    for (int row = 0; row < file.rowCount(); ++row) {
        const std::size_t from = order[static_cast<std::size_t>(row)];
        ASSERT_EQ(file.rowTime(row), times[from]);
        ASSERT_EQ(file.value(row, kTemp, 1), static_cast<double>(from));
        ASSERT_EQ(file.value(row, kTemp, 0),
                  from % 2 == 0 ? std::optional(static_cast<double>(from)) : std::nullopt);
    }
}

TEST(MeasurementFile, FindRowAndSnappingTheEnds)
{
    MeasurementFile empty;
    EXPECT_EQ(empty.findRow(5, FindDirection::Back), 0);
    EXPECT_EQ(empty.findRow(5, FindDirection::Forward), -1);
    EXPECT_FALSE(empty.setToTime(5));
    EXPECT_EQ(empty.toTime(), 0);

    const std::time_t h8 = 8 * 3600, h9 = 9 * 3600, h10 = 10 * 3600;
    MeasurementFile file;
    for (const std::time_t t : {h8, h9, h10})
        file.appendRow(t, nullptr);
    EXPECT_EQ(file.findRow(h8 - 1, FindDirection::Back), 0);
    EXPECT_EQ(file.findRow(h10 + 1, FindDirection::Back), 2);
    EXPECT_EQ(file.findRow(h10 + 1, FindDirection::Forward), 2);
    EXPECT_EQ(file.findRow(h9, FindDirection::Forward), 1);

    ASSERT_EQ(file.setToTime(h10), h10);
    EXPECT_EQ(file.setToTime(h9 + 1800), h9); // moving earlier snaps back
    EXPECT_EQ(file.toRow(), 1);
    ASSERT_EQ(file.setToTime(h8), h8);
    EXPECT_EQ(file.setToTime(h9 + 1800), h10); // moving later snaps forward
    EXPECT_EQ(file.setToTime(h10 + 3600), h10);
    ASSERT_EQ(file.setFromTime(h9), h9);
    EXPECT_EQ(file.setFromTime(h8 - 3600), h8);
    EXPECT_EQ(file.fromRow(), 0);
}

TEST(MeasurementFile, RangesShareGroupsAndNeverOverflow)
{
    MeasurementFile file;
    file.resetDataRanges();
    file.widenDataRange(kTemp, 21.5);
    file.widenDataRange(ChannelKind::DewPoint, 30.2); // dew point shares group 1, margin 4
    EXPECT_EQ(file.groupRange(1).dataMaximum, 34);
    file.widenDataRange(ChannelKind::WindDirection, 400);
    file.widenDataRange(ChannelKind::Pressure, 1e300);
    file.widenDataRange(ChannelKind::Pressure, -1e300);
    file.updateDisplayRanges();
    EXPECT_EQ(file.groupRange(7).displayMaximum, 360);
    EXPECT_EQ(file.groupRange(2).dataMaximum, 1000000004);
    EXPECT_EQ(file.groupRange(2).dataMinimum, -1000000001);
    EXPECT_EQ(file.groupRange(2).displayMinimum, 0);
    EXPECT_EQ(file.groupRange(1).displayMinimum, 20 - 4); // (34 - 0) / 8, no floor at 0
}

} // namespace
} // namespace zyfo
