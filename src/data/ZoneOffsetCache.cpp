// The local time zone's offsets by wall time: clock changes found with localtime_r, cached.
#include "ZoneOffsetCache.h"

#include "CivilTime.h"

#include <algorithm>
#include <ctime>
#include <iterator>

namespace zyfo {
namespace {

// Wall time is learnt in blocks of 2^22 s, about 48 days.
constexpr int kBlockBits = 22;
constexpr std::int64_t kBlockLength = std::int64_t{1} << kBlockBits;
// No zone is two days off UTC, so the moments of a block's wall times lie within two days of it.
constexpr std::int64_t kFarthestOffset = 2 * 86400;
// Clock changes are looked for by probes this far apart. The shortest time between two changes
// in the tz database is four days, so no change back and forth hides between two probes.
constexpr std::int64_t kProbeStep = 6 * 3600;

// The zone's offset and daylight saving flag from `start` on.
struct ZoneState
{
    std::int64_t start;
    std::int64_t offset;
    bool daylight;
};

bool sameClock(const ZoneState &a, const ZoneState &b)
{
    return a.offset == b.offset && a.daylight == b.daylight;
}

ZoneState stateAt(std::int64_t moment)
{
    const std::time_t time = moment;
    std::tm local{};
    // Every moment a stamp can name is within reach of localtime_r; UTC would stand in otherwise.
    if (!localtime_r(&time, &local))
        return {moment, 0, false};
    const std::int64_t wall = wallSeconds(std::int64_t{local.tm_year} + 1900, local.tm_mon + 1,
                                          local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return {moment, wall - moment, local.tm_isdst > 0};
}

// The zone's states from `first` to `last`: the first one holds at `first`, each later one
// starts at the second the clocks changed.
std::vector<ZoneState> statesBetween(std::int64_t first, std::int64_t last)
{
    std::vector<ZoneState> states{stateAt(first)};
    std::int64_t probe = first;
    while (probe < last) {
        const std::int64_t next = std::min(probe + kProbeStep, last);
        ZoneState changed = stateAt(next);
        if (sameClock(changed, states.back())) {
            probe = next;
            continue;
        }
        // The clocks changed once in (probe, next]: halve the span down to that second.
        std::int64_t unchanged = probe;
        while (changed.start - unchanged > 1) {
            const ZoneState middle = stateAt(unchanged + (changed.start - unchanged) / 2);
            if (sameClock(middle, states.back()))
                unchanged = middle.start;
            else
                changed = middle;
        }
        states.push_back(changed);
        probe = changed.start;
    }
    return states;
}

// The offset for `wall` by the zone's states around it (the moment of `wall` must lie within
// them): that of the first state in which the wall time occurs, or the choice of
// ZoneOffsetCache.h for a wall time that the clocks skip.
std::int64_t offsetFor(const std::vector<ZoneState> &states, std::int64_t wall)
{
    for (std::size_t i = 0; i < states.size(); ++i) {
        const std::int64_t moment = wall - states[i].offset;
        if (moment >= states[i].start && (i + 1 == states.size() || moment < states[i + 1].start))
            return states[i].offset;
    }
    // Skipped: the clocks moved forward over `wall` at the start of the first state whose wall
    // times begin after it.
    const auto after = std::find_if(states.begin() + 1, states.end(), [wall](const ZoneState &s) {
        return s.start + s.offset > wall;
    });
    const ZoneState &before = *std::prev(after);
    return !before.daylight || after->daylight ? before.offset : after->offset;
}

} // namespace

ZoneOffsetCache::ZoneOffsetCache()
{
    // localtime_r need not read TZ itself; the zone is the one in force now.
    tzset();
}

std::int64_t ZoneOffsetCache::lookUp(std::int64_t wall)
{
    auto stretch = stretchOf(wall);
    if (stretch == m_stretches.end()) {
        learnBlock(wall >> kBlockBits);
        stretch = stretchOf(wall);
    }
    m_last = *stretch;
    return stretch->offset;
}

std::vector<ZoneOffsetCache::Stretch>::const_iterator
ZoneOffsetCache::stretchOf(std::int64_t wall) const
{
    const auto after =
        std::upper_bound(m_stretches.begin(), m_stretches.end(), wall,
                         [](std::int64_t w, const Stretch &s) { return w < s.begin; });
    if (after == m_stretches.begin() || wall >= std::prev(after)->end)
        return m_stretches.end();
    return std::prev(after);
}

void ZoneOffsetCache::learnBlock(std::int64_t block)
{
    const std::int64_t begin = block * kBlockLength;
    const std::int64_t end = begin + kBlockLength;
    const std::vector<ZoneState> states =
        statesBetween(begin - kFarthestOffset, end + kFarthestOffset);
    // The offset can change only where the wall times of a state begin or end: at a change, the
    // wall time before it and the wall time after it.
    std::vector<std::int64_t> cuts{begin, end};
    for (std::size_t i = 1; i < states.size(); ++i)
        for (const std::int64_t cut :
             {states[i].start + states[i - 1].offset, states[i].start + states[i].offset})
            if (cut > begin && cut < end)
                cuts.push_back(cut);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    std::vector<Stretch> stretches;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
        stretches.push_back({cuts[i], cuts[i + 1], offsetFor(states, cuts[i])});
    const auto at = std::lower_bound(m_stretches.begin(), m_stretches.end(), begin,
                                     [](const Stretch &s, std::int64_t w) { return s.begin < w; });
    m_stretches.insert(at, stretches.begin(), stretches.end());
    joinNeighbours();
}

void ZoneOffsetCache::joinNeighbours()
{
    // Stretches that meet with one offset become one, so that a run of stamps seldom leaves
    // the last stretch.
    auto kept = m_stretches.begin();
    for (auto next = std::next(kept); next != m_stretches.end(); ++next) {
        if (next->begin == kept->end && next->offset == kept->offset)
            kept->end = next->end;
        else
            *++kept = *next;
    }
    m_stretches.erase(std::next(kept), m_stretches.end());
}

} // namespace zyfo
