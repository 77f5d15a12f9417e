// Channel kinds: the short-name formats and the unit texts.
#include "ChannelKind.h"

namespace zyfo {
namespace {

// The short-name format of each kind, indexed by ChannelKind; every format of the program is
// this text followed by the channel name ("Temp. %s").
constexpr std::array<std::string_view, kKindCount> kShortNamePrefixes = {
    "Temp. ", "Ciś. ",     "Wilg. wzgl. ", "Punkt rosy ", "Zaw. pary  ", "Prom. ",
    "Prom. ", "Prędkość ", "Kier.",        "Wys.",        "Prom. ",      "We. bin.  ",
};

// Indexed by group number; slot 0 is the reserved group.
constexpr std::array<std::string_view, kGroupSlotCount> kUnits = {
    "", "°C", "hPa", "%", "ppm", "W/m2", "kLx", "°", "m/s", "mm", "µmol/sm2", "bin",
};

} // namespace

std::string_view unitText(UnitGroup group)
{
    const int number = groupNumber(group);
    if (number < 1 || number >= kGroupSlotCount)
        return {};
    return kUnits[number];
}

std::string shortName(ChannelKind kind, std::string_view channelName)
{
    std::string text(kShortNamePrefixes[kindIndex(kind)]);
    text += channelName;
    return text;
}

} // namespace zyfo
