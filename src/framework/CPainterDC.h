// Drawing surface over a Qt painter: the base of the screen, image and printer surfaces.
#pragma once

#include "CDC.h"
#include "DeviceCaps.h"

#include <memory>

class QColor;
class QPainter;
class QPaintDevice;

namespace zyfo {

class CImageDC;

// Lines and fills are drawn without anti-aliasing, so every primitive lands on the pixels GDI
// would set; text is anti-aliased.
class CPainterDC : public CDC
{
public:
    ~CPainterDC() override;

    // Copies the w x h pixels of `source` at (xSrc, ySrc) to (x, y). Only SRCCOPY is offered;
    // FALSE for another operation, a null source or a surface that is not painting.
    BOOL BitBlt(int x, int y, int w, int h, const CImageDC *source, int xSrc, int ySrc, DWORD rop);

    int GetDeviceCaps(int index) const override;

protected:
    // A surface of `width` x `height` device pixels at the given resolution (dots per inch).
    CPainterDC(int width, int height, int dpiX, int dpiY);

    // Starts painting on `device`; drawing before begin or after end does nothing.
    bool begin(QPaintDevice *device);
    void end();
    QPainter *painter() const { return m_painter.get(); }

    void fillRect(const CRect &rect, COLORREF color) override;
    void drawLine(CPoint from, CPoint to, const LOGPEN &pen) override;
    void drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen) override;
    void drawText(const TextRun &run) override;

private:
    bool painting() const;
    void drawThinLine(CPoint from, CPoint to, const QColor &color);

    std::unique_ptr<QPainter> m_painter;
    DeviceCaps m_caps;
};

} // namespace zyfo
