// Readout texts from one row, and the box's place beside the pointer.
#include "ChartReadout.h"

#include "FixedPoint.h"
#include "LegendCaption.h"
#include "MeasurementFile.h"
#include "ReportWriter.h"

#include <algorithm>

namespace zyfo {

std::vector<std::string> readoutLines(const MeasurementFile &file, int row,
                                      std::string_view decimalSeparator)
{
    std::vector<std::string> lines{file.rowDateText(row) + ' ' + file.rowTimeText(row)};
    for (int kindNumber = 0; kindNumber < kKindCount; ++kindNumber) {
        const ChannelKind kind = kindAt(kindNumber);
        for (int channel = 0; channel < file.channelCount(kind); ++channel) {
            if (!file.channelView(kind, channel).shown)
                continue;
            std::string line = legendCaption(kind, file.channelNames(kind).name(channel),
                                             std::nullopt, decimalSeparator);
            line += ": ";
            if (const std::optional<double> value = file.value(row, kind, channel)) {
                appendFixedPoint(line, *value, valueDecimals(kind), decimalSeparator);
                line += ' ';
                line += unitText(unitGroupOf(kind));
            } else {
                line += kNoValueText;
            }
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

CRect readoutBoxRect(CPoint pointer, CSize size, const CRect &bounds)
{
    int left = pointer.x + kReadoutGap;
    if (left + size.cx > bounds.right)
        left = pointer.x - kReadoutGap - size.cx;
    int top = pointer.y + kReadoutGap;
    left = std::max(std::min(left, bounds.right - size.cx), bounds.left);
    top = std::max(std::min(top, bounds.bottom - size.cy), bounds.top);
    return {left, top, left + size.cx, top + size.cy};
}

} // namespace zyfo
