// Drawing surface that writes an SVG document, every primitive at its integer device
// coordinates (the command-line export of the chart).
#include "CSvgDC.h"

#include "FontResolver.h"
#include "LinePixels.h"

#include <cstdio>
#include <fstream>

namespace zyfo {

namespace {

std::string colour(COLORREF color)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color),
                  GetBValue(color));
    return text;
}

std::string escaped(std::string_view text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string rectangle(int x, int y, int width, int height, COLORREF color)
{
    return "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" +
           colour(color) + "\"/>\n";
}

// Whether the text cell, unturned or turned a quarter, stays inside `clip` (then the text needs
// no clipping); other angles are always clipped.
bool cellInside(const CRect &clip, int x, int y, CSize extent, int escapement)
{
    CRect cell;
    if (escapement == 0)
        cell = {x, y, x + extent.cx, y + extent.cy};
    else if (escapement == 900)
        cell = {x, y - extent.cx, x + extent.cy, y};
    else
        return false;
    return cell.left >= clip.left && cell.top >= clip.top && cell.right <= clip.right &&
           cell.bottom <= clip.bottom;
}

} // namespace

CSvgDC::CSvgDC(int width, int height, int dpi)
    : m_caps{width, height, dpi, dpi}
{}

int CSvgDC::GetDeviceCaps(int index) const
{
    return m_caps.capability(index);
}

std::string CSvgDC::document() const
{
    std::string width = std::to_string(m_caps.width);
    std::string height = std::to_string(m_caps.height);
    std::string size = "width=\"" + width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width +
                       ' ' + height + '"';
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" " +
           size + " shape-rendering=\"crispEdges\">\n" + m_body + "</svg>\n";
}

BOOL CSvgDC::Save(const std::string &path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << document();
    out.close();
    return out ? TRUE : FALSE;
}

void CSvgDC::fillRect(const CRect &rect, COLORREF color)
{
    m_body += rectangle(rect.left, rect.top, rect.Width(), rect.Height(), color);
}

void CSvgDC::drawLine(CPoint from, CPoint to, const LOGPEN &pen)
{
    // A stroke at whole-number coordinates straddles two rows of pixels, and every renderer
    // rounds a sloping or round-ended one its own way: the line is written as the pixels the
    // image surface sets, so that any renderer at 1:1 lights those.
    const std::vector<CRect> blocks = linePixels(from, to, pen);
    if (blocks.empty())
        return;
    m_body += "<path fill=\"" + colour(pen.lopnColor) + "\" d=\"";
    for (const CRect &block : blocks)
        m_body += 'M' + std::to_string(block.left) + ' ' + std::to_string(block.top) + 'h' +
                  std::to_string(block.Width()) + 'v' + std::to_string(block.Height()) + 'h' +
                  std::to_string(-block.Width()) + 'z';
    m_body += "\"/>\n";
}

void CSvgDC::drawText(const TextRun &run)
{
    QFont font = FontResolver::qtFont(*run.font);
    bool clipped = run.clip != nullptr &&
                   !cellInside(*run.clip, run.x, run.y, run.extent, run.font->lfEscapement);
    if (clipped) {
        std::string id = "clip" + std::to_string(++m_clips);
        m_body +=
            "<clipPath id=\"" + id + "\">" +
            rectangle(run.clip->left, run.clip->top, run.clip->Width(), run.clip->Height(), 0) +
            "</clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
    }
    std::string turn;
    if (run.font->lfEscapement != 0)
        turn = " transform=\"rotate(" + std::to_string(-run.font->lfEscapement / 10) + ' ' +
               std::to_string(run.x) + ' ' + std::to_string(run.y) + ")\"";
    std::string x = std::to_string(run.x);
    std::string y = std::to_string(run.y);
    if (run.opaque)
        m_body += "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + std::to_string(run.extent.cx) +
                  "\" height=\"" + std::to_string(run.extent.cy) + "\" fill=\"" +
                  colour(run.bkColor) + '"' + turn + "/>\n";
    m_body += "<text x=\"" + x + "\" y=\"" + std::to_string(run.y + run.ascent) +
              "\" font-family=\"" + escaped(font.family().toStdString()) +
              ", Arial, sans-serif\" font-size=\"" + std::to_string(font.pixelSize()) +
              "\" font-weight=\"" + std::to_string(font.weight()) + "\" fill=\"" +
              colour(run.textColor) + '"' + turn + ">" + escaped(run.text) + "</text>\n";
    if (clipped)
        m_body += "</g>\n";
}

} // namespace zyfo
