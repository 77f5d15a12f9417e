// A menu bar as data: pop-up menus of commands and separators.
#pragma once

#include "WinDefs.h"

#include <string>
#include <vector>

namespace zyfo {

// A command (text and id), a separator (no text, id 0) or, in a bar, a pop-up (text and items).
struct MenuItem
{
    std::string text;
    UINT id = 0;
    std::vector<MenuItem> items;
};

struct MenuTemplate
{
    int id = 0;
    std::vector<MenuItem> popups;
};

} // namespace zyfo
