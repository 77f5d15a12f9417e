// Conversion of the text fields of a data-file entry to numbers, independent of the locale.
#pragma once

#include <cstdint>
#include <optional>

namespace zyfo {

// An integer field as atoi reads it: leading white space, an optional sign, then decimal digits
// up to the first other byte; no digits give 0. Values beyond the int range saturate at
// INT_MIN / INT_MAX instead of overflowing.
int fieldToInt(const std::uint8_t *begin, const std::uint8_t *end);

// The usual value field, converted while it is scanned: an optional "-" and 1 to 15 digits with
// at most one "." among them, from `p` up to the first byte that does not fit (or `end`).
// Returns where the number stops, with its value in `value`; nullptr for a text of another
// shape, which fieldToValue reads.
const std::uint8_t *scanSimpleDecimal(const std::uint8_t *p, const std::uint8_t *end,
                                      double &value);

// A value field: leading white space, an optional sign, digits with an optional "." and an
// optional exponent, stopping at the first byte that does not fit; "." is the decimal point
// whatever the locale. A field that does not begin with a number gives 0 (also "inf" and
// "nan"), one too small for a double gives 0. Nothing for a missing reading: a field whose first
// byte is "?", and a number too large for a double (it has no finite value).
std::optional<double> fieldToValue(const std::uint8_t *begin, const std::uint8_t *end);

} // namespace zyfo
