// Device catalogue: the device-type table and the kind-code table, kept here once as data.
#include "DeviceCatalogue.h"

#include <array>

namespace zyfo {
namespace {

struct DeviceModel
{
    int type;
    std::string_view model;  // "RT-350"; the name is model + suffix + number
    std::string_view suffix; // " nr " or " we. bin. "
    bool bareWithoutNumber;  // a number of 0 or less gives the bare model name
};

constexpr std::array<DeviceModel, 28> kDevices = {{
    {1, "Deszcz.", " nr ", false},  {2, "RT-340", " nr ", false},
    {21, "RT-340", " nr ", false},  {3, "RT-330", " nr ", false},
    {22, "RT-330", " nr ", false},  {4, "RT-460", " nr ", false},
    {19, "RT-460", " nr ", false},  {5, "RT-450", " nr ", false},
    {20, "RT-450", " nr ", false},  {6, "RT-440", " nr ", false},
    {100, "RT-440", " nr ", false}, {7, "RT-430", " nr ", false},
    {101, "RT-430", " nr ", false}, {8, "RT-420", " nr ", false},
    {10, "RT-390", " nr ", false},  {16, "RT-390", " nr ", false},
    {104, "RT-390", " nr ", false}, {11, "RT-380", " nr ", false},
    {17, "RT-380", " nr ", false},  {105, "RT-380", " nr ", false},
    {12, "RT-410", " nr ", false},  {13, "RT-370", " nr ", false},
    {14, "RT-350", " nr ", false},  {18, "RT-370", " nr ", true},
    {102, "RT-320", " nr ", false}, {103, "RT-360", " nr ", false},
    {106, "RT-360", " nr ", true},  {107, "RT-310", " we. bin. ", false},
}};
constexpr DeviceModel kUnknownDevice = {0, "???", " nr ", false};

const DeviceModel &findDevice(int type)
{
    for (const DeviceModel &device : kDevices)
        if (device.type == type)
            return device;
    return kUnknownDevice;
}

constexpr int kFirstKindCode = 23;
constexpr int kLastKindCode = 57;

struct KindCodeRow
{
    bool known;
    KindCode code;
};

constexpr KindCodeRow none()
{
    return {false, {ChannelKind::Temperature, "", 1.0}};
}
constexpr KindCodeRow plain(ChannelKind kind)
{
    return {true, {kind, "", 1.0}};
}
constexpr KindCodeRow prefixed(ChannelKind kind, std::string_view prefix)
{
    return {true, {kind, prefix, 1.0}};
}

// Indexed by kind code - 23.
constexpr std::array<KindCodeRow, kLastKindCode - kFirstKindCode + 1> kKindCodes = {{
    plain(ChannelKind::VapourContent),           // 23
    plain(ChannelKind::DewPoint),                // 24
    plain(ChannelKind::Temperature),             // 25
    plain(ChannelKind::RelativeHumidity),        // 26
    plain(ChannelKind::Pressure),                // 27
    plain(ChannelKind::WindDirection),           // 28
    plain(ChannelKind::WindSpeed),               // 29
    prefixed(ChannelKind::Temperature, "#1 "),   // 30
    prefixed(ChannelKind::Temperature, "#2 "),   // 31
    prefixed(ChannelKind::Temperature, "#3 "),   // 32
    prefixed(ChannelKind::Temperature, "#4 "),   // 33
    prefixed(ChannelKind::Temperature, "#5 "),   // 34
    prefixed(ChannelKind::Temperature, "#6 "),   // 35
    prefixed(ChannelKind::Temperature, "#7 "),   // 36
    prefixed(ChannelKind::Temperature, "#8 "),   // 37
    none(),                                      // 38
    none(),                                      // 39
    plain(ChannelKind::RainHeight),              // 40
    none(),                                      // 41
    none(),                                      // 42
    none(),                                      // 43
    none(),                                      // 44
    plain(ChannelKind::RadiationWm2),            // 45
    plain(ChannelKind::RadiationKlx),            // 46
    {true, {ChannelKind::Pressure, "", 0.01}},   // 47: pascals, stored as hectopascals
    none(),                                      // 48
    none(),                                      // 49
    none(),                                      // 50
    none(),                                      // 51
    none(),                                      // 52
    plain(ChannelKind::RadiationUmol),           // 53
    prefixed(ChannelKind::RadiationWm2, "#2 "),  // 54
    prefixed(ChannelKind::RadiationKlx, "#2 "),  // 55
    prefixed(ChannelKind::RadiationUmol, "#2 "), // 56
    plain(ChannelKind::BinaryInput),             // 57
}};

} // namespace

std::string deviceName(int deviceType, int deviceNumber)
{
    const DeviceModel &device = findDevice(deviceType);
    std::string name(device.model);
    if (device.bareWithoutNumber && deviceNumber <= 0)
        return name;
    name += device.suffix;
    name += std::to_string(deviceNumber);
    return name;
}

const KindCode *kindCodeInfo(int code)
{
    if (code < kFirstKindCode || code > kLastKindCode)
        return nullptr;
    const KindCodeRow &row = kKindCodes[code - kFirstKindCode];
    return row.known ? &row.code : nullptr;
}

std::string channelName(int deviceType, int deviceNumber, const KindCode &code)
{
    std::string name(code.prefix);
    name += deviceName(deviceType, deviceNumber);
    return name;
}

} // namespace zyfo
