// A point in device or client coordinates.
#pragma once

namespace zyfo {

struct CPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const CPoint &) const = default;
};

} // namespace zyfo
