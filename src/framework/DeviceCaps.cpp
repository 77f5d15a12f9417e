// What a surface's GetDeviceCaps answers: its size, resolution and printable-area offset.
#include "DeviceCaps.h"

#include "WinDefs.h"

namespace zyfo {

int DeviceCaps::capability(int index) const
{
    switch (index) {
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case LOGPIXELSX:
        return dpiX;
    case LOGPIXELSY:
        return dpiY;
    case PHYSICALOFFSETX:
        return offsetX;
    case PHYSICALOFFSETY:
        return offsetY;
    default:
        return 0;
    }
}

} // namespace zyfo
