// Legend captions: per-kind words, names and means formatted like "%.03f".
#include "LegendCaption.h"

#include <array>
#include <charconv>

namespace zyfo {
namespace {

// Indexed by ChannelKind. The three radiation kinds share a word; their units tell them apart.
constexpr std::array<std::string_view, kKindCount> kKindWords = {
    "Temperatura",
    "Ciśnienie",
    "Wilgotność względna",
    "Temp. punktu rosy",
    "Zawartość pary wodnej",
    "Promieniowanie",
    "Promieniowanie",
    "Prędkość",
    "Kierunek",
    "Wysokość",
    "Promieniowanie",
    "Wejście binarne",
};

// `value` with three decimals as printf("%.3f") writes it, with `separator` for the point.
std::string formatMean(double value, std::string_view separator)
{
    std::array<char, 400> digits{}; // room for the widest double in fixed notation
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed, 3);
    std::string text(digits.data(), result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

} // namespace

std::string legendCaption(ChannelKind kind, std::string_view name, std::optional<double> mean,
                          std::string_view decimalSeparator)
{
    std::string caption(kKindWords[kindIndex(kind)]);
    caption += ' ';
    caption += name;
    if (!mean)
        return caption;
    caption += " [";
    caption += formatMean(*mean, decimalSeparator);
    caption += ' ';
    caption += unitText(unitGroupOf(kind));
    caption += ']';
    return caption;
}

} // namespace zyfo
