// The devices of a generated logger: which channels a record holds and how their readings look.
#pragma once

#include "Random.h"
#include "Weather.h"

#include <span>
#include <string>

namespace zyfo {

// What a channel measures; decides the reading's source, noise and number of decimals.
enum class Quantity
{
    AirTemperature,
    ProbeTemperature,
    RelativeHumidity,
    DewPoint,
    VapourContent,
    PressureHpa,
    PressurePa,
    RadiationWm2,
    RadiationKlx,
    RadiationUmol,
    WindSpeed,
    WindDirection,
    RainHeight,
    BinaryInput,
};

// One entry of every record: device type, device number and kind code as the file stores them.
struct StationChannel
{
    int deviceType = 0;
    int deviceNumber = 0;
    int kindCode = 0;
    Quantity quantity = Quantity::AirTemperature;
    int probePoint = 0;  // probe point 0..7 of a multi-point module
    double offset = 0.0; // the sensor's own bias
};

// A fixed plan of 35 channels: a weather station (thermometer, hygrometer with dew point,
// barometers in hPa and in Pa, an 8-point temperature module, radiation in three units,
// anemometer and vane, rain gauge, binary input, vapour meter) followed by second units.
class Station
{
public:
    static constexpr int kMaxEntries = 35;
    static constexpr int kDefaultEntries = 22; // the station without its second units

    // Uses the first `entries` channels of the plan; `entries` is clamped to 0..kMaxEntries.
    explicit Station(int entries);

    std::span<const StationChannel> channels() const { return m_channels; }

    // Appends one entry "$type,number,code,value,0" per channel, with the reading taken from
    // `weather` plus sensor noise; with probability `missingProbability` a reading is "?".
    void appendEntries(const Weather &weather, Random &random, double missingProbability,
                       std::string &out) const;

private:
    std::span<const StationChannel> m_channels;
};

} // namespace zyfo
