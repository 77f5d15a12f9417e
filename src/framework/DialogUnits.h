// Dialog units of a dialog font: base units from the font's metrics, and their pixel sizes.
#pragma once

#include <QFont>
#include <QRect>

#include <string>

namespace zyfo {

// The font of `pointSize` points at the screen's logical resolution; baseX is the average
// width of the Latin letters and baseY the font's cell height, as the platform's dialog
// manager measures them. A horizontal dialog unit is baseX / 4 pixels, a vertical one baseY / 8,
// rounded to the nearest pixel.
class DialogUnits
{
public:
    DialogUnits(const std::string &face, int pointSize);

    const QFont &font() const { return m_font; }
    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    QRect toPixels(int x, int y, int cx, int cy) const;
    QSize toPixels(int cx, int cy) const;

private:
    QFont m_font;
    int m_baseX;
    int m_baseY;
};

} // namespace zyfo
