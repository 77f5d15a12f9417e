// Benchmarks of one chart render: a window of 1,000,000 generated rows with 10 shown channels
// drawn at 1600 x 900, every value drawn (merged and, for comparison, unmerged) and at most
// 1000 points per line.
#include "CChartCtrl.h"
#include "CImageDC.h"
#include "CRecordingDC.h"
#include "FileGeneration.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr std::int64_t kRows = 1'000'000;
constexpr int kChannels = 10;
constexpr int kWidth = 1600;
constexpr int kHeight = 900;

// The chart of a generated file of kRows records with kChannels entries each, loaded as the
// program loads it (every listed channel shown, the window from the first row to the last).
class LoadedChart
{
public:
    LoadedChart()
    {
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("zyfo-render-bench-" + std::to_string(::getpid()) + ".zyd"))
                                     .string();
        GeneratorOptions options;
        options.entries = kChannels;
        Generator generator(options);
        const GenerationResult generated = generateFile(generator, path, {kRows, -1}, false);
        if (!generated.ok)
            std::fprintf(stderr, "cannot make the data file: %s\n", generated.error.c_str());
        PosixFileSource source;
        if (source.open(path)) {
            MemoryReaderListener listener(m_chart.file());
            ReadMeasurementFile(m_chart.file(), &source, listener, false);
        }
        std::filesystem::remove(path);
        m_chart.CreatePens(1);
    }

    CChartCtrl &chart() { return m_chart; }

    int shownChannels() const
    {
        int shown = 0;
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int channel = 0; channel < m_chart.file().channelCount(kindAt(kind)); ++channel)
                shown += m_chart.file().channelView(kindAt(kind), channel).shown ? 1 : 0;
        return shown;
    }

private:
    CChartCtrl m_chart;
};

LoadedChart &loadedChart()
{
    static LoadedChart loaded;
    return loaded;
}

// Lines one render hands to the surface, counted on the recording surface.
double linesDrawn(CChartCtrl &chart)
{
    CRecordingDC recording;
    chart.RenderAsShown(recording, {0, 0, kWidth, kHeight});
    return static_cast<double>(recording.primitives(Primitive::Kind::Line).size());
}

void renderOnce(benchmark::State &state, int maxPoints, CChartCtrl::SeriesDrawing drawing)
{
    LoadedChart &loaded = loadedChart();
    CChartCtrl &chart = loaded.chart();
    chart.settings().maxPoints = maxPoints;
    chart.setSeriesDrawing(drawing);
    CImageDC image(kWidth, kHeight);
    for (auto _ : state)
        chart.RenderAsShown(image, {0, 0, kWidth, kHeight});
    state.counters["rows"] = static_cast<double>(chart.file().rowCount());
    state.counters["shown_channels"] = loaded.shownChannels();
    state.counters["lines"] = linesDrawn(chart);
    chart.setSeriesDrawing(CChartCtrl::SeriesDrawing::Summaries);
}

using Drawing = CChartCtrl::SeriesDrawing;

// From the summaries, as the program draws.
void RenderDrawAll(benchmark::State &state)
{
    renderOnce(state, 0, Drawing::Summaries);
}
BENCHMARK(RenderDrawAll)->Unit(benchmark::kMillisecond);

// The same picture walked row by row: the baseline.
void RenderDrawAllEveryRow(benchmark::State &state)
{
    renderOnce(state, 0, Drawing::EveryRow);
}
BENCHMARK(RenderDrawAllEveryRow)->Unit(benchmark::kMillisecond)->Iterations(3);

void RenderMaxPoints1000(benchmark::State &state)
{
    renderOnce(state, 1000, Drawing::Summaries);
}
BENCHMARK(RenderMaxPoints1000)->Unit(benchmark::kMillisecond);

void RenderMaxPoints1000EveryRow(benchmark::State &state)
{
    renderOnce(state, 1000, Drawing::EveryRow);
}
BENCHMARK(RenderMaxPoints1000EveryRow)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace zyfo

BENCHMARK_MAIN();
