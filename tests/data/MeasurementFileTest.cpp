// Tests of the measurement model: value storage, sorting, time window and ranges.
#include "MeasurementFile.h"

#include "ExactSum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <tuple>

namespace zyfo {
namespace {

constexpr ChannelKind kTemp = ChannelKind::Temperature;

// Values and range answers of a column against a plain map of its values, for random ranges.
void expectRangesMatch(const ChannelColumn &column, const std::map<int, double> &expected,
                       std::mt19937 &random, int rows)
{
    EXPECT_EQ(column.valueCount(), expected.size());
    std::uniform_int_distribution<int> rowOf(-10, rows + 10);
    for (int i = 0; i < 60; ++i) {
        int first = rowOf(random);
        int last = i % 3 == 0 ? first + rowOf(random) % 9000 : rowOf(random);
        if (last < first)
            std::swap(first, last);
        ExactSum sum;
        ExactSum wantedSum;
        std::optional<ValueExtremes> wantedExtremes;
        int count = 0;
        for (auto it = expected.lower_bound(first); it != expected.end() && it->first <= last;
             ++it) {
            wantedSum.add(it->second);
            ++count;
            if (!wantedExtremes)
                wantedExtremes = ValueExtremes{it->second, it->second};
            wantedExtremes->minimum = std::min(wantedExtremes->minimum, it->second);
            wantedExtremes->maximum = std::max(wantedExtremes->maximum, it->second);
        }
        const auto at = expected.find(first);
        EXPECT_EQ(column.value(first),
                  at != expected.end() ? std::optional(at->second) : std::nullopt)
            << first;
        std::vector<std::pair<int, double>> walked;
        column.forEach(first, last, [&](int row, double v) { walked.emplace_back(row, v); });
        EXPECT_EQ(walked, (std::vector<std::pair<int, double>>(expected.lower_bound(first),
                                                               expected.upper_bound(last))))
            << first << ".." << last;
        column.addTo(sum, first, last);
        EXPECT_EQ(sum.value(), wantedSum.value()) << first << ".." << last;
        EXPECT_EQ(column.countIn(first, last), count) << first << ".." << last;
        const auto extremes = column.extremes(first, last);
        ASSERT_EQ(extremes.has_value(), wantedExtremes.has_value()) << first << ".." << last;
        if (extremes) {
            EXPECT_EQ(extremes->minimum, wantedExtremes->minimum) << first << ".." << last;
            EXPECT_EQ(extremes->maximum, wantedExtremes->maximum) << first << ".." << last;
        }
        const auto present = expected.lower_bound(std::max(first, 0));
        const int nextPresent =
            present != expected.end() && present->first <= last ? present->first : last + 1;
        EXPECT_EQ(column.nextPresent(first, last), nextPresent) << first << ".." << last;
        int absent = std::max(first, 0);
        while (absent <= last && expected.count(absent) != 0)
            ++absent;
        EXPECT_EQ(column.nextAbsent(first, last), std::min(absent, last + 1))
            << first << ".." << last;
        ExactSum runSum;
        ExactSum wantedRunSum;
        for (int r = std::max(first, 0); r < std::min(absent, last + 1); ++r)
            wantedRunSum.add(expected.at(r));
        EXPECT_EQ(column.addPresentRun(runSum, first, last), std::min(absent, last + 1))
            << first << ".." << last;
        EXPECT_EQ(runSum.value(), wantedRunSum.value()) << first << ".." << last;
    }
}

TEST(ChannelColumn, ValuesAndRangeAnswersFollowAppendsTruncationsRewritesAndPieces)
{
    // Long full stretches and sparse ones, so that whole spans of rows are taken at once, and
    // every change that can reach a summary: replacing the last value, truncating, rewriting a
    // range in place, joining a piece.
    std::mt19937 random(11);
    std::uniform_real_distribution<double> valueOf(-50.0, 50.0);
    ChannelColumn column;
    std::map<int, double> expected;
    int row = 0;
    const auto appendUpTo = [&](ChannelColumn &target, std::map<int, double> &values, int end,
                                int offset) {
        for (; row < end; row += random() % 5 == 0 ? 1 + static_cast<int>(random() % 300) : 1) {
            const double v = std::round(valueOf(random) * 100) / 100;
            target.append(row, v);
            values[row + offset] = v;
            if (random() % 97 == 0) {
                const double again = -v;
                target.append(row, again);
                values[row + offset] = again;
            }
        }
    };
    // Cuts the column at `cut` and appends again from `restart` up to `end`.
    const auto truncateAndGoOn = [&](int cut, int restart, int end) {
        column.truncate(cut);
        expected.erase(expected.lower_bound(cut), expected.end());
        row = restart;
        appendUpTo(column, expected, end, 0);
        expectRangesMatch(column, expected, random, end);
    };
    appendUpTo(column, expected, 30000, 0);
    expectRangesMatch(column, expected, random, 30000);
    truncateAndGoOn(17000, 17003, 40000);

    // Reverse the values of a range: the same rows, so it is rewritten where they lie.
    std::vector<std::pair<int, double>> rewritten(expected.lower_bound(4000),
                                                  expected.lower_bound(13000));
    std::vector<double> reversed;
    for (const auto &entry : rewritten)
        reversed.push_back(entry.second);
    std::reverse(reversed.begin(), reversed.end());
    for (std::size_t i = 0; i < rewritten.size(); ++i) {
        rewritten[i].second = reversed[i];
        expected[rewritten[i].first] = reversed[i];
    }
    column.rewriteRange(4000, 13000, rewritten);
    expectRangesMatch(column, expected, random, 40000);

    ChannelColumn piece;
    std::map<int, double> pieceValues;
    row = 0;
    appendUpTo(piece, pieceValues, 20000, 40100);
    column.appendPiece(std::move(piece), 40100);
    expected.insert(pieceValues.begin(), pieceValues.end());
    expectRangesMatch(column, expected, random, 60100);

    // Cut between the end of the first segment's rows and the piece's first row, then go on.
    truncateAndGoOn(40050, 40060, 50000);

    // Reads between appends: the chunk being filled as the last one of its span, and a chunk
    // that is closed (its room given back) and then takes values again or a new last value.
    ChannelColumn growing;
    std::map<int, double> grown;
    row = 0;
    for (const int stop : {4040, 4095, 4097, 8150, 8191, 12000}) {
        appendUpTo(growing, grown, stop, 0);
        expectRangesMatch(growing, grown, random, stop);
        growing.shrinkToFit();
        const int last = grown.rbegin()->first;
        growing.append(last, grown[last] + 1);
        grown[last] += 1;
        expectRangesMatch(growing, grown, random, stop);
    }

    // Runs of present rows over whole spans, in two segments: up to a gap, a segment's end, or
    // the end of the range.
    ChannelColumn dense;
    ChannelColumn densePiece;
    for (int r = 0; r < 12000; ++r)
        (r < 9000 ? dense : densePiece).append(r < 9000 ? r : r - 9000, r % 7 == 0 ? 0.5 : 0.25);
    densePiece.append(3000, 1.0);
    densePiece.append(3002, 1.0);
    dense.appendPiece(std::move(densePiece), 9000);
    const auto runSum = [](int first, int last) {
        double total = 0;
        for (int r = first; r <= last; ++r)
            total += r > 11999 ? 1.0 : r % 7 == 0 ? 0.5 : 0.25;
        return total;
    };
    for (const auto &[first, last, end] :
         std::vector<std::tuple<int, int, int>>{{0, 8999, 9000},
                                                {0, 20000, 12001},
                                                {100, 11000, 11001},
                                                {4096, 12003, 12001},
                                                {12001, 12003, 12001},
                                                {12002, 12003, 12003}}) {
        ExactSum sum;
        EXPECT_EQ(dense.addPresentRun(sum, first, last), end) << first << ".." << last;
        EXPECT_EQ(sum.value(), runSum(first, end - 1)) << first << ".." << last;
    }
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
