// A rectangle given by its edges; right and bottom lie just outside it, as in GDI.
#pragma once

namespace zyfo {

struct CRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }

    bool operator==(const CRect &) const = default;
};

} // namespace zyfo
