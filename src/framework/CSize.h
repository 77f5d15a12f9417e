// A width and height in device units.
#pragma once

namespace zyfo {

struct CSize
{
    int cx = 0;
    int cy = 0;

    bool operator==(const CSize &) const = default;
};

} // namespace zyfo
