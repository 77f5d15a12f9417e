// Drawing surface over an off-screen image: the chart's paint buffer and PNG export.
#pragma once

#include "CPainterDC.h"

#include <memory>
#include <string>

class QImage;

namespace zyfo {

class CImageDC : public CPainterDC
{
public:
    // How lines reach the image. Direct writes them straight into its pixels, many times faster
    // than the painter, and falls back on the painter for the few lines it cannot draw exactly
    // as the painter would; Painter strokes every line with the painter, as the other surfaces
    // do. Both set the same pixels to the same values.
    enum class LineDrawing
    {
        Direct,
        Painter
    };

    // An image of width x height pixels (at least 1 x 1), black at first like a new bitmap,
    // drawing lines directly.
    explicit CImageDC(int width, int height, int dpi = 96);
    ~CImageDC() override;

    // Writes the image as a PNG file. FALSE when it cannot be written.
    BOOL SaveImage(const std::string &path) const;

    const QImage &image() const { return *m_image; }

    void setLineDrawing(LineDrawing drawing) { m_lineDrawing = drawing; }

protected:
    void drawLine(CPoint from, CPoint to, const LOGPEN &pen) override;
    void drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen) override;

private:
    bool drawsDirectly() const;

    std::unique_ptr<QImage> m_image;
    LineDrawing m_lineDrawing = LineDrawing::Direct;
};

} // namespace zyfo
