// Benchmark of following a logger: a file of 10,000,000 records of 6 entries open as the main
// window holds it; one record is appended, re-read, and the chart drawn again at 1600 x 900,
// with the newest 100 rows shown (the live update's "show only the last measurements") and
// with the whole file shown.
#include "CChartCtrl.h"
#include "CImageDC.h"
#include "FileGeneration.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr std::int64_t kRows = 10'000'000;
constexpr int kEntries = 6;
constexpr int kLastCount = 100;
constexpr int kWidth = 1600;
constexpr int kHeight = 900;

// The followed file, its generator left after the last record to append more like a logger.
class FollowedFile
{
public:
    FollowedFile()
        : m_path((std::filesystem::temp_directory_path() /
                  ("zyfo-follow-bench-" + std::to_string(::getpid()) + ".zyd"))
                     .string())
        , m_generator(options())
        , m_listener(m_chart.file())
    {
        if (!generateFile(m_generator, m_path, {kRows, -1}, false).ok || !m_source.open(m_path))
            std::fprintf(stderr, "cannot make the data file %s\n", m_path.c_str());
        ReadMeasurementFile(m_chart.file(), &m_source, m_listener, false);
        m_chart.CreatePens(1);
    }
    ~FollowedFile() { std::filesystem::remove(m_path); }
    FollowedFile(const FollowedFile &) = delete;
    FollowedFile &operator=(const FollowedFile &) = delete;

    bool appendRecord() { return generateFile(m_generator, m_path, {1, -1}, true).ok; }

    // The live update's re-read and redraw, as the main window runs them on its timer; the
    // seconds the redraw took go to `drawing`.
    ReadResult reReadAndDraw(bool lastOnly, CImageDC &image, double &drawing)
    {
        const ReadResult result = ReadMeasurementFile(m_chart.file(), &m_source, m_listener, true);
        MeasurementFile &file = m_chart.file();
        file.updateGroupShownFlags();
        if (lastOnly)
            file.setFromTime(file.rowTime(std::max(file.toRow() - kLastCount + 1, 0)));
        else
            file.setFromTime(file.rowTime(0));
        const auto start = std::chrono::steady_clock::now();
        m_chart.RenderAsShown(image, {0, 0, kWidth, kHeight});
        drawing += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return result;
    }

    int rows() const { return m_chart.file().rowCount(); }

private:
    static GeneratorOptions options()
    {
        GeneratorOptions options;
        options.entries = kEntries;
        return options;
    }

    std::string m_path;
    Generator m_generator;
    CChartCtrl m_chart;
    MemoryReaderListener m_listener;
    PosixFileSource m_source;
};

FollowedFile &followedFile()
{
    static FollowedFile file;
    return file;
}

void followOneRecord(benchmark::State &state, bool lastOnly)
{
    FollowedFile &file = followedFile();
    CImageDC image(kWidth, kHeight);
    double drawing = 0;
    file.reReadAndDraw(lastOnly, image, drawing); // the window as the user left it
    drawing = 0;
    for (auto _ : state) {
        if (!file.appendRecord()) {
            state.SkipWithError("cannot append to the data file");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const ReadResult result = file.reReadAndDraw(lastOnly, image, drawing);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (result.fullRead || result.rowsAdded != 1) {
            state.SkipWithError("the re-read did not continue with the new record alone");
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(file.rows());
    state.counters["redraw_us"] = drawing / static_cast<double>(state.iterations()) * 1e6;
}

void FollowOneRecordNewest100(benchmark::State &state)
{
    followOneRecord(state, true);
}
BENCHMARK(FollowOneRecordNewest100)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(1000);

void FollowOneRecordWholeFile(benchmark::State &state)
{
    followOneRecord(state, false);
}
BENCHMARK(FollowOneRecordWholeFile)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(20);

} // namespace
} // namespace zyfo
