// Generator of realistic data-file records for tests, benchmarks, demos and a simulated logger.
#pragma once

#include "CivilTime.h"
#include "Random.h"
#include "Station.h"
#include "Weather.h"

#include <cstdint>
#include <string>

namespace zyfo {

struct GeneratorOptions
{
    std::uint64_t seed = 1;
    CivilTime start{2006, 5, 12, 0, 0, 0};  // moment of the first record
    std::int64_t periodSeconds = 60;        // logging interval, 1 or more
    int entries = Station::kDefaultEntries; // entries per record, 0 to 35
    double missingProbability = 0.002;      // per entry: the reading is "?"
    double gapProbability = 0.0005;         // per record: the logger then stops for a while
    int longestGap = 240;                   // periods, for a gap
    double corruptProbability = 0.0;        // per record: damaged (flipped, torn or after noise)
};

// How a generated record was damaged.
enum class RecordDamage
{
    None,
    FlippedByte, // one stored byte changed: the check fails
    Torn,        // cut short after a random number of bytes; the next record follows directly
    LineNoise,   // random bytes before the record; the record itself is whole
};

// Produces the records of one logger in time order. The same options give the same bytes.
class Generator
{
public:
    explicit Generator(const GeneratorOptions &options);

    // Decoded text of the record for the next logged moment, "YYYYMMDDhhmmss$...$", then moves
    // the clock on by one period, and now and then over a gap. Throws std::out_of_range once
    // the clock would pass the year 9999, which a 14-digit stamp cannot hold.
    std::string nextBody();

    // Appends the next record as stored in a file (negated, with "@" and check bytes); at the
    // corrupt rate the record is damaged. Returns how it was damaged. Throws like nextBody.
    RecordDamage appendNext(std::string &out);

    // The moment the next record will carry; a running logger sets it from its clock.
    const CivilTime &nextMoment() const { return m_next; }
    void setNextMoment(const CivilTime &moment);

private:
    void damage(std::string &out, std::size_t recordStart, RecordDamage kind);

    GeneratorOptions m_options;
    Random m_random;
    Station m_station;
    CivilTime m_next;
    std::int64_t m_lastSeconds;
    Weather m_weather;
};

} // namespace zyfo
