// How one value axis maps whole-unit values to device rows, and where its ticks fall.
#pragma once

namespace zyfo {

// `value` truncated toward zero to an int, saturated at +-2^30 so that absurd readings or ranges
// cannot overflow the device arithmetic; NaN becomes 0.
inline int truncToDevice(double value)
{
    constexpr double limit = 1073741824.0; // 2^30
    if (value > -limit && value < limit)   // false for NaN
        return static_cast<int>(value);
    if (value >= limit)
        return static_cast<int>(limit);
    if (value <= -limit)
        return -static_cast<int>(limit);
    return 0;
}

// The vertical scale of one unit group inside the plot band.
class ValueScale
{
public:
    // The plot band's top and bottom rows and the group's view range. A range whose maximum is
    // not above its minimum makes one unit span the whole band.
    ValueScale(int plotTop, int plotBottom, int viewMinimum, int viewMaximum);

    // False when pixels per unit (band height / range in double) are not positive: nothing is
    // drawn on such a scale.
    bool isDrawable() const { return m_unit > 0; }

    // The device row of `value`: plotBottom - trunc((value - viewMinimum) * pixels per unit).
    int rowOf(double value) const
    {
        return m_plotBottom - truncToDevice((value - m_viewMinimum) * m_unit);
    }

    // The tick step in whole units for the printing scale `scale` (>= 1): 1, 2, 5, 10, ... 50000,
    // the finest whose ticks stand far enough apart.
    int tickStep(int scale) const;
    // The first tick: the smallest -10000 + k * step (k >= 1) not below the view minimum.
    long long firstTick(int step) const;

private:
    int m_plotBottom;
    int m_viewMinimum;
    double m_unit;
};

} // namespace zyfo
