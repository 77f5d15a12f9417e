// Channel kinds, the unit groups they are drawn on, and the per-kind texts of the program.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zyfo {

// The twelve kinds of reading. The numbers index every per-kind table of the program.
enum class ChannelKind : int
{
    Temperature = 0,
    Pressure = 1,
    RelativeHumidity = 2,
    DewPoint = 3,
    VapourContent = 4,
    RadiationWm2 = 5,
    RadiationKlx = 6,
    WindSpeed = 7,
    WindDirection = 8,
    RainHeight = 9,
    RadiationUmol = 10,
    BinaryInput = 11,
};

// The value axis and unit of a kind, numbered 1 to 11. Arrays of eleven per-group entries are
// indexed by group - 1; arrays of twelve group slots (data and display ranges) by the number
// itself, slot 0 being reserved. Speed is group 8 and direction group 7.
enum class UnitGroup : int
{
    Temperature = 1, // Temperature and DewPoint
    Pressure = 2,
    RelativeHumidity = 3,
    VapourContent = 4,
    RadiationWm2 = 5,
    RadiationKlx = 6,
    WindDirection = 7,
    WindSpeed = 8,
    RainHeight = 9,
    RadiationUmol = 10,
    BinaryInput = 11,
};

constexpr int kKindCount = 12;
constexpr int kGroupCount = 11;
constexpr int kGroupSlotCount = 12; // slots 0..11 of the data and display ranges
// Per kind at most this many channels exist (indices 0..254); per-channel tables have 256 slots.
constexpr int kMaxChannelsPerKind = 255;
constexpr int kChannelSlots = 256;

constexpr int kindIndex(ChannelKind kind)
{
    return static_cast<int>(kind);
}
constexpr ChannelKind kindAt(int index)
{
    return static_cast<ChannelKind>(index);
}
constexpr bool isKindIndex(int index)
{
    return index >= 0 && index < kKindCount;
}

constexpr int groupNumber(UnitGroup group)
{
    return static_cast<int>(group);
}
// Index into the eleven-entry per-group arrays: group number - 1.
constexpr int groupIndex(UnitGroup group)
{
    return static_cast<int>(group) - 1;
}
constexpr UnitGroup groupAt(int number)
{
    return static_cast<UnitGroup>(number);
}

// The kinds in the order the channel list of the main window and the listing step walk them.
inline constexpr std::array<ChannelKind, kKindCount> kListingOrder = {
    ChannelKind::Temperature,   ChannelKind::Pressure,      ChannelKind::RelativeHumidity,
    ChannelKind::DewPoint,      ChannelKind::VapourContent, ChannelKind::RadiationWm2,
    ChannelKind::RadiationKlx,  ChannelKind::RadiationUmol, ChannelKind::WindSpeed,
    ChannelKind::WindDirection, ChannelKind::RainHeight,    ChannelKind::BinaryInput,
};

// The unit group (value axis) of each kind, indexed by ChannelKind.
inline constexpr std::array<UnitGroup, kKindCount> kKindGroups = {
    UnitGroup::Temperature,  UnitGroup::Pressure,      UnitGroup::RelativeHumidity,
    UnitGroup::Temperature,  UnitGroup::VapourContent, UnitGroup::RadiationWm2,
    UnitGroup::RadiationKlx, UnitGroup::WindSpeed,     UnitGroup::WindDirection,
    UnitGroup::RainHeight,   UnitGroup::RadiationUmol, UnitGroup::BinaryInput,
};

// The unit group (value axis) of a kind.
constexpr UnitGroup unitGroupOf(ChannelKind kind)
{
    return kKindGroups[kindIndex(kind)];
}

// The unit text of a group ("°C", "hPa", ...), UTF-8; the caption of the group's value axis.
// Empty for a number outside 1..11.
std::string_view unitText(UnitGroup group);

// The combo-box text of a channel: the kind's short-name format filled with the channel name,
// for example "Temp. RT-350 nr 3". UTF-8.
std::string shortName(ChannelKind kind, std::string_view channelName);

} // namespace zyfo
