// The decimal separator of the user's numeric locale.
#include "LocaleDecimalSeparator.h"

#include <clocale>

namespace zyfo {

std::string localeDecimalSeparator()
{
    const std::lconv *numeric = std::localeconv();
    if (numeric == nullptr || numeric->decimal_point == nullptr || *numeric->decimal_point == 0)
        return ".";
    return numeric->decimal_point;
}

} // namespace zyfo
