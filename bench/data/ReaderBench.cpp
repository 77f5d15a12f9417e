// Benchmarks of the data file reader on a 200 MB generated file with 35 entries a record:
// full read speed, memory per stored value, and a continuation after one appended record.
#include "FileGeneration.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr std::int64_t kFileBytes = 200LL * 1024 * 1024;
constexpr int kEntries = 35;

// The generated file, made once per run and removed at exit, with the generator that made it,
// positioned after its last record so that records can be appended like a running logger.
class BigFile
{
public:
    BigFile()
        : m_path((std::filesystem::temp_directory_path() /
                  ("zyfo-reader-bench-" + std::to_string(::getpid()) + ".zyd"))
                     .string())
        , m_generator(options())
    {
        const GenerationResult result = generateFile(m_generator, m_path, {-1, kFileBytes}, false);
        if (!result.ok)
            std::fprintf(stderr, "cannot make the data file: %s\n", result.error.c_str());
    }
    ~BigFile() { std::filesystem::remove(m_path); }
    BigFile(const BigFile &) = delete;
    BigFile &operator=(const BigFile &) = delete;

    const std::string &path() const { return m_path; }
    std::int64_t bytes() const
    {
        return static_cast<std::int64_t>(std::filesystem::file_size(m_path));
    }
    bool appendRecord() { return generateFile(m_generator, m_path, {1, -1}, true).ok; }

private:
    static GeneratorOptions options()
    {
        GeneratorOptions options;
        options.entries = kEntries;
        return options;
    }

    std::string m_path;
    Generator m_generator;
};

BigFile &bigFile()
{
    static BigFile file;
    return file;
}

// One loaded file as the headless tool holds it.
struct Loaded
{
    MeasurementFile data;
    MemoryReaderListener listener{data};
    PosixFileSource source;

    ReadResult read(bool refresh) { return ReadMeasurementFile(data, &source, listener, refresh); }
};

std::int64_t storedValues(const MeasurementFile &data)
{
    std::int64_t values = 0;
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < data.channelCount(kindAt(kind)); ++channel)
            values += data.valueCount(kindAt(kind), channel);
    return values;
}

std::int64_t residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<std::int64_t>(resident) * ::sysconf(_SC_PAGESIZE);
}

std::int64_t peakResidentBytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::int64_t>(usage.ru_maxrss) * 1024;
}

void FullRead(benchmark::State &state)
{
    BigFile &file = bigFile();
    std::int64_t rows = 0;
    for (auto _ : state) {
        auto loaded = std::make_unique<Loaded>();
        if (!loaded->source.open(file.path())) {
            state.SkipWithError(loaded->source.error().c_str());
            return;
        }
        loaded->read(false);
        rows = loaded->data.rowCount();
        // Giving the memory back is not part of reading.
        state.PauseTiming();
        loaded.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * file.bytes());
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(FullRead)->Unit(benchmark::kMillisecond)->Iterations(3);

// Memory is measured in a child process, so that what earlier benchmarks freed but the
// allocator kept does not hide what a read needs: the resident size just before the read is
// subtracted from the peak and from the resident size after it.
void MemoryPerStoredValue(benchmark::State &state)
{
    BigFile &file = bigFile();
    std::array<std::int64_t, 4> figures{}; // before, after, peak, values
    for (auto _ : state) {
        int channel[2];
        if (::pipe(channel) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        const pid_t child = ::fork();
        if (child == 0) {
            std::array<std::int64_t, 4> measured{residentBytes(), 0, 0, 0};
            {
                Loaded loaded;
                if (loaded.source.open(file.path()))
                    loaded.read(false);
                measured[1] = residentBytes();
                measured[2] = peakResidentBytes();
                measured[3] = storedValues(loaded.data);
                const auto written = ::write(channel[1], measured.data(), sizeof measured);
                static_cast<void>(written);
            }
            ::_exit(0);
        }
        ::close(channel[1]);
        const auto got = ::read(channel[0], figures.data(), sizeof figures);
        ::close(channel[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (got != static_cast<ssize_t>(sizeof figures) || figures[3] == 0) {
            state.SkipWithError("the measuring process failed");
            return;
        }
    }
    const auto values = static_cast<double>(figures[3]);
    state.counters["values"] = values;
    state.counters["peak_bytes_per_value"] = static_cast<double>(figures[2] - figures[0]) / values;
    state.counters["resident_bytes_per_value"] =
        static_cast<double>(figures[1] - figures[0]) / values;
    state.counters["process_peak_MiB"] = static_cast<double>(figures[2]) / (1 << 20);
}
BENCHMARK(MemoryPerStoredValue)->Unit(benchmark::kMillisecond)->Iterations(1);

void ContinuationAfterOneRecord(benchmark::State &state)
{
    BigFile &file = bigFile();
    Loaded loaded;
    if (!loaded.source.open(file.path())) {
        state.SkipWithError(loaded.source.error().c_str());
        return;
    }
    loaded.read(false);
    for (auto _ : state) {
        if (!file.appendRecord()) {
            state.SkipWithError("cannot append to the data file");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const ReadResult result = loaded.read(true);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (result.fullRead || result.rowsAdded > 1) {
            state.SkipWithError("the refresh did not continue with the new record alone");
            return;
        }
    }
    state.counters["rows"] = static_cast<double>(loaded.data.rowCount());
}
BENCHMARK(ContinuationAfterOneRecord)
    ->Unit(benchmark::kMicrosecond)
    ->UseManualTime()
    ->Iterations(200);

} // namespace
} // namespace zyfo

BENCHMARK_MAIN();
