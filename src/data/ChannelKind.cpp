// Channel kinds: the per-kind table of unit group, unit text and short-name format.
#include "ChannelKind.h"

namespace zyfo {
namespace {

struct KindTexts
{
    UnitGroup group;
    std::string_view shortPrefix; // the short-name format is this text followed by the name
};

// Indexed by ChannelKind. Every short-name format of the program has the form "<text>%s".
constexpr std::array<KindTexts, kKindCount> kKinds = {{
    {UnitGroup::Temperature, "Temp. "},
    {UnitGroup::Pressure, "Ciś. "},
    {UnitGroup::RelativeHumidity, "Wilg. wzgl. "},
    {UnitGroup::Temperature, "Punkt rosy "},
    {UnitGroup::VapourContent, "Zaw. pary  "},
    {UnitGroup::RadiationWm2, "Prom. "},
    {UnitGroup::RadiationKlx, "Prom. "},
    {UnitGroup::WindSpeed, "Prędkość "},
    {UnitGroup::WindDirection, "Kier."},
    {UnitGroup::RainHeight, "Wys."},
    {UnitGroup::RadiationUmol, "Prom. "},
    {UnitGroup::BinaryInput, "We. bin.  "},
}};

// Indexed by group number; slot 0 is the reserved group.
constexpr std::array<std::string_view, kGroupSlotCount> kUnits = {
    "", "°C", "hPa", "%", "ppm", "W/m2", "kLx", "°", "m/s", "mm", "µmol/sm2", "bin",
};

} // namespace

UnitGroup unitGroupOf(ChannelKind kind)
{
    return kKinds[kindIndex(kind)].group;
}

std::string_view unitText(UnitGroup group)
{
    const int number = groupNumber(group);
    if (number < 1 || number >= kGroupSlotCount)
        return {};
    return kUnits[number];
}

std::string shortName(ChannelKind kind, std::string_view channelName)
{
    std::string text(kKinds[kindIndex(kind)].shortPrefix);
    text += channelName;
    return text;
}

} // namespace zyfo
