// Turns a Windows font description into the Qt font that draws it, and measures text with it.
#include "FontResolver.h"

#include "Application.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace zyfo {

namespace {

constexpr int defaultCellHeight = 16;

// Lets the advances be looked up by a string_view without making a string.
struct TextHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const
    {
        return std::hash<std::string_view>{}(text);
    }
};
constexpr int referenceEm = 2048;

QString familyFor(const std::string &face)
{
    // The dialog templates name the old dialog face; it and an empty face take the sans-serif
    // face that "Arial" resolves to, which has the metrics the layouts were made for.
    if (face.empty() || face == "MS Sans Serif" || face == "MS Shell Dlg")
        return QStringLiteral("Arial");
    return QString::fromStdString(face);
}

// Cell height (ascent + descent) per em of a family, measured once at a large size.
double cellPerEm(const QString &family)
{
    static QHash<QString, double> ratios;
    auto found = ratios.constFind(family);
    if (found != ratios.constEnd())
        return *found;
    QFont reference(family);
    reference.setPixelSize(referenceEm);
    QFontMetricsF metrics(reference);
    double ratio = (metrics.ascent() + metrics.descent()) / referenceEm;
    if (ratio <= 0)
        ratio = 1;
    ratios.insert(family, ratio);
    return ratio;
}

int emPixels(const LOGFONT &font, const QString &family)
{
    int cell = font.lfHeight == 0 ? defaultCellHeight : font.lfHeight;
    if (cell < 0)
        return -cell;
    return std::max(1, static_cast<int>(std::lround(cell / cellPerEm(family))));
}

} // namespace

struct FontResolver::Resolved
{
    LOGFONT description;
    QFont font;
    QFontMetrics metrics;
    // Advances of the texts measured with this font. A chart measures the same few hundred
    // labels on every redraw, and measuring shapes the text anew each time.
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> advances;
};

FontResolver::Resolved &FontResolver::resolve(const LOGFONT &font)
{
    // Used on the GUI thread only, like every font of Qt's; kept to the end of the process, as
    // fonts must not outlive the application object they belong to.
    constexpr std::size_t kKept = 8;
    static auto &kept = *new std::vector<std::unique_ptr<Resolved>>;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i]->description == font) {
            std::rotate(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(i),
                        kept.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return *kept.front();
        }
    }
    QFont made = makeFont(font);
    if (kept.size() == kKept)
        kept.pop_back();
    kept.insert(kept.begin(),
                std::make_unique<Resolved>(Resolved{font, made, QFontMetrics(made), {}}));
    return *kept.front();
}

const QFont &FontResolver::qtFont(const LOGFONT &font)
{
    return resolve(font).font;
}

QFont FontResolver::makeFont(const LOGFONT &font)
{
    ensureApplication();
    QString family = familyFor(font.lfFaceName);
    QFont result(family);
    result.setPixelSize(emPixels(font, family));
    int weight = font.lfWeight == 0 ? FW_NORMAL : std::clamp(font.lfWeight, 1, 1000);
    result.setWeight(static_cast<QFont::Weight>(weight));
    result.setItalic(font.lfItalic != 0);
    result.setUnderline(font.lfUnderline != 0);
    // Whole-pixel advances, as GDI lays text out.
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

TextMetrics FontResolver::measure(const LOGFONT &font, std::string_view text)
{
    constexpr std::size_t kMostAdvances = 4096;
    Resolved &resolved = resolve(font);
    const QFontMetrics &metrics = resolved.metrics;
    auto found = resolved.advances.find(text);
    if (found == resolved.advances.end()) {
        // Kept bounded: texts that change on every redraw (times, means) would pile up.
        if (resolved.advances.size() == kMostAdvances)
            resolved.advances.clear();
        const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        found =
            resolved.advances.emplace(std::string(text), metrics.horizontalAdvance(string)).first;
    }
    return {{found->second, metrics.ascent() + metrics.descent()}, metrics.ascent()};
}

} // namespace zyfo
