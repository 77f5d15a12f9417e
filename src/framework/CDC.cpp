// Drawing surface with the GDI operations the program uses; screen, image, printer, SVG and
// recording surfaces implement it.
#include "CDC.h"

#include "FontResolver.h"

namespace zyfo {

namespace {
LOGFONT defaultFontDescription()
{
    LOGFONT font;
    font.lfHeight = 16;
    font.lfWeight = FW_BOLD;
    return font;
}
} // namespace

CDC::CDC()
    : m_font(defaultFontDescription())
{
    m_defaultPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_defaultFont.CreateFontIndirect(&m_font);
    m_pen = *m_defaultPen.GetSafeHandle();
}

CDC::~CDC() = default;

CPen *CDC::SelectObject(CPen *pen)
{
    if (pen == nullptr || pen->GetSafeHandle() == nullptr)
        return nullptr;
    CPen *previous = m_penObject;
    m_penObject = pen;
    m_pen = *pen->GetSafeHandle();
    return previous;
}

CFont *CDC::SelectObject(CFont *font)
{
    if (font == nullptr || font->GetSafeHandle() == nullptr)
        return nullptr;
    CFont *previous = m_fontObject;
    m_fontObject = font;
    m_font = *font->GetSafeHandle();
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    COLORREF previous = m_textColor;
    m_textColor = color & 0xFFFFFF;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    COLORREF previous = m_bkColor;
    m_bkColor = color & 0xFFFFFF;
    return previous;
}

int CDC::SetBkMode(int mode)
{
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    int previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

void CDC::FillSolidRect(const CRect *rect, COLORREF color)
{
    SetBkColor(color);
    if (rect != nullptr && !rect->IsRectEmpty())
        fillRect(*rect, m_bkColor);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    CRect rect{x, y, x + cx, y + cy};
    FillSolidRect(&rect, color);
}

CPoint CDC::MoveTo(int x, int y)
{
    CPoint previous = m_position;
    m_position = {x, y};
    return previous;
}

BOOL CDC::LineTo(int x, int y)
{
    CPoint to{x, y};
    if (to != m_position)
        drawLine(m_position, to, m_pen);
    m_position = to;
    return TRUE;
}

BOOL CDC::PolyPolyline(const CPoint *points, const DWORD *counts, int count)
{
    if ((points == nullptr || counts == nullptr) && count > 0)
        return FALSE;
    std::vector<CPoint> ends;
    std::size_t first = 0;
    for (int i = 0; i < count; ++i) {
        if (counts[i] < 2)
            return FALSE;
        for (std::size_t j = first + 1; j < first + counts[i]; ++j) {
            if (points[j - 1] == points[j])
                continue;
            ends.push_back(points[j - 1]);
            ends.push_back(points[j]);
        }
        first += counts[i];
    }
    drawLines(ends, m_pen);
    return TRUE;
}

void CDC::drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen)
{
    for (std::size_t i = 0; i + 1 < ends.size(); i += 2)
        drawLine(ends[i], ends[i + 1], pen);
}

CDC::TextRun CDC::layoutText(std::string_view text, int x, int y) const
{
    TextMetrics metrics = FontResolver::measure(m_font, text);
    TextRun run;
    run.x = x;
    run.y = y;
    run.text = text;
    run.font = &m_font;
    run.extent = metrics.extent;
    run.ascent = metrics.ascent;
    run.textColor = m_textColor;
    run.opaque = m_bkMode == OPAQUE;
    run.bkColor = m_bkColor;
    return run;
}

BOOL CDC::TextOut(int x, int y, const std::string &text)
{
    drawText(layoutText(text, x, y));
    return TRUE;
}

int CDC::DrawText(const std::string &text, CRect *rect, UINT format)
{
    if (rect == nullptr)
        return 0;
    TextRun run = layoutText(text, rect->left, rect->top);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + run.extent.cx;
        rect->bottom = rect->top + run.extent.cy;
        return run.extent.cy;
    }
    // Integer halving truncates toward zero, so a text wider than its rectangle overhangs
    // both sides by the same amount give or take a pixel.
    if (format & DT_CENTER)
        run.x = rect->left + (rect->Width() - run.extent.cx) / 2;
    else if (format & DT_RIGHT)
        run.x = rect->right - run.extent.cx;
    if (format & DT_VCENTER)
        run.y = rect->top + (rect->Height() - run.extent.cy) / 2;
    else if (format & DT_BOTTOM)
        run.y = rect->bottom - run.extent.cy;
    run.clip = (format & DT_NOCLIP) ? nullptr : rect;
    run.layout = rect;
    run.format = format;
    drawText(run);
    return run.y + run.extent.cy - rect->top;
}

CSize CDC::GetTextExtent(const std::string &text) const
{
    return FontResolver::measure(m_font, text).extent;
}

int CDC::StartDoc(const std::string &)
{
    return SP_ERROR;
}

int CDC::StartPage()
{
    return SP_ERROR;
}

int CDC::EndPage()
{
    return SP_ERROR;
}

int CDC::EndDoc()
{
    return SP_ERROR;
}

} // namespace zyfo
