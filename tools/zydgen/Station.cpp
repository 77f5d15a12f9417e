// The devices of a generated logger: which channels a record holds and how their readings look.
#include "Station.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace zyfo {

namespace {

using Q = Quantity;

// Device types follow the catalogue: 14 RT-350, 4 and 19 RT-460, 10 RT-390, 11 RT-380,
// 6 RT-440, 12 RT-410, 8 RT-420, 1 rain gauge, 107 binary input, 2 RT-340.
constexpr StationChannel kPlan[Station::kMaxEntries] = {
    {14, 1, 25, Q::AirTemperature, 0, 0.0},  {4, 1, 25, Q::AirTemperature, 0, -0.2},
    {4, 1, 26, Q::RelativeHumidity, 0, 0.0}, {4, 1, 24, Q::DewPoint, 0, 0.0},
    {10, 1, 27, Q::PressureHpa, 0, 0.0},     {11, 2, 47, Q::PressurePa, 0, 0.4},
    {6, 1, 30, Q::ProbeTemperature, 0, 0.0}, {6, 1, 31, Q::ProbeTemperature, 1, 0.0},
    {6, 1, 32, Q::ProbeTemperature, 2, 0.0}, {6, 1, 33, Q::ProbeTemperature, 3, 0.0},
    {6, 1, 34, Q::ProbeTemperature, 4, 0.0}, {6, 1, 35, Q::ProbeTemperature, 5, 0.0},
    {6, 1, 36, Q::ProbeTemperature, 6, 0.0}, {6, 1, 37, Q::ProbeTemperature, 7, 0.0},
    {12, 1, 45, Q::RadiationWm2, 0, 0.0},    {12, 1, 46, Q::RadiationKlx, 0, 0.0},
    {12, 1, 53, Q::RadiationUmol, 0, 0.0},   {8, 1, 29, Q::WindSpeed, 0, 0.0},
    {8, 1, 28, Q::WindDirection, 0, 0.0},    {1, 1, 40, Q::RainHeight, 0, 0.0},
    {107, 1, 57, Q::BinaryInput, 0, 0.0},    {2, 1, 23, Q::VapourContent, 0, 0.0},
    {6, 2, 30, Q::ProbeTemperature, 0, 0.5}, {6, 2, 31, Q::ProbeTemperature, 1, 0.5},
    {6, 2, 32, Q::ProbeTemperature, 2, 0.5}, {6, 2, 33, Q::ProbeTemperature, 3, 0.5},
    {6, 2, 34, Q::ProbeTemperature, 4, 0.5}, {6, 2, 35, Q::ProbeTemperature, 5, 0.5},
    {6, 2, 36, Q::ProbeTemperature, 6, 0.5}, {6, 2, 37, Q::ProbeTemperature, 7, 0.5},
    {19, 2, 25, Q::AirTemperature, 0, 0.6},  {19, 2, 26, Q::RelativeHumidity, 0, -3.0},
    {19, 2, 24, Q::DewPoint, 0, 0.0},        {14, 2, 25, Q::AirTemperature, 0, 0.3},
    {12, 1, 54, Q::RadiationWm2, 0, 5.0},
};

// A reading: its value from the weather, the sensor's noise and its number of decimals.
struct Reading
{
    double value;
    double noise;
    int decimals;
};

Reading readingOf(const StationChannel &channel, const Weather &weather)
{
    switch (channel.quantity) {
    case Q::AirTemperature:
        return {weather.airTemperature(), 0.05, 1};
    case Q::ProbeTemperature:
        return {weather.probeTemperature(channel.probePoint), 0.02, 2};
    case Q::RelativeHumidity:
        return {weather.relativeHumidity(), 0.3, 1};
    case Q::DewPoint:
        return {weather.dewPoint(), 0.05, 1};
    case Q::VapourContent:
        return {weather.vapourContent(), 20.0, 0};
    case Q::PressureHpa:
        return {weather.pressure(), 0.05, 1};
    case Q::PressurePa:
        return {weather.pressure() * 100.0, 5.0, 0};
    case Q::RadiationWm2:
        return {weather.radiation(), 2.0, 0};
    case Q::RadiationKlx:
        return {weather.radiation() * 0.11, 0.2, 2};
    case Q::RadiationUmol:
        return {weather.radiation() * 2.1, 4.0, 0};
    case Q::WindSpeed:
        return {weather.windSpeed(), 0.6, 1};
    case Q::WindDirection:
        return {weather.windDirection(), 6.0, 0};
    case Q::RainHeight:
        // A tipping bucket counts whole tips of 0.2 mm.
        return {std::floor(weather.rainToday() / 0.2) * 0.2, 0.0, 1};
    case Q::BinaryInput:
        return {weather.contactClosed() ? 1.0 : 0.0, 0.0, 0};
    }
    return {0.0, 0.0, 0};
}

// Applies sensor noise and the physical limits of the quantity.
double measuredValue(const StationChannel &channel, const Reading &reading, Random &random)
{
    double value = reading.value + channel.offset;
    if (reading.noise > 0.0)
        value += reading.noise * random.normal();
    switch (channel.quantity) {
    case Q::RelativeHumidity:
        return std::clamp(value, 1.0, 100.0);
    case Q::WindDirection:
        return std::fmod(std::fmod(value, 360.0) + 360.0, 360.0);
    case Q::RadiationWm2:
    case Q::RadiationKlx:
    case Q::RadiationUmol:
    case Q::WindSpeed:
    case Q::VapourContent:
        return std::max(0.0, value);
    default:
        return value;
    }
}

void appendInteger(std::string &out, int value)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void appendFixed(std::string &out, double value, int decimals)
{
    // Locale-independent: data files always carry "." as their decimal point.
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    out.append(text, result.ptr);
}

} // namespace

Station::Station(int entries)
    : m_channels(kPlan, static_cast<std::size_t>(std::clamp(entries, 0, kMaxEntries)))
{}

void Station::appendEntries(const Weather &weather, Random &random, double missingProbability,
                            std::string &out) const
{
    for (const StationChannel &channel : m_channels) {
        out += '$';
        appendInteger(out, channel.deviceType);
        out += ',';
        appendInteger(out, channel.deviceNumber);
        out += ',';
        appendInteger(out, channel.kindCode);
        out += ',';
        const Reading reading = readingOf(channel, weather);
        const double value = measuredValue(channel, reading, random);
        if (random.chance(missingProbability))
            out += '?';
        else
            appendFixed(out, value, reading.decimals);
        out += ",0";
    }
}

} // namespace zyfo
