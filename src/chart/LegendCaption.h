// The text of one legend entry: the kind's word, the channel name and optionally its mean.
#pragma once

#include "ChannelKind.h"

#include <optional>
#include <string>
#include <string_view>

namespace zyfo {

// The legend caption of a channel of `kind` named `name`, UTF-8. With a mean the caption ends
// in " [<mean with three decimals> <unit>]", the unit being that of the kind's value axis (a
// binary input's mean therefore reads "bin"); `decimalSeparator` replaces the decimal point.
std::string legendCaption(ChannelKind kind, std::string_view name, std::optional<double> mean,
                          std::string_view decimalSeparator);

} // namespace zyfo
