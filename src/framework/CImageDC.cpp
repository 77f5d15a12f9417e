// Drawing surface over an off-screen image: the chart's paint buffer and PNG export.
#include "CImageDC.h"

#include "Application.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>

namespace zyfo {

namespace {
constexpr double metresPerInch = 0.0254;
}

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

} // namespace zyfo
