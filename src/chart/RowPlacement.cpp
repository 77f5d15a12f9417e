// Row positions on the plot band: the series' horizontal scale, forwards and backwards.
#include "RowPlacement.h"

#include "ChartLayout.h"

#include <cmath>
#include <cstdlib>

namespace zyfo {

RowPlacement::RowPlacement(const ChartLayout &layout, RowWindow window)
    : m_window(window)
    , m_mapper(layout, window.span(), ValueScale(layout.plotTop(), layout.plotBottom(), 0, 1))
{}

int RowPlacement::xOf(int row) const
{
    return m_mapper.xOf(row - m_window.first);
}

bool RowPlacement::covers(CPoint point) const
{
    return point.x >= xOf(m_window.first) && point.x <= xOf(m_window.last) &&
           point.y >= m_mapper.plotTop() && point.y <= m_mapper.plotBottom();
}

int RowPlacement::rowAt(int x) const
{
    const double pitch = m_mapper.rowPitch();
    if (pitch <= 0)
        return m_window.first;
    const double offset = (x - m_mapper.xOf(0)) / pitch;
    const long long span = m_window.span();
    const long long below = std::clamp(static_cast<long long>(std::floor(offset)), 0LL, span);
    const long long above = std::min(below + 1, span);
    // Positions are truncated to pixels, so the nearer of the two neighbours is picked on them.
    const bool aboveNearer = std::abs(m_mapper.xOf(above) - x) < std::abs(m_mapper.xOf(below) - x);
    return m_window.first + static_cast<int>(aboveNearer ? above : below);
}

double RowPlacement::shareAt(int x) const
{
    const double width = m_mapper.rowPitch() * m_window.span();
    return width > 0 ? (x - m_mapper.xOf(0)) / width : 0;
}

long long RowPlacement::rowsAcross(int dx) const
{
    const double pitch = m_mapper.rowPitch();
    return pitch > 0 ? std::llround(dx / pitch) : 0;
}

} // namespace zyfo
