// Benchmarks of stamp conversion: 1,000,000 consecutive one-minute stamps under Europe/Warsaw and
// under UTC, the converter against mktime called for every stamp, in the same run.
#include "StampConverter.h"
#include "StampFields.h"
#include "TimeZoneGuard.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace zyfo {
namespace {

constexpr std::size_t kStamps = 1'000'000;

// Minutes from 2023-01-01 00:00 on, almost two years with four clock changes in Warsaw.
const std::vector<Stamp> &minuteStamps()
{
    static const std::vector<Stamp> stamps = [] {
        std::vector<Stamp> made(kStamps);
        std::time_t wall = 1672531200;
        for (Stamp &stamp : made) {
            std::tm fields{};
            gmtime_r(&wall, &fields);
            char text[64];
            std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", fields.tm_year + 1900,
                          fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min,
                          fields.tm_sec);
            std::copy(text, text + kStampLength, stamp.begin());
            wall += 60;
        }
        return made;
    }();
    return stamps;
}

void reportPerStamp(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kStamps));
    state.counters["per_stamp"] = benchmark::Counter(static_cast<double>(kStamps),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}

void Converter(benchmark::State &state, const char *zone)
{
    const std::vector<Stamp> &stamps = minuteStamps();
    TimeZoneGuard guard(zone);
    for (auto _ : state) {
        // A new converter each pass, as each read makes one: its cache starts empty.
        StampConverter converter;
        for (const Stamp &stamp : stamps)
            benchmark::DoNotOptimize(converter.toTime(stamp));
    }
    reportPerStamp(state);
}

void MktimePerStamp(benchmark::State &state, const char *zone)
{
    const std::vector<Stamp> &stamps = minuteStamps();
    TimeZoneGuard guard(zone);
    for (auto _ : state)
        for (const Stamp &stamp : stamps) {
            std::tm tm = stampTm(stamp);
            benchmark::DoNotOptimize(std::mktime(&tm));
        }
    reportPerStamp(state);
}

BENCHMARK_CAPTURE(Converter, Warsaw, "Europe/Warsaw")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MktimePerStamp, Warsaw, "Europe/Warsaw")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Converter, UTC, "UTC")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MktimePerStamp, UTC, "UTC")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zyfo
