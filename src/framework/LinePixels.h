// The pixels the image surface sets for a line, for surfaces that draw lines as whole pixels.
#pragma once

#include "CPen.h"
#include "CPoint.h"
#include "CRect.h"

#include <vector>

namespace zyfo {

// The pixels CImageDC sets for the line from `from` to `to` with `pen` on an image that no edge
// cuts the line on, as rectangles of whole pixels (each a run of one row or one column). A
// vector file that fills them lights, at one pixel per unit, the pixels the image has.
std::vector<CRect> linePixels(CPoint from, CPoint to, const LOGPEN &pen);

} // namespace zyfo
