// Charts with hand-made rows for the chart tests: channels, values, shown flags, time window.
#pragma once

#include "CChartCtrl.h"
#include "CRecordingDC.h"
#include "StampConverter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace zyfo::test {

using Values = std::vector<std::optional<double>>;

// One channel of a test file: its kind, name and the value of each row (none: no reading).
struct Series
{
    ChannelKind kind;
    std::string name;
    Values values;
};

// Appends rows 0..rows - 1 holding the values of `series`, the i-th series being channel
// channels[i] of its kind.
inline void appendRows(MeasurementFile &file, int rows, const std::vector<Series> &series,
                       const std::vector<int> &channels)
{
    StampConverter converter;
    for (int row = 0; row < rows; ++row) {
        // Row `row` stands at 15 January 2024 from midnight, one row a minute. The text is wider
        // than a stamp: the compiler cannot tell that the two fields keep two digits.
        char text[32];
        std::snprintf(text, sizeof text, "20240115%02d%02d00", (row / 60) % 24, row % 60);
        Stamp stamp;
        std::copy(text, text + kStampLength, stamp.begin());
        file.appendRow(converter.toTime(stamp), &stamp);
        for (std::size_t i = 0; i < series.size(); ++i)
            if (static_cast<std::size_t>(row) < series[i].values.size() && series[i].values[row])
                file.storeValue(series[i].kind, channels[i], *series[i].values[row]);
    }
}

// Fills the chart's file with `rows` rows holding `series`, shows every channel, sets the time
// window to rows first..last (all rows by default) and makes the pens, as the reader leaves a
// freshly opened file. A window ending beyond the rows, as when the file got shorter since the
// window was set, is set on last + 1 rows of which only the first `rows` are then kept.
inline void loadRows(CChartCtrl &chart, int rows, const std::vector<Series> &series, int first = 0,
                     int last = -1)
{
    MeasurementFile &file = chart.file();
    std::vector<int> channels;
    for (const Series &s : series)
        channels.push_back(file.channelNames(s.kind).add(s.name));
    if (last < 0)
        last = rows - 1;
    const int made = std::max(rows, last + 1);
    appendRows(file, made, series, channels);
    for (std::size_t i = 0; i < series.size(); ++i)
        file.channelView(series[i].kind, channels[i]).shown = true;
    file.updateGroupShownFlags();
    file.setFromTime(file.rowTime(first));
    file.setToTime(file.rowTime(last));
    if (made > rows) {
        file.clearRows();
        appendRows(file, rows, series, channels);
    }
    chart.CreatePens(1);
}

// `count` copies of `value`.
inline Values constant(int count, double value)
{
    return Values(static_cast<std::size_t>(count), value);
}

// The lines drawn with a pen of `color`, in drawing order.
inline std::vector<Primitive> linesOfColor(const CRecordingDC &dc, COLORREF color)
{
    std::vector<Primitive> lines;
    for (const Primitive &p : dc.primitives(Primitive::Kind::Line))
        if (p.pen.lopnColor == color)
            lines.push_back(p);
    return lines;
}

} // namespace zyfo::test
