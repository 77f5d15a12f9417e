// Value axis scale: pixels per unit, tick steps and the first tick.
#include "ValueScale.h"

#include <array>

namespace zyfo {
namespace {

struct StepRule
{
    double minimumPixels; // per unit, per unit of scale
    int step;
};

// The first rule whose threshold the scale reaches gives the step; below all of them: 50000.
constexpr std::array<StepRule, 14> kStepRules = {{
    {25, 1},
    {12.5, 2},
    {5, 5},
    {2.5, 10},
    {1, 20},
    {0.5, 50},
    {0.25, 100},
    {0.1, 200},
    {0.05, 500},
    {0.025, 1000},
    {0.01, 2000},
    {0.005, 5000},
    {0.0025, 10000},
    {0.001, 20000},
}};
constexpr int kCoarsestStep = 50000;
constexpr long long kTickOrigin = -10000;

} // namespace

ValueScale::ValueScale(int plotTop, int plotBottom, int viewMinimum, int viewMaximum)
    : m_plotBottom(plotBottom)
    , m_viewMinimum(viewMinimum)
{
    const int height = plotBottom - plotTop;
    // The difference in 64 bits: view ranges typed by the user may span the whole int range.
    const long long range = static_cast<long long>(viewMaximum) - viewMinimum;
    m_unit = range > 0 ? height / static_cast<double>(range) : height;
}

int ValueScale::tickStep(int scale) const
{
    for (const StepRule &rule : kStepRules)
        if (m_unit >= rule.minimumPixels * scale)
            return rule.step;
    return kCoarsestStep;
}

long long ValueScale::firstTick(int step) const
{
    const long long distance = m_viewMinimum - kTickOrigin;
    const long long k = distance <= step ? 1 : (distance + step - 1) / step;
    return kTickOrigin + k * step;
}

} // namespace zyfo
