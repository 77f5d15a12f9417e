// The command line of zydgen: its options, their defaults and the usage text.
#include "ZydgenCommandLine.h"

#include "ArgumentScanner.h"

#include <charconv>
#include <cmath>

namespace zyfo {

namespace {

constexpr std::int64_t kDefaultRecords = 1440;
constexpr std::int64_t kLongestPeriod = 366LL * 86400;

template<typename T>
std::optional<T> parseNumber(const std::string &text)
{
    T value{};
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// A byte count with an optional binary suffix k, M or G.
std::optional<std::int64_t> parseSize(std::string text)
{
    std::int64_t unit = 1;
    if (!text.empty()) {
        const char suffix = text.back();
        unit = suffix == 'k' || suffix == 'K' ? 1LL << 10
               : suffix == 'M'                ? 1LL << 20
               : suffix == 'G'                ? 1LL << 30
                                              : 1;
        if (unit > 1)
            text.pop_back();
    }
    const std::optional<std::int64_t> count = parseNumber<std::int64_t>(text);
    if (!count || *count < 0 || *count > (1LL << 50) / unit)
        return std::nullopt;
    return *count * unit;
}

std::optional<double> parseProbability(const std::string &text)
{
    const std::optional<double> p = parseNumber<double>(text);
    if (!p || !(*p >= 0.0 && *p <= 1.0))
        return std::nullopt;
    return p;
}

// Applies option `name` with `value` (empty for a flag); returns an error message, or an empty
// text.
std::string applyOption(ZydgenCommandLine &cl, const std::string &name, const std::string &value)
{
    const std::string bad = "invalid value for " + name + ": \"" + value + "\"";
    GeneratorOptions &g = cl.generator;
    if (name == "--help" || name == "-h") {
        cl.help = true;
    } else if (name == "--append") {
        cl.append = true;
    } else if (name == "--records") {
        const auto n = parseNumber<std::int64_t>(value);
        if (!n || *n < 0)
            return bad;
        cl.limit.records = *n;
    } else if (name == "--size") {
        const auto n = parseSize(value);
        if (!n)
            return bad;
        cl.limit.bytes = *n;
    } else if (name == "--start") {
        const auto start = CivilTime::parse(value);
        if (!start)
            return bad + " (expected YYYY-MM-DD hh:mm:ss or YYYYMMDDhhmmss)";
        g.start = *start;
        cl.startGiven = true;
    } else if (name == "--period") {
        const auto n = parseNumber<std::int64_t>(value);
        if (!n || *n < 1 || *n > kLongestPeriod)
            return bad + " (1 to 31622400 seconds)";
        g.periodSeconds = *n;
    } else if (name == "--entries") {
        const auto n = parseNumber<int>(value);
        if (!n || *n < 0 || *n > Station::kMaxEntries)
            return bad + " (0 to 35)";
        g.entries = *n;
    } else if (name == "--seed") {
        const auto n = parseNumber<std::uint64_t>(value);
        if (!n)
            return bad;
        g.seed = *n;
    } else if (name == "--missing" || name == "--gaps" || name == "--corrupt") {
        const auto p = parseProbability(value);
        if (!p)
            return bad + " (a probability from 0 to 1)";
        (name == "--missing" ? g.missingProbability
         : name == "--gaps"  ? g.gapProbability
                             : g.corruptProbability) = *p;
    } else if (name == "--follow") {
        const auto seconds = parseNumber<double>(value);
        if (!seconds || !(*seconds >= 0.0 && *seconds <= 86400.0))
            return bad + " (0 to 86400 seconds)";
        cl.follow.value().intervalSeconds = *seconds;
    } else if (name == "--count") {
        const auto n = parseNumber<std::int64_t>(value);
        if (!n || *n < 0)
            return bad;
        cl.follow.value().count = *n;
    } else { // --torn, the last option with a value
        const auto p = parseProbability(value);
        if (!p)
            return bad + " (a probability from 0 to 1)";
        cl.follow.value().tornProbability = *p;
    }
    return {};
}

} // namespace

std::optional<ZydgenCommandLine> ZydgenCommandLine::parse(const std::vector<std::string> &args,
                                                          std::string &error)
{
    static const ArgumentScanner kScanner({"--records", "--size", "--start", "--period",
                                           "--entries", "--seed", "--missing", "--gaps",
                                           "--corrupt", "--follow", "--count", "--torn"},
                                          {"--append", "--help", "-h"});
    ZydgenCommandLine cl;
    // Follow options are gathered first and checked for --follow at the end.
    cl.follow.emplace();
    bool followGiven = false;
    bool followOnly = false;
    const auto onOption = [&](const std::string &name, const std::string &value) {
        followGiven |= name == "--follow";
        followOnly |= name == "--count" || name == "--torn";
        return applyOption(cl, name, value);
    };
    const auto onPlain = [&](const std::string &arg) {
        if (!cl.output.empty())
            return "more than one output file: " + cl.output + ", " + arg;
        cl.output = arg;
        return std::string();
    };
    error = kScanner.scan(args, onOption, onPlain);
    if (!error.empty())
        return std::nullopt;
    if (cl.help)
        return cl;
    if (cl.output.empty()) {
        error = "no output file given";
        return std::nullopt;
    }
    if (followOnly && !followGiven) {
        error = "--count and --torn need --follow";
        return std::nullopt;
    }
    if (!followGiven)
        cl.follow.reset();
    else
        cl.follow->seed = cl.generator.seed + 1;
    // Without a limit: a day of minutes, or nothing before a follow run.
    if (cl.limit.records < 0 && cl.limit.bytes < 0)
        cl.limit.records = cl.follow ? 0 : kDefaultRecords;
    return cl;
}

const char *ZydgenCommandLine::usage()
{
    return R"(Usage: zydgen [options] OUT.zyd
Writes a data file (.zyd) as a logger with a small weather station would: thermometers, a
hygrometer with dew point, barometers (hPa and Pa), an 8-point temperature module, radiation
(W/m2, kLx, umol), anemometer and vane, rain gauge, binary input and vapour meter, with daily
cycles, sensor noise, gaps in logging and "?" readings.

Size and time:
  --records N        log N moments (default 1440, or 0 before --follow)
  --size BYTES       write whole records up to BYTES bytes (suffix k, M, G: 1024-based)
  --start TIME       first stamp, "YYYY-MM-DD hh:mm:ss" or YYYYMMDDhhmmss
                     (default 2006-05-12 00:00:00; with --follow: so the records end now)
  --period SECONDS   logging interval (default 60)
  --entries N        entries per record, 0 to 35 (default 22; 35 adds second units)
  --seed N           random seed; the same options and seed give the same file (default 1)
Faults:
  --missing P        probability of a "?" reading, per entry (default 0.002)
  --gaps P           probability per record that logging stops for up to 240 periods
                     (default 0.0005)
  --corrupt P        probability per record of damage: a flipped byte, a torn (cut short)
                     record, or line noise before it (default 0)
Output:
  --append           add to OUT instead of replacing it
  --follow SECONDS   then keep appending one record every SECONDS (fractions allowed), stamped
                     with the local time, until SIGINT or SIGTERM, like a running logger
  --count N          with --follow: stop after N records
  --torn P           with --follow: probability that a record is written in two parts, the
                     second a moment later, as a reader may see during a write
  --help             show this text

Both --records and --size may be given; the first reached ends the file.
Examples:
  zydgen demo.zyd
  zydgen --entries 35 --size 200M --corrupt 0.001 big.zyd
  zydgen --records 60 --follow 5 live.zyd
)";
}

} // namespace zyfo
