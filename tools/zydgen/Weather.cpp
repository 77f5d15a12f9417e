// Simulated weather at a mid-latitude station: the common source of every generated reading.
#include "Weather.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zyfo {

namespace {

constexpr double kHour = 3600.0;
constexpr double kDay = 86400.0;
constexpr double kLatitude = 52.0 * std::numbers::pi / 180.0;
// Magnus formula over water.
constexpr double kMagnusA = 17.62;
constexpr double kMagnusB = 243.12;

double magnusExponent(double celsius)
{
    return kMagnusA * celsius / (kMagnusB + celsius);
}

// One exact step of a mean-reverting random process (Ornstein-Uhlenbeck) over dt seconds, so a
// long gap between records gives the same statistics as many short steps.
double relax(double x, double mean, double tau, double sd, double dt, Random &random)
{
    const double decay = std::exp(-dt / tau);
    return mean + (x - mean) * decay + sd * std::sqrt(1.0 - decay * decay) * random.normal();
}

// 1 at 15:00, when the air is warmest, and -1 at 03:00.
double dailyCycle(const CivilTime &moment)
{
    return std::cos(2.0 * std::numbers::pi * (moment.secondOfDay() / kDay - 15.0 / 24.0));
}

std::int64_t dayNumber(const CivilTime &moment)
{
    return moment.toSeconds() / 86400;
}

} // namespace

Weather::Weather(const CivilTime &moment, Random &random)
    : m_anomaly(2.0 * random.normal())
    , m_cloud(random.uniform())
    , m_pressureAnomaly(6.0 * random.normal())
    , m_windBase(random.normal())
    , m_windDir(std::fmod(250.0 + 40.0 * random.normal() + 360.0, 360.0))
    , m_contact(random.chance(0.5))
    , m_day(static_cast<int>(dayNumber(moment)))
{
    advance(moment, 0.0, random);
    for (int point = 0; point < kProbePoints; ++point)
        m_probe[point] = m_air + 0.3 * point;
}

void Weather::advance(const CivilTime &moment, double elapsedSeconds, Random &random)
{
    const double dt = std::max(0.0, elapsedSeconds);
    m_anomaly = relax(m_anomaly, 0.0, 3.0 * kDay, 3.0, dt, random);
    m_cloud = std::clamp(relax(m_cloud, 0.5, 10.0 * kHour, 0.35, dt, random), 0.0, 1.0);
    m_pressureAnomaly = relax(m_pressureAnomaly, 0.0, 2.0 * kDay, 8.0, dt, random);
    m_windBase = relax(m_windBase, 0.0, 2.0 * kHour, 1.2, dt, random);

    updateSun(moment);
    updateAir(moment);

    const double semidiurnal = std::cos(4.0 * std::numbers::pi * moment.secondOfDay() / kDay);
    m_pressure = 1013.25 + m_pressureAnomaly + 0.6 * semidiurnal;
    m_radiation = 1000.0 * std::pow(m_sun, 1.2) * (1.0 - 0.75 * std::pow(m_cloud, 3.0));
    m_windSpeed = std::max(0.0, 2.5 + 2.0 * m_sun + m_windBase);
    // The vane wanders, pulled gently back towards the prevailing west-south-west.
    const double pull = std::remainder(250.0 - m_windDir, 360.0) * (1.0 - std::exp(-dt / kDay));
    m_windDir += pull + 8.0 * std::sqrt(dt / 600.0) * random.normal();
    m_windDir = std::fmod(std::fmod(m_windDir, 360.0) + 360.0, 360.0);

    const int day = static_cast<int>(dayNumber(moment));
    if (day != m_day)
        m_rainToday = 0.0;
    m_day = day;
    if (!m_raining && m_cloud > 0.7 && random.chance(dt / (3.0 * kHour)))
        m_raining = true;
    else if (m_raining && (m_cloud < 0.6 || random.chance(dt / (1.5 * kHour))))
        m_raining = false;
    if (m_raining)
        m_rainToday += (1.0 + 4.0 * (m_cloud - 0.6)) * dt / kHour;

    if (random.chance(dt / (6.0 * kHour)))
        m_contact = !m_contact;

    // Each probe point lies deeper and follows the air more slowly.
    for (int point = 0; point < kProbePoints; ++point) {
        const double tau = 2.0 * kHour * (1 + point) * (1 + point);
        m_probe[point] += (m_air + 0.3 * point - m_probe[point]) * (1.0 - std::exp(-dt / tau));
    }
}

double Weather::relativeHumidity() const
{
    const double rh = 100.0 * std::exp(magnusExponent(m_dewPoint) - magnusExponent(m_air));
    return std::clamp(rh, 1.0, 100.0);
}

double Weather::vapourContent() const
{
    const double vapourPressure = 6.112 * std::exp(magnusExponent(m_dewPoint));
    return vapourPressure / m_pressure * 1e6;
}

void Weather::updateSun(const CivilTime &moment)
{
    const double yearAngle = 2.0 * std::numbers::pi * (moment.dayOfYear() - 80) / 365.25;
    const double declination = 23.44 * std::numbers::pi / 180.0 * std::sin(yearAngle);
    const double hourAngle = (moment.secondOfDay() / kHour - 12.0) * std::numbers::pi / 12.0;
    const double elevation = std::sin(kLatitude) * std::sin(declination) +
                             std::cos(kLatitude) * std::cos(declination) * std::cos(hourAngle);
    m_sun = std::max(0.0, elevation);
}

void Weather::updateAir(const CivilTime &moment)
{
    const double yearAngle = 2.0 * std::numbers::pi * (moment.dayOfYear() - 110) / 365.25;
    const double seasonal = 8.5 + 10.0 * std::sin(yearAngle);
    const double daily = dailyCycle(moment);
    m_air = seasonal + 5.0 * (1.0 - 0.6 * m_cloud) * daily + m_anomaly;
    // Clear afternoons are dry, cloudy nights close to saturation.
    const double depression = 1.0 + 5.0 * (1.0 - m_cloud) * (0.6 + 0.4 * daily);
    m_dewPoint = m_air - std::max(0.3, depression);
}

} // namespace zyfo
