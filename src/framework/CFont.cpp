// A font given by its Windows description: cell height, weight, escapement and face.
#include "CFont.h"

namespace zyfo {

namespace {
constexpr std::size_t maxFaceNameLength = 31;
}

BOOL CFont::CreateFontIndirect(const LOGFONT *font)
{
    if (font == nullptr || m_font || font->lfFaceName.size() > maxFaceNameLength)
        return FALSE;
    m_font = *font;
    return TRUE;
}

BOOL CFont::DeleteObject()
{
    if (!m_font)
        return FALSE;
    m_font.reset();
    return TRUE;
}

} // namespace zyfo
