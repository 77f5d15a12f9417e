// Drawing surface over a Qt painter: the base of the screen, image and printer surfaces.
#include "CPainterDC.h"

#include "CImageDC.h"
#include "FontResolver.h"
#include "PainterPen.h"
#include "ThinLineRuns.h"

#include <QImage>
#include <QPainter>
#include <QVector>

namespace zyfo {

namespace {
QRect qtRect(const CRect &rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}
} // namespace

CPainterDC::CPainterDC(int width, int height, int dpiX, int dpiY)
    : m_painter(std::make_unique<QPainter>())
    , m_caps{width, height, dpiX, dpiY}
{}

CPainterDC::~CPainterDC()
{
    end();
}

bool CPainterDC::begin(QPaintDevice *device)
{
    if (!m_painter->begin(device))
        return false;
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

void CPainterDC::end()
{
    if (m_painter->isActive())
        m_painter->end();
}

bool CPainterDC::painting() const
{
    return m_painter->isActive();
}

BOOL CPainterDC::BitBlt(int x, int y, int w, int h, const CImageDC *source, int xSrc, int ySrc,
                        DWORD rop)
{
    if (rop != SRCCOPY || source == nullptr || !painting())
        return FALSE;
    m_painter->drawImage(QRect(x, y, w, h), source->image(), QRect(xSrc, ySrc, w, h));
    return TRUE;
}

int CPainterDC::GetDeviceCaps(int index) const
{
    return m_caps.capability(index);
}

void CPainterDC::fillRect(const CRect &rect, COLORREF color)
{
    if (painting())
        m_painter->fillRect(qtRect(rect), qtColor(color));
}

void CPainterDC::drawLine(CPoint from, CPoint to, const LOGPEN &pen)
{
    if (!painting())
        return;
    if (pen.lopnWidth <= 1) {
        drawThinLine(from, to, qtColor(pen.lopnColor));
        return;
    }
    m_painter->setPen(widePen(pen));
    m_painter->drawLine(from.x, from.y, to.x, to.y);
}

void CPainterDC::drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen)
{
    if (!painting())
        return;
    if (pen.lopnWidth <= 1) {
        CDC::drawLines(ends, pen);
        return;
    }
    // One call strokes the lines in batches: the same pixels as line by line, in less time.
    QVector<QLine> lines;
    lines.reserve(static_cast<qsizetype>(ends.size() / 2));
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
        lines.append(QLine(ends[i].x, ends[i].y, ends[i + 1].x, ends[i + 1].y));
    m_painter->setPen(widePen(pen));
    m_painter->drawLines(lines);
}

void CPainterDC::drawThinLine(CPoint from, CPoint to, const QColor &color)
{
    // Stepped here, which the painter cannot do; the pixels of a row or column are filled as one
    // rectangle.
    forEachThinLineRun(from, to, [&](int left, int top, int right, int bottom) {
        m_painter->fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), color);
    });
}

void CPainterDC::drawText(const TextRun &run)
{
    if (!painting())
        return;
    m_painter->save();
    if (run.clip != nullptr)
        m_painter->setClipRect(qtRect(*run.clip));
    m_painter->translate(run.x, run.y);
    // Escapement turns counter-clockwise; the painter's positive angles turn clockwise.
    m_painter->rotate(-run.font->lfEscapement / 10.0);
    if (run.opaque)
        m_painter->fillRect(QRect(0, 0, run.extent.cx, run.extent.cy), qtColor(run.bkColor));
    m_painter->setFont(FontResolver::qtFont(*run.font));
    m_painter->setPen(qtColor(run.textColor));
    m_painter->drawText(
        QPoint(0, run.ascent),
        QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())));
    m_painter->restore();
}

} // namespace zyfo
