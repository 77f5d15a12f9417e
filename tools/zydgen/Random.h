// Small reproducible random source for generated data (same seed, same file, on every platform).
#pragma once

#include <cstdint>

namespace zyfo {

// xoshiro256** seeded through splitmix64. The standard distributions differ between library
// implementations, so the few we need are made here from raw bits.
class Random
{
public:
    explicit Random(std::uint64_t seed);

    // The next 64 raw bits.
    std::uint64_t next();

    // Uniform in [0, 1).
    double uniform();

    // Uniform integer in [0, bound); 0 when bound is 0.
    std::uint64_t below(std::uint64_t bound);

    // True with probability p (p <= 0 never, p >= 1 always).
    bool chance(double p);

    // Standard normal deviate (Box-Muller).
    double normal();

private:
    std::uint64_t m_state[4];
};

} // namespace zyfo
