// The readout box of the row under the pointer: its lines of text and where it stands.
#pragma once

#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"

#include <string>
#include <string_view>
#include <vector>

namespace zyfo {

class MeasurementFile;

// Told in the readout for a shown channel without a value in the row.
inline constexpr std::string_view kNoValueText = "brak";
// Pixels between the pointer and the box.
inline constexpr int kReadoutGap = 12;

// The readout of row `row` (a valid index), UTF-8: first "<date text> <time text>", then for
// every shown channel in the legend's order "<legend caption>: <value> <unit>" (the value with
// the report's decimals and `decimalSeparator`, the unit of the kind's value axis) or
// "<legend caption>: brak".
std::vector<std::string> readoutLines(const MeasurementFile &file, int row,
                                      std::string_view decimalSeparator);

// The box of `size` for the pointer at `pointer`: kReadoutGap right of and below it, on the
// pointer's left where it would pass the right edge of `bounds`, and moved inside `bounds` as
// far as it fits (its top left corner kept inside when it is larger).
CRect readoutBoxRect(CPoint pointer, CSize size, const CRect &bounds);

} // namespace zyfo
