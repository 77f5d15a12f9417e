// Dialog units of a dialog font: base units from the font's metrics, and their pixel sizes.
#include "DialogUnits.h"

#include "CFont.h"
#include "FontResolver.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

namespace zyfo {

namespace {
constexpr int pointsPerInch = 72;

// a * b / c rounded half away from zero, as the platform's MulDiv.
int mulDiv(int a, int b, int c)
{
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / c);
}

int screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : 96;
}
} // namespace

DialogUnits::DialogUnits(const std::string &face, int pointSize)
{
    LOGFONT description;
    description.lfHeight = -mulDiv(pointSize, screenDpi(), pointsPerInch);
    description.lfFaceName = face;
    m_font = FontResolver::qtFont(description);
    QFontMetrics metrics(m_font);
    int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = metrics.ascent() + metrics.descent();
}

QRect DialogUnits::toPixels(int x, int y, int cx, int cy) const
{
    return QRect(QPoint(mulDiv(x, m_baseX, 4), mulDiv(y, m_baseY, 8)), toPixels(cx, cy));
}

QSize DialogUnits::toPixels(int cx, int cy) const
{
    return QSize(mulDiv(cx, m_baseX, 4), mulDiv(cy, m_baseY, 8));
}

} // namespace zyfo
