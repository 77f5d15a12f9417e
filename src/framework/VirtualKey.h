// The virtual key of a Qt key, as key-down messages carry it.
#pragma once

#include "WinDefs.h"

namespace zyfo {

// VK_RETURN (Return and Enter), VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_HOME, VK_ADD (Plus) or
// VK_SUBTRACT (Minus) for `qtKey`; 0 for every other key.
WPARAM virtualKey(int qtKey);

} // namespace zyfo
