// What a surface's GetDeviceCaps answers: its size, resolution and printable-area offset.
#pragma once

namespace zyfo {

struct DeviceCaps
{
    int width = 800;  // HORZRES, device units
    int height = 600; // VERTRES
    int dpiX = 96;    // LOGPIXELSX, dots per inch
    int dpiY = 96;    // LOGPIXELSY
    int offsetX = 0;  // PHYSICALOFFSETX: printable area from the paper's edge
    int offsetY = 0;  // PHYSICALOFFSETY

    // The value for a GetDeviceCaps index; 0 for an index not listed above.
    int capability(int index) const;
};

} // namespace zyfo
