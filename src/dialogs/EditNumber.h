// Whole numbers in edit controls, read and written as the settings dialogs do.
#pragma once

#include "CWnd.h"

namespace zyfo {

// The edit's text as atoi reads it: leading blanks, a sign, then digits up to the first other
// character; no digits give 0, numbers beyond the int range saturate.
int editNumber(const CWnd &edit);

// Puts `value` into the edit formatted "%d" (which sends EN_CHANGE).
void setEditNumber(CWnd &edit, int value);

// The edit's number kept within low..high: a number outside is replaced in the edit by the
// limit it passed. Returns the number within the limits.
int clampEditNumber(CWnd &edit, int low, int high);

} // namespace zyfo
