// printf-exact "%.Nf" formatting of doubles for report cells, without printf's cost.
#pragma once

#include <string>
#include <string_view>

namespace zyfo {

// Appends `value` as printf("%.*f", decimals, value) writes it in the "C" locale: the exact
// binary value rounded half to even, "-" for every negative value (also -0.00), "inf", "nan".
// `decimals` is 0 to 3; `point` stands in place of the decimal point. Magnitudes below 1e9 take
// an exact integer path; the rest go through the standard library's exact (and slower)
// conversion.
void appendFixedPoint(std::string &out, double value, int decimals, std::string_view point = ".");

} // namespace zyfo
