// A simulated running logger: appends one record to a data file at a fixed interval.
#pragma once

#include "Generator.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <string>

namespace zyfo {

struct FollowOptions
{
    double intervalSeconds = 10.0;
    std::int64_t count = -1;      // records to append; negative: until stopped
    double tornProbability = 0.0; // per record: written in two parts, the second a moment later
    std::uint64_t seed = 1;       // for the choice of records to split
};

class FollowLogger
{
public:
    // `stop` is polled between records and while waiting (a signal handler sets it); the
    // generator and the flag must outlive the logger.
    FollowLogger(Generator &generator, const FollowOptions &options,
                 const volatile std::sig_atomic_t &stop);

    // Appends records to `path` (created if missing), each stamped with the local time when it
    // is written, until the count is reached or stop is set. Every record reaches the file with
    // whole writes followed by fsync; a record split on purpose is always completed, also when
    // stop arrives in between. Returns an empty text, or what failed.
    std::string run(const std::string &path);

    std::int64_t written() const { return m_written; }

private:
    bool waitUntil(std::chrono::steady_clock::time_point deadline) const;
    bool stopRequested() const { return m_stop != 0; }

    Generator &m_generator;
    FollowOptions m_options;
    const volatile std::sig_atomic_t &m_stop;
    std::int64_t m_written = 0;
};

} // namespace zyfo
