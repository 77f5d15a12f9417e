// The line colour a channel has until the user picks another one.
#pragma once

#include "ChannelKind.h"
#include "WinDefs.h"

namespace zyfo {

// The default line colour of channel `index` (0..255) of `kind`: a per-kind colour family whose
// components step with the index, so neighbouring channels of a kind differ.
COLORREF defaultChannelColor(ChannelKind kind, int index);

} // namespace zyfo
