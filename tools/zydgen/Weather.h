// Simulated weather at a mid-latitude station: the common source of every generated reading.
#pragma once

#include "CivilTime.h"
#include "Random.h"

namespace zyfo {

// Slow random processes (temperature anomaly, cloud, pressure, wind) around daily and seasonal
// cycles, so that related readings agree: dew point follows temperature and humidity, radiation
// the sun and the cloud, probe temperatures lag behind the air.
class Weather
{
public:
    static constexpr int kProbePoints = 8;

    // Starts at `moment` in a state drawn from `random`.
    Weather(const CivilTime &moment, Random &random);

    // Moves on to `moment`, which lies `elapsedSeconds` (0 or more) after the previous one.
    void advance(const CivilTime &moment, double elapsedSeconds, Random &random);

    double airTemperature() const { return m_air; }    // °C
    double dewPoint() const { return m_dewPoint; }     // °C
    double relativeHumidity() const;                   // %, 0 to 100
    double vapourContent() const;                      // ppm by volume
    double pressure() const { return m_pressure; }     // hPa
    double radiation() const { return m_radiation; }   // W/m2
    double windSpeed() const { return m_windSpeed; }   // m/s
    double windDirection() const { return m_windDir; } // degrees, 0 to 360
    double rainToday() const { return m_rainToday; }   // mm since midnight
    bool contactClosed() const { return m_contact; }
    // Temperature at probe point 0 (near the surface) to 7 (deepest), in °C.
    double probeTemperature(int point) const { return m_probe[point]; }

private:
    void updateSun(const CivilTime &moment);
    void updateAir(const CivilTime &moment);

    double m_anomaly = 0.0; // °C off the seasonal and daily cycle
    double m_cloud = 0.5;   // 0 clear to 1 overcast
    double m_pressureAnomaly = 0.0;
    double m_windBase = 0.0; // m/s off the day's mean
    double m_sun = 0.0;      // sine of the sun's elevation, 0 at night
    double m_air = 0.0;
    double m_dewPoint = 0.0;
    double m_pressure = 1013.0;
    double m_radiation = 0.0;
    double m_windSpeed = 0.0;
    double m_windDir = 250.0;
    double m_rainToday = 0.0;
    bool m_raining = false;
    bool m_contact = false;
    int m_day = -1;
    double m_probe[kProbePoints] = {};
};

} // namespace zyfo
