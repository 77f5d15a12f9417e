// The painter's forms of our colours and pens, shared by the surfaces that draw with a painter.
#pragma once

#include "CPen.h"

#include <QColor>
#include <QPen>

namespace zyfo {

// The opaque colour of `color`.
QColor qtColor(COLORREF color);

// A pen wider than one pixel as a geometric pen with round ends and joins.
QPen widePen(const LOGPEN &pen);

} // namespace zyfo
