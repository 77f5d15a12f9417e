// The decimal separator of the user's numeric locale, as reports and the legend print it.
#pragma once

#include <string>

namespace zyfo {

// The decimal point of the C library's current LC_NUMERIC locale (set from the user's locale at
// start-up); "." when the locale gives none.
std::string localeDecimalSeparator();

} // namespace zyfo
