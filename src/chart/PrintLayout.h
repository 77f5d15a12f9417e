// Where the printed page puts its heading and its chart, and how much larger than on the screen.
#pragma once

#include "CDC.h"
#include "CPoint.h"
#include "CRect.h"

namespace zyfo {

// The page of one print job in printer device units. sx and sy are the printer's resolution
// over the screen's, whole numbers and at least 1: sx sizes the print fonts and places the
// heading across, sy is the chart's drawing scale and sizes the margins.
struct PrintLayout
{
    int sx = 1;
    int sy = 1;
    CPoint heading; // top-left corner of the heading "Pomiar: ..."
    CRect chart;    // the rectangle the chart is drawn into
};

// The layout for `printer` (its HORZRES, VERTRES, LOGPIXELSX/Y and PHYSICALOFFSETX/Y) and a
// screen of `screenDpiX` x `screenDpiY` dots per inch. A printer coarser than the screen (or a
// resolution that is not known) prints at scale 1.
PrintLayout printLayout(const CDC &printer, int screenDpiX, int screenDpiY);

} // namespace zyfo
