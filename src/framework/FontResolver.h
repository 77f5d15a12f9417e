// Turns a Windows font description into the Qt font that draws it, and measures text with it.
#pragma once

#include "CFont.h"
#include "CSize.h"

#include <QFont>

#include <string_view>

namespace zyfo {

// Cell size of a text and the baseline's distance from the cell's top, in device pixels.
struct TextMetrics
{
    CSize extent;
    int ascent = 0;
};

// Faces resolve through fontconfig ("Arial" to a metric-compatible face); the dialog face
// "MS Sans Serif" is mapped to the same sans-serif face. Heights follow Windows: a positive
// height is the cell height (ascent + descent), a negative one the em height, both rounded to
// whole pixels as GDI realises fonts. Pixel sizes are device pixels on any paint device.
class FontResolver
{
public:
    // The Qt font of a description; the fonts of the last few descriptions are kept, since a
    // chart draws hundreds of texts in a handful of fonts. The reference stays valid until
    // other descriptions have been asked for.
    static const QFont &qtFont(const LOGFONT &font);
    static TextMetrics measure(const LOGFONT &font, std::string_view text);

private:
    struct Resolved;
    static Resolved &resolve(const LOGFONT &font);
    static QFont makeFont(const LOGFONT &font);
};

} // namespace zyfo
