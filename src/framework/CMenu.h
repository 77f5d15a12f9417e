// A window's system menu: the items offered besides the window's own commands.
#pragma once

#include "WinDefs.h"

#include <string>
#include <vector>

namespace zyfo {

// Choosing an item sends WM_SYSCOMMAND with its id to the window. The menu opens from the
// window's background (right button) or with Alt+Space.
class CMenu
{
public:
    struct Item
    {
        UINT flags = MF_STRING;
        UINT_PTR id = 0;
        std::string text;
    };

    // Appends an item (MF_STRING, with `id` and `text`, "&" marking the access key) or a
    // separator (MF_SEPARATOR). FALSE for other flags or a string item without text.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const std::string &text = {});

    const std::vector<Item> &items() const { return m_items; }

private:
    std::vector<Item> m_items;
};

} // namespace zyfo
