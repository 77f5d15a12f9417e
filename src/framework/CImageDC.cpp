// Drawing surface over an off-screen image: the chart's paint buffer and PNG export.
#include "CImageDC.h"

#include "Application.h"
#include "LineRaster.h"
#include "LineShapeCache.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zyfo {

namespace {
constexpr double metresPerInch = 0.0254;

LineRaster rasterOf(QImage &image)
{
    // A copy of an image being painted is a deep one, so bits() never moves the pixels away
    // from where the painter paints.
    return LineRaster(reinterpret_cast<std::uint32_t *>(image.bits()), image.width(),
                      image.height(), image.bytesPerLine() / 4, LineShapeCache::forThisThread());
}
} // namespace

CImageDC::CImageDC(int width, int height, int dpi)
    : CPainterDC(std::max(width, 1), std::max(height, 1), dpi, dpi)
{
    ensureApplication();
    m_image =
        std::make_unique<QImage>(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_image->fill(Qt::black);
    int dotsPerMetre = static_cast<int>(std::lround(dpi / metresPerInch));
    m_image->setDotsPerMeterX(dotsPerMetre);
    m_image->setDotsPerMeterY(dotsPerMetre);
    begin(m_image.get());
}

CImageDC::~CImageDC()
{
    // The painter must let go of the image before the image goes.
    end();
}

BOOL CImageDC::SaveImage(const std::string &path) const
{
    return m_image->save(QString::fromStdString(path), "PNG") ? TRUE : FALSE;
}

bool CImageDC::drawsDirectly() const
{
    // Nothing is drawn once the painter has let go of the image, whichever way.
    return m_lineDrawing == LineDrawing::Direct && painter()->isActive();
}

void CImageDC::drawLine(CPoint from, CPoint to, const LOGPEN &pen)
{
    if (!drawsDirectly() || !rasterOf(*m_image).draw(from, to, pen))
        CPainterDC::drawLine(from, to, pen);
}

void CImageDC::drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen)
{
    if (!drawsDirectly()) {
        CPainterDC::drawLines(ends, pen);
        return;
    }
    // All lines of the call have one pen, so the painter may draw the ones left to it last.
    LineRaster raster = rasterOf(*m_image);
    std::vector<CPoint> left;
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
        if (!raster.draw(ends[i], ends[i + 1], pen)) {
            left.push_back(ends[i]);
            left.push_back(ends[i + 1]);
        }
    }
    if (!left.empty())
        CPainterDC::drawLines(left, pen);
}

} // namespace zyfo
