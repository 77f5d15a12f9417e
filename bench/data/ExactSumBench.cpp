// Benchmarks of exact sums: time per added value beside a plain double sum of the same values.
#include "ExactSum.h"
#include "PartialSum.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace zyfo {
namespace {

constexpr std::size_t kValues = 1 << 16;
constexpr std::size_t kChunk = 64;

// Temperatures with two decimals as a logger writes them, -20.00 to 40.00, each value parsed
// from its text and so with a full mantissa.
const std::vector<double> &temperatures()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 random(7);
        std::uniform_int_distribution<int> hundredths(-2000, 4000);
        std::vector<double> made(kValues);
        for (double &value : made)
            value = hundredths(random) / 100.0;
        return made;
    }();
    return values;
}

// Per added item: the time of one iteration divided by the items it adds.
benchmark::Counter perItem(std::size_t items)
{
    return benchmark::Counter(static_cast<double>(items),
                              benchmark::Counter::kIsIterationInvariantRate |
                                  benchmark::Counter::kInvert);
}

void PlainDoubleSum(benchmark::State &state)
{
    const std::vector<double> &values = temperatures();
    for (auto _ : state) {
        double sum = 0;
        for (double value : values)
            sum += value;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["s_per_add"] = perItem(values.size());
}
BENCHMARK(PlainDoubleSum);

void ExactSumOfValues(benchmark::State &state)
{
    const std::vector<double> &values = temperatures();
    for (auto _ : state) {
        ExactSum sum;
        for (double value : values)
            sum.add(value);
        benchmark::DoNotOptimize(sum.value());
    }
    state.counters["s_per_add"] = perItem(values.size());
}
BENCHMARK(ExactSumOfValues);

// The sums of the chunks of 64 values, as kept beside a channel's values.
void PartialSumsOfChunks(benchmark::State &state)
{
    const std::vector<double> &values = temperatures();
    for (auto _ : state) {
        for (std::size_t first = 0; first < values.size(); first += kChunk) {
            PartialSum part;
            for (std::size_t i = first; i < first + kChunk; ++i)
                part.add(values[i]);
            benchmark::DoNotOptimize(part);
        }
    }
    state.counters["s_per_add"] = perItem(values.size());
}
BENCHMARK(PartialSumsOfChunks);

void ExactSumOfPartialSums(benchmark::State &state)
{
    const std::vector<double> &values = temperatures();
    std::vector<PartialSum> parts(values.size() / kChunk);
    for (std::size_t i = 0; i < values.size(); ++i)
        parts[i / kChunk].add(values[i]);
    for (auto _ : state) {
        ExactSum sum;
        for (const PartialSum &part : parts)
            sum.add(part);
        benchmark::DoNotOptimize(sum.value());
    }
    state.counters["s_per_add"] = perItem(parts.size());
}
BENCHMARK(ExactSumOfPartialSums);

void ExactSumValue(benchmark::State &state)
{
    ExactSum sum;
    for (double value : temperatures())
        sum.add(value);
    sum.add(1e300);
    sum.add(-1e300);
    for (auto _ : state)
        benchmark::DoNotOptimize(sum.value());
}
BENCHMARK(ExactSumValue);

} // namespace
} // namespace zyfo
