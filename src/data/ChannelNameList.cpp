// The names of the channels of one kind: lookup in index order and adding with the 255 limit.
#include "ChannelNameList.h"

#include "ChannelKind.h"

namespace zyfo {

int ChannelNameList::find(std::string_view name) const
{
    for (std::size_t i = 0; i < m_names.size(); ++i)
        if (m_names[i] == name)
            return static_cast<int>(i);
    return -1;
}

int ChannelNameList::add(std::string_view name)
{
    const int found = find(name);
    if (found >= 0)
        return found;
    if (count() >= kMaxChannelsPerKind)
        return -1;
    m_names.emplace_back(name);
    return count() - 1;
}

} // namespace zyfo
