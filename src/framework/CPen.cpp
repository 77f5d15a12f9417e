// A pen for lines: style, width in device units and colour.
#include "CPen.h"

namespace zyfo {

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_pen || style != PS_SOLID || width < 0)
        return FALSE;
    m_pen = LOGPEN{style, width, color & 0xFFFFFF};
    return TRUE;
}

BOOL CPen::DeleteObject()
{
    if (!m_pen)
        return FALSE;
    m_pen.reset();
    return TRUE;
}

} // namespace zyfo
