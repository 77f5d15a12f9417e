// Drawing surface with the GDI operations the program uses; screen, image, printer, SVG and
// recording surfaces implement it.
#pragma once

#include "CFont.h"
#include "CPen.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "WinDefs.h"

#include <string>
#include <string_view>
#include <vector>

namespace zyfo {

// Coordinates are device units, y growing downwards. A new surface has a black one-pixel pen,
// a default font, black text on an opaque white background and its current position at (0, 0).
// Selected pens and fonts are copied at selection: deleting the wrapper afterwards leaves the
// surface drawing with them, as a selected GDI object cannot be deleted.
class CDC
{
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC &) = delete;
    CDC &operator=(const CDC &) = delete;

    // Selects a pen or a font. Returns the object selected before (the surface's own default
    // at first), or nullptr, leaving the current object selected, when the wrapper is empty.
    CPen *SelectObject(CPen *pen);
    CFont *SelectObject(CFont *font);

    // Colour and mode setters return the previous value; SetBkMode returns 0 for an unknown
    // mode and keeps the current one.
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);

    // Fills the rectangle with `color` and makes `color` the background colour, like the
    // framework's solid fill. An empty rectangle draws nothing.
    void FillSolidRect(const CRect *rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

    // Sets the current position; returns the previous one.
    CPoint MoveTo(int x, int y);
    // Draws from the current position to (x, y) with the selected pen and moves the current
    // position there. A one-pixel pen leaves the end pixel unset; wider pens have round ends.
    BOOL LineTo(int x, int y);
    // Draws `count` polylines with the selected pen, polyline i through the next counts[i]
    // points of `points`, each of its lines as LineTo draws it; a line of no length draws
    // nothing. The current position is neither used nor changed. FALSE, drawing nothing, for
    // null arguments or a polyline of fewer than 2 points.
    BOOL PolyPolyline(const CPoint *points, const DWORD *counts, int count);
    // Sets one pixel; returns the colour set.

    // Draws `text` (UTF-8) with the selected font and text colour, the reference point (x, y)
    // being the top-left corner of the text cell before the font's escapement turns the text
    // about it. In opaque mode the cell is filled with the background colour first.
    BOOL TextOut(int x, int y, const std::string &text);

    // Draws one line of text in `rect`: DT_LEFT/DT_CENTER/DT_RIGHT and DT_TOP/DT_VCENTER/
    // DT_BOTTOM place it (line breaks are not interpreted), the output is clipped to `rect`
    // unless DT_NOCLIP. With DT_CALCRECT nothing is drawn and rect's right and bottom become
    // left + text width and top + text height. Returns the distance from rect's top to the
    // bottom of the text, or 0 for a null rectangle.
    int DrawText(const std::string &text, CRect *rect, UINT format);

    // Width and cell height of `text` in the selected font.
    CSize GetTextExtent(const std::string &text) const;

    // HORZRES, VERTRES, LOGPIXELSX, LOGPIXELSY, PHYSICALOFFSETX, PHYSICALOFFSETY; 0 otherwise.
    virtual int GetDeviceCaps(int index) const = 0;

    // Print jobs. Surfaces other than printers (and the recording surface) refuse them with
    // SP_ERROR. StartDoc returns a positive job number on success; the others a positive value.
    virtual int StartDoc(const std::string &docName);
    virtual int StartPage();
    virtual int EndPage();
    virtual int EndDoc();

protected:
    // One text output after layout: the cell (extent, with the baseline `ascent` below its
    // top) has its unrotated top-left corner at (x, y) and turns about it by the escapement.
    struct TextRun
    {
        int x = 0;
        int y = 0;
        std::string_view text;
        const LOGFONT *font = nullptr;
        CSize extent;
        int ascent = 0;
        COLORREF textColor = 0;
        bool opaque = false;
        COLORREF bkColor = 0;
        const CRect *clip = nullptr;   // DrawText's rectangle unless DT_NOCLIP
        const CRect *layout = nullptr; // DrawText's rectangle, nullptr for TextOut
        UINT format = 0;
    };

    virtual void fillRect(const CRect &rect, COLORREF color) = 0;
    virtual void drawLine(CPoint from, CPoint to, const LOGPEN &pen) = 0;
    // The lines from ends[2i] to ends[2i + 1], none of them without length: one at a time
    // unless a surface draws a batch of lines faster.
    virtual void drawLines(const std::vector<CPoint> &ends, const LOGPEN &pen);
    virtual void drawText(const TextRun &run) = 0;

private:
    TextRun layoutText(std::string_view text, int x, int y) const;

    CPen m_defaultPen;
    CFont m_defaultFont;
    CPen *m_penObject = &m_defaultPen;
    CFont *m_fontObject = &m_defaultFont;
    LOGPEN m_pen;
    LOGFONT m_font;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    CPoint m_position;
};

} // namespace zyfo
