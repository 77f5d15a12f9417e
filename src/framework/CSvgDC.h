// Drawing surface that writes an SVG document, every primitive at its integer device
// coordinates (the command-line export of the chart).
#pragma once

#include "CDC.h"
#include "DeviceCaps.h"

#include <string>

namespace zyfo {

// Fills and pixels are rectangles with crisp edges and lines the pixels the image surface sets
// for them, so a viewer at 1:1 shows the pixels the image has outside text; text uses the same
// face and sizes as the other surfaces.
class CSvgDC : public CDC
{
public:
    // A picture of width x height device units at `dpi` (GetDeviceCaps's LOGPIXELS).
    CSvgDC(int width, int height, int dpi = 96);

    // The whole document as drawn so far.
    std::string document() const;
    // Writes the document; FALSE when the file cannot be written completely.
    BOOL Save(const std::string &path) const;

    int GetDeviceCaps(int index) const override;

protected:
    void fillRect(const CRect &rect, COLORREF color) override;
    void drawLine(CPoint from, CPoint to, const LOGPEN &pen) override;
    void drawText(const TextRun &run) override;

private:
    DeviceCaps m_caps;
    int m_clips = 0;
    std::string m_body;
};

} // namespace zyfo
