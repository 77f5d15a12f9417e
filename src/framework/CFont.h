// A font given by its Windows description: cell height, weight, escapement and face.
#pragma once

#include "WinDefs.h"

#include <optional>
#include <string>

namespace zyfo {

// The fields of the Windows font description that the program sets. A positive height is the
// cell height in device units, a negative one the character (em) height; 0 takes a default.
// Escapement is in tenths of a degree counter-clockwise.
struct LOGFONT
{
    int lfHeight = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    int lfItalic = 0;
    int lfUnderline = 0;
    int lfCharSet = 0;
    int lfClipPrecision = 0;
    std::string lfFaceName;

    bool operator==(const LOGFONT &) const = default;
};

// Owns at most one font description; an empty wrapper stands for a font that was not made.
class CFont
{
public:
    // Makes the font described by `font`. Fails (FALSE) for a null description, a face name
    // longer than the 31 characters Windows allows, or when the wrapper already holds a font.
    BOOL CreateFontIndirect(const LOGFONT *font);

    // Drops the font. FALSE when there was none.
    BOOL DeleteObject();

    // The font's description, or nullptr when no font is held.
    const LOGFONT *GetSafeHandle() const { return m_font ? &*m_font : nullptr; }

private:
    std::optional<LOGFONT> m_font;
};

} // namespace zyfo
