// The channel that one item of the channel combo box stands for.
#pragma once

#include "ChannelKind.h"

namespace zyfo {

// Ties a combo item to a channel: its kind (a ChannelKind number) and its channel index.
// -1/-1 stands for no channel (an item that does not exist, or a cleared entry).
struct ChannelListEntry
{
    int kind = -1;
    int channel = -1;

    bool isChannel() const { return isKindIndex(kind) && channel >= 0; }
    ChannelKind channelKind() const { return kindAt(kind); }
    bool operator==(const ChannelListEntry &) const = default;
};

} // namespace zyfo
