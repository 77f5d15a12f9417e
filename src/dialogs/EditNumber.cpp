// Whole numbers in edit controls, read and written as the settings dialogs do.
#include "EditNumber.h"

#include "FieldConversion.h"

#include <cstdint>
#include <string>

namespace zyfo {

int editNumber(const CWnd &edit)
{
    std::string text;
    edit.GetWindowText(text);
    const auto *begin = reinterpret_cast<const std::uint8_t *>(text.data());
    return fieldToInt(begin, begin + text.size());
}

void setEditNumber(CWnd &edit, int value)
{
    edit.SetWindowText(std::to_string(value));
}

int clampEditNumber(CWnd &edit, int low, int high)
{
    const int number = editNumber(edit);
    if (number >= low && number <= high)
        return number;
    const int limit = number < low ? low : high;
    setEditNumber(edit, limit);
    return limit;
}

} // namespace zyfo
