// Where the printed page puts its heading and its chart, and how much larger than on the screen.
#include "PrintLayout.h"

namespace zyfo {

namespace {
// Printer dots per screen dot, rounded down; never 0, since the page arithmetic divides by it.
int scaleFactor(int printerDpi, int screenDpi)
{
    if (screenDpi < 1 || printerDpi < screenDpi)
        return 1;
    return printerDpi / screenDpi;
}
} // namespace

PrintLayout printLayout(const CDC &printer, int screenDpiX, int screenDpiY)
{
    PrintLayout page;
    page.sx = scaleFactor(printer.GetDeviceCaps(LOGPIXELSX), screenDpiX);
    page.sy = scaleFactor(printer.GetDeviceCaps(LOGPIXELSY), screenDpiY);
    const int sx = page.sx;
    const int sy = page.sy;
    page.heading = {50 * sx, 30 * sy};
    const int px = printer.GetDeviceCaps(PHYSICALOFFSETX);
    const int py = printer.GetDeviceCaps(PHYSICALOFFSETY);
    page.chart.left = px / sx + 10 * sy;
    page.chart.top = py / sy + 50 * sy;
    page.chart.right = printer.GetDeviceCaps(HORZRES) - 10 * sy - px / sx;
    page.chart.bottom = printer.GetDeviceCaps(VERTRES) - 10 * sy - 2 * py / sy;
    return page;
}

} // namespace zyfo
