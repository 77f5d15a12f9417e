// The painter's forms of our colours and pens, shared by the surfaces that draw with a painter.
#include "PainterPen.h"

namespace zyfo {

QColor qtColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QPen widePen(const LOGPEN &pen)
{
    QPen result(qtColor(pen.lopnColor));
    result.setWidth(pen.lopnWidth);
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

} // namespace zyfo
