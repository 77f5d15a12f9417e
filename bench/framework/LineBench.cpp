// Benchmarks of lines on the image surface: 30,000 chart-like lines (half vertical spans, half
// connectors one column across) on 1600 x 900 through PolyPolyline, stroked by the painter and
// written directly, the shapes of wide lines made afresh (first run) or kept from the run
// before (second run). Arguments: the pen's width and the line set (0 as the chart draws, 1
// the longest spans and steepest connectors).
#include "Application.h"
#include "CImageDC.h"
#include "CPen.h"
#include "LineShapeCache.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace zyfo {
namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kChannels = 10;
constexpr int kLinesPerChannel = 3000;

// One PolyPolyline call: a channel's lines, two points each, in its colour.
struct Channel
{
    std::vector<CPoint> points;
    std::vector<DWORD> counts;
    COLORREF color = 0;
};

// How long the spans and how steep the connectors of a line set are.
struct Spread
{
    double spanMean; // mean span length, or 0 for lengths 1 to 800 equally often
    double stepMean; // mean connector rise, or 0 for rises -100 to 100 equally often
};

// The chart's own lines (its render of a million rows: spans of 66 pixels and rises of about
// 1 on average) and a heavy set of the longest spans and steepest connectors it can draw.
constexpr Spread kChartLike{64, 4};
constexpr Spread kLongest{0, 0};

using Random = std::mt19937;

int uniform(Random &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Exponentially distributed about `mean`, at most `high`.
int around(Random &random, double mean, int high)
{
    return std::min(static_cast<int>(std::exponential_distribution<double>(1 / mean)(random)),
                    high);
}

// A span's length, 1 to 800 pixels.
int spanLength(Random &random, const Spread &spread)
{
    return spread.spanMean == 0 ? uniform(random, 1, 800)
                                : 1 + around(random, spread.spanMean - 1, 799);
}

// A connector's rise, -100 to 100 pixels.
int rise(Random &random, const Spread &spread)
{
    if (spread.stepMean == 0)
        return uniform(random, -100, 100);
    const int size = around(random, spread.stepMean, 100);
    return uniform(random, 0, 1) == 0 ? size : -size;
}

// Each channel walks across the columns: in a column the span of its values there (downwards,
// as the chart's merged columns come), then the connector to the next column.
std::vector<Channel> chartLines(const Spread &spread)
{
    Random random(1);
    std::vector<Channel> channels(kChannels);
    for (Channel &channel : channels) {
        channel.color =
            RGB(uniform(random, 0, 255), uniform(random, 0, 255), uniform(random, 0, 255));
        int y = kHeight / 2;
        for (int i = 0; i < kLinesPerChannel / 2; ++i) {
            const int x = 10 + i % (kWidth - 20);
            const int length = spanLength(random, spread);
            const int top = std::clamp(y - length / 2, 10, kHeight - 11);
            const int bottom = std::min(top + length, kHeight - 10);
            const int exit = uniform(random, top, bottom);
            const int next = std::clamp(exit + rise(random, spread), 10, kHeight - 10);
            channel.points.insert(channel.points.end(), {CPoint{x, top}, CPoint{x, bottom},
                                                         CPoint{x, exit}, CPoint{x + 1, next}});
            y = next;
        }
        channel.counts.assign(channel.points.size() / 2, 2);
    }
    return channels;
}

// The line set of a benchmark's second argument: 0 chart-like, 1 longest.
const std::vector<Channel> &lines(benchmark::State &state)
{
    static const std::vector<Channel> chartLike = chartLines(kChartLike);
    static const std::vector<Channel> longest = chartLines(kLongest);
    state.SetLabel(state.range(1) == 0 ? "chart-like" : "longest");
    return state.range(1) == 0 ? chartLike : longest;
}

void drawAll(CImageDC &image, const std::vector<Channel> &channels, int width)
{
    for (const Channel &channel : channels) {
        CPen pen;
        pen.CreatePen(PS_SOLID, width, channel.color);
        image.SelectObject(&pen);
        image.PolyPolyline(channel.points.data(), channel.counts.data(),
                           static_cast<int>(channel.counts.size()));
    }
}

void count(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * kChannels * kLinesPerChannel);
}

void LinesPainter(benchmark::State &state)
{
    ensureApplication();
    CImageDC image(kWidth, kHeight);
    const std::vector<Channel> &channels = lines(state);
    image.setLineDrawing(CImageDC::LineDrawing::Painter);
    for (auto _ : state)
        drawAll(image, channels, static_cast<int>(state.range(0)));
    count(state);
}
BENCHMARK(LinesPainter)->ArgsProduct({{1, 2, 6}, {0, 1}})->Unit(benchmark::kMillisecond);

void LinesDirectFirstRun(benchmark::State &state)
{
    ensureApplication();
    CImageDC image(kWidth, kHeight);
    const std::vector<Channel> &channels = lines(state);
    for (auto _ : state) {
        state.PauseTiming();
        LineShapeCache::forThisThread().clear();
        state.ResumeTiming();
        drawAll(image, channels, static_cast<int>(state.range(0)));
    }
    count(state);
}
BENCHMARK(LinesDirectFirstRun)->ArgsProduct({{1, 2, 6}, {0, 1}})->Unit(benchmark::kMillisecond);

void LinesDirectSecondRun(benchmark::State &state)
{
    ensureApplication();
    CImageDC image(kWidth, kHeight);
    const std::vector<Channel> &channels = lines(state);
    LineShapeCache::forThisThread().clear();
    drawAll(image, channels, static_cast<int>(state.range(0)));
    for (auto _ : state)
        drawAll(image, channels, static_cast<int>(state.range(0)));
    count(state);
    state.counters["shape_bytes"] = static_cast<double>(LineShapeCache::forThisThread().bytes());
}
BENCHMARK(LinesDirectSecondRun)->ArgsProduct({{1, 2, 6}, {0, 1}})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zyfo

BENCHMARK_MAIN();
