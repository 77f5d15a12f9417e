// Small reproducible random source for generated data.
#include "Random.h"

#include <cmath>
#include <numbers>

namespace zyfo {

namespace {

std::uint64_t splitMix(std::uint64_t &x)
{
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr std::uint64_t rotateLeft(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

Random::Random(std::uint64_t seed)
{
    for (std::uint64_t &word : m_state)
        word = splitMix(seed);
}

std::uint64_t Random::next()
{
    const std::uint64_t result = rotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

double Random::uniform()
{
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

std::uint64_t Random::below(std::uint64_t bound)
{
    if (bound == 0)
        return 0;
    return next() % bound;
}

bool Random::chance(double p)
{
    if (p <= 0.0)
        return false;
    return uniform() < p;
}

double Random::normal()
{
    // 1 - uniform() lies in (0, 1], so the logarithm is finite.
    const double radius = std::sqrt(-2.0 * std::log(1.0 - uniform()));
    return radius * std::cos(2.0 * std::numbers::pi * uniform());
}

} // namespace zyfo
