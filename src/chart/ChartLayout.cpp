// Chart layout: fixed multiples of the scale from the rectangle's edges.
#include "ChartLayout.h"

#include "MeasurementFile.h"

namespace zyfo {

ChartLayout::ChartLayout(const CRect &rect, int scale, int bottomBand, const MeasurementFile &file)
    : m_rect(rect)
    , m_scale(scale < 1 ? 1 : scale)
    , m_bottomBand(m_scale * bottomBand)
    , m_plotTop(rect.top + 30 * m_scale)
    , m_plotBottom(rect.bottom - m_bottomBand)
{
    int x = rect.left + 10 * m_scale;
    for (const UnitGroup group : kAxisOrder) {
        if (!file.groupView(group).shown)
            continue;
        m_bandLeft[groupIndex(group)] = x;
        x += bandWidth(group);
    }
    m_axesEnd = x;
}

bool ChartLayout::hasRoom() const
{
    return m_rect.bottom > m_rect.top + m_bottomBand + 30 * m_scale + 5;
}

int ChartLayout::bandWidth(UnitGroup group) const
{
    switch (group) {
    case UnitGroup::VapourContent:
        return 35 * m_scale;
    case UnitGroup::RadiationUmol:
        return 45 * m_scale;
    default:
        return 25 * m_scale;
    }
}

} // namespace zyfo
