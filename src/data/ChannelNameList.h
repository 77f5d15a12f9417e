// The names of the channels of one kind, by channel index.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyfo {

// Channel names of one kind. A name's index is its channel index; names are unique within the
// list and never more than kMaxChannelsPerKind (255).
class ChannelNameList
{
public:
    int count() const { return static_cast<int>(m_names.size()); }

    // The name of channel `index`; requires 0 <= index < count().
    const std::string &name(int index) const { return m_names[static_cast<std::size_t>(index)]; }

    // The index of the name compared byte for byte, or -1 when it is not in the list.
    int find(std::string_view name) const;

    // The index of the name, adding it at index count() when it is new. A full list (255 names)
    // refuses a new name: the result is then -1 and the list is unchanged.
    int add(std::string_view name);

    void clear() { m_names.clear(); }

private:
    std::vector<std::string> m_names;
};

} // namespace zyfo
