// Generator of realistic data-file records for tests, benchmarks, demos and a simulated logger.
#include "Generator.h"

#include "RecordCodec.h"

#include <algorithm>
#include <stdexcept>

namespace zyfo {

namespace {

constexpr int kLastYear = 9999;
constexpr std::uint64_t kLongestNoise = 64;

GeneratorOptions sanitized(GeneratorOptions options)
{
    options.periodSeconds = std::max<std::int64_t>(1, options.periodSeconds);
    options.longestGap = std::max(1, options.longestGap);
    return options;
}

} // namespace

Generator::Generator(const GeneratorOptions &options)
    : m_options(sanitized(options))
    , m_random(options.seed)
    , m_station(options.entries)
    , m_next(options.start)
    , m_lastSeconds(options.start.toSeconds())
    , m_weather(options.start, m_random)
{}

void Generator::setNextMoment(const CivilTime &moment)
{
    m_next = moment;
}

std::string Generator::nextBody()
{
    if (m_next.year > kLastYear)
        throw std::out_of_range("the logger's clock passed the year 9999");
    const std::int64_t seconds = m_next.toSeconds();
    // A clock set back (follow mode after a time change) must not run the weather backwards.
    m_weather.advance(
        m_next, static_cast<double>(std::max<std::int64_t>(0, seconds - m_lastSeconds)), m_random);
    m_lastSeconds = seconds;

    std::string body;
    body.reserve(16 + 20 * m_station.channels().size());
    m_next.appendStamp(body);
    m_station.appendEntries(m_weather, m_random, m_options.missingProbability, body);
    body += '$';

    std::int64_t step = m_options.periodSeconds;
    if (m_random.chance(m_options.gapProbability))
        step += m_options.periodSeconds *
                static_cast<std::int64_t>(
                    1 + m_random.below(static_cast<std::uint64_t>(m_options.longestGap)));
    m_next = CivilTime::fromSeconds(seconds + step);
    return body;
}

RecordDamage Generator::appendNext(std::string &out)
{
    const std::string body = nextBody();
    RecordDamage kind = RecordDamage::None;
    if (m_random.chance(m_options.corruptProbability))
        kind = static_cast<RecordDamage>(1 + m_random.below(3));

    if (kind == RecordDamage::LineNoise) {
        const std::uint64_t length = 1 + m_random.below(kLongestNoise);
        for (std::uint64_t i = 0; i < length; ++i)
            out += static_cast<char>(m_random.below(256));
    }
    const std::size_t recordStart = out.size();
    out += encodeRecord(body);
    damage(out, recordStart, kind);
    return kind;
}

void Generator::damage(std::string &out, std::size_t recordStart, RecordDamage kind)
{
    const std::uint64_t length = out.size() - recordStart;
    if (kind == RecordDamage::FlippedByte) {
        const std::size_t pos = recordStart + m_random.below(length);
        out[pos] = static_cast<char>(out[pos] ^ (1 << m_random.below(8)));
    } else if (kind == RecordDamage::Torn) {
        // At least one byte stays and at least one (the last check byte) is lost.
        out.resize(recordStart + 1 + m_random.below(length - 1));
    }
}

} // namespace zyfo
