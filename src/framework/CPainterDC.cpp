// Drawing surface over a Qt painter: the base of the screen, image and printer surfaces.
#include "CPainterDC.h"

#include "CImageDC.h"
#include "FontResolver.h"

#include <QImage>
#include <QPainter>
#include <QVector>

#include <algorithm>
#include <cstdlib>

namespace zyfo {

namespace {
QColor qtColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// Pens wider than one pixel are geometric pens with round ends and joins.
QPen widePen(const LOGPEN &pen)
{
    QPen result(qtColor(pen.lopnColor));
    result.setWidth(pen.lopnWidth);
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

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
    // Stepped here from the start point, which the painter cannot do: it draws a line the same
    // way in both directions and leaves out its lower or right end, while a GDI line leaves out
    // its own end point whichever way it runs. Pixels in a row or column are filled as one run.
    if (from == to)
        return;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    CPoint pixel = from;
    CPoint runStart = from;
    CPoint runEnd = from;
    auto fillRun = [&] {
        m_painter->fillRect(
            QRect(QPoint(std::min(runStart.x, runEnd.x), std::min(runStart.y, runEnd.y)),
                  QPoint(std::max(runStart.x, runEnd.x), std::max(runStart.y, runEnd.y))),
            color);
    };
    for (;;) {
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            pixel.x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            pixel.y += sy;
        }
        if (pixel == to)
            break;
        const bool alongRow = pixel.y == runStart.y && runEnd.y == runStart.y;
        const bool alongColumn = pixel.x == runStart.x && runEnd.x == runStart.x;
        if (!alongRow && !alongColumn) {
            fillRun();
            runStart = pixel;
        }
        runEnd = pixel;
    }
    fillRun();
}

void CPainterDC::paintPixel(int x, int y, COLORREF color)
{
    if (painting())
        m_painter->fillRect(QRect(x, y, 1, 1), qtColor(color));
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
