// A pen for lines: style, width in device units and colour.
#pragma once

#include "WinDefs.h"

#include <optional>

namespace zyfo {

// What a created pen draws with.
struct LOGPEN
{
    int lopnStyle = PS_SOLID;
    int lopnWidth = 1;
    COLORREF lopnColor = 0;

    bool operator==(const LOGPEN &) const = default;
};

// Owns at most one pen description; an empty wrapper stands for a pen that was not made.
class CPen
{
public:
    // Makes a solid pen. Width 0 draws one pixel, as width 1 does. Fails (FALSE, nothing
    // changes) for another style, a negative width, or when the wrapper already holds a pen.
    BOOL CreatePen(int style, int width, COLORREF color);

    // Drops the pen. FALSE when there was none.
    BOOL DeleteObject();

    // The pen's description, or nullptr when no pen is held.
    const LOGPEN *GetSafeHandle() const { return m_pen ? &*m_pen : nullptr; }

private:
    std::optional<LOGPEN> m_pen;
};

} // namespace zyfo
