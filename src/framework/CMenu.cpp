// A window's system menu: the items offered besides the window's own commands.
#include "CMenu.h"

namespace zyfo {

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const std::string &text)
{
    if (flags == MF_SEPARATOR) {
        m_items.push_back({MF_SEPARATOR, 0, {}});
        return TRUE;
    }
    if (flags != MF_STRING || text.empty())
        return FALSE;
    m_items.push_back({MF_STRING, id, text});
    return TRUE;
}

} // namespace zyfo
