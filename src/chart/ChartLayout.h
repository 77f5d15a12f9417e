// Where one chart's parts lie inside its rectangle: plot band, value-axis bands, data range.
#pragma once

#include "CRect.h"
#include "ChannelKind.h"

#include <array>

namespace zyfo {

class MeasurementFile;

// The unit groups in the order their value axes stand from left to right.
inline constexpr std::array<UnitGroup, kGroupCount> kAxisOrder = {
    UnitGroup::Temperature,   UnitGroup::Pressure,      UnitGroup::RelativeHumidity,
    UnitGroup::VapourContent, UnitGroup::RadiationWm2,  UnitGroup::RadiationKlx,
    UnitGroup::RadiationUmol, UnitGroup::WindDirection, UnitGroup::WindSpeed,
    UnitGroup::RainHeight,    UnitGroup::BinaryInput,
};

// The layout values of one render, computed from the rectangle, the scale (at least 1), the
// bottom band height and the groups shown. No value depends on font metrics.
class ChartLayout
{
public:
    ChartLayout(const CRect &rect, int scale, int bottomBand, const MeasurementFile &file);

    const CRect &rect() const { return m_rect; }
    int scale() const { return m_scale; }
    int plotTop() const { return m_plotTop; }
    int plotBottom() const { return m_plotBottom; }
    // The x where the value-axis bands end; the series start one unit to its right.
    int axesEnd() const { return m_axesEnd; }

    // True when the rectangle is tall enough for the bands: below that only the background
    // is drawn.
    bool hasRoom() const;

    // Left edge of the band of a shown group (bands of hidden groups are not laid out).
    int bandLeft(UnitGroup group) const { return m_bandLeft[groupIndex(group)]; }
    // Band width of a group at this scale: 25 units, 35 for "ppm" and 45 for "µmol/sm2".
    int bandWidth(UnitGroup group) const;

private:
    CRect m_rect;
    int m_scale;
    int m_bottomBand; // in device units
    int m_plotTop;
    int m_plotBottom;
    int m_axesEnd;
    std::array<int, kGroupCount> m_bandLeft{};
};

} // namespace zyfo
