// The local time zone's offsets from UTC by wall time, learnt from the C library as needed.
#pragma once

#include <cstdint>
#include <vector>

namespace zyfo {

// Gives, for a wall time (seconds as in CivilTime.h), the offset of the local time zone from UTC,
// so that the moment is the wall time less the offset. A wall time that the clocks pass twice
// takes the offset of its first moment. One that they skip takes the offset of the side of the
// change that keeps standard time, or of the side before the change if both or neither do (so in
// a zone with summer time it is read as standard time). These are mktime's answers when it is
// called for every minute in order; nothing here depends on earlier look-ups.
//
// Offsets are cached by stretches of wall time; a wall time outside them costs a few hundred
// localtime_r calls that learn its block of about 48 days. Those calls are thread-safe, the cache
// is not: one object per thread. The cache serves the time zone in force when it was made and
// must not outlive a change of TZ.
class ZoneOffsetCache
{
public:
    ZoneOffsetCache();

    std::int64_t offsetAt(std::int64_t wall)
    {
        if (wall >= m_last.begin && wall < m_last.end)
            return m_last.offset;
        return lookUp(wall);
    }

private:
    // Wall times [begin, end) whose moments lie `offset` seconds before them.
    struct Stretch
    {
        std::int64_t begin, end, offset;
    };
    std::int64_t lookUp(std::int64_t wall);
    std::vector<Stretch>::const_iterator stretchOf(std::int64_t wall) const;
    void learnBlock(std::int64_t block);
    void joinNeighbours();

    std::vector<Stretch> m_stretches; // ascending and disjoint
    Stretch m_last{0, 0, 0};          // the stretch of the last look-up
};

} // namespace zyfo
