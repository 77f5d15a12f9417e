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
    // An image of width x height pixels (at least 1 x 1), black at first like a new bitmap.
    explicit CImageDC(int width, int height, int dpi = 96);
    ~CImageDC() override;

    // Writes the image as a PNG file. FALSE when it cannot be written.
    BOOL SaveImage(const std::string &path) const;

    const QImage &image() const { return *m_image; }

private:
    std::unique_ptr<QImage> m_image;
};

} // namespace zyfo
