// Benchmarks of the data file reader: a full read of a 200 MB file of 35 entries a record and of
// 1,000,000 records of 6 entries, under Europe/Warsaw and UTC, each beside md5sum of the same
// file in the same iteration; memory per stored value; a continuation after one record.
#include "FileGeneration.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"
#include "TimeZoneGuard.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace zyfo {
namespace {

using Clock = std::chrono::steady_clock;

// A generated file, made once per run and removed at exit, with the generator that made it,
// positioned after its last record so that records can be appended like a running logger.
class GeneratedFile
{
public:
    GeneratedFile(const std::string &name, int entries, GenerationLimit limits)
        : m_path((std::filesystem::temp_directory_path() /
                  ("zyfo-reader-bench-" + name + "-" + std::to_string(::getpid()) + ".zyd"))
                     .string())
        , m_generator(options(entries))
    {
        const GenerationResult result = generateFile(m_generator, m_path, limits, false);
        if (!result.ok)
            std::fprintf(stderr, "cannot make the data file: %s\n", result.error.c_str());
    }
    ~GeneratedFile() { std::filesystem::remove(m_path); }
    GeneratedFile(const GeneratedFile &) = delete;
    GeneratedFile &operator=(const GeneratedFile &) = delete;

    const std::string &path() const { return m_path; }
    std::int64_t bytes() const
    {
        return static_cast<std::int64_t>(std::filesystem::file_size(m_path));
    }
    bool appendRecord() { return generateFile(m_generator, m_path, {1, -1}, true).ok; }

private:
    static GeneratorOptions options(int entries)
    {
        GeneratorOptions options;
        options.entries = entries;
        return options;
    }

    std::string m_path;
    Generator m_generator;
};

// `zydgen --entries 35 --size 200M` and `zydgen --entries 6 --records 1000000`.
GeneratedFile &bigFile()
{
    static GeneratedFile file("35x200M", 35, {-1, 200LL * 1024 * 1024});
    return file;
}
GeneratedFile &shortRecords()
{
    static GeneratedFile file("6x1M", 6, {1'000'000, -1});
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

// Memory is measured in a child process, so that what the parent holds is not counted: the
// resident size just before the read is subtracted from the peak and from the resident size
// after it. It runs first: memory that earlier benchmarks freed but the allocator kept would be
// used again by the read and hide part of what it needs.
void MemoryPerStoredValue(benchmark::State &state)
{
    GeneratedFile &file = bigFile();
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

// Seconds md5sum takes over `path`, run as a child process; -1 when it cannot run.
double md5sumSeconds(const std::string &path)
{
    const Clock::time_point start = Clock::now();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = "md5sum";
    std::string argument = path;
    char *argv[] = {program.data(), argument.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "md5sum", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || status != 0)
        return -1;
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A full read of `file` under `zone`, timed, each iteration beside md5sum of the same file; the
// counters give both times and their ratio.
void fullRead(benchmark::State &state, GeneratedFile &file, const char *zone)
{
    TimeZoneGuard guard(zone);
    double readSeconds = 0;
    double md5Seconds = 0;
    std::int64_t rows = 0;
    for (auto _ : state) {
        const double md5 = md5sumSeconds(file.path());
        if (md5 < 0) {
            state.SkipWithError("md5sum did not run");
            return;
        }
        auto loaded = std::make_unique<Loaded>();
        if (!loaded->source.open(file.path())) {
            state.SkipWithError(loaded->source.error().c_str());
            return;
        }
        const Clock::time_point start = Clock::now();
        loaded->read(false);
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(took);
        readSeconds += took;
        md5Seconds += md5;
        rows = loaded->data.rowCount();
        loaded.reset(); // giving the memory back is not part of reading
    }
    const auto n = static_cast<double>(state.iterations());
    state.SetBytesProcessed(state.iterations() * file.bytes());
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["md5sum_ms"] = md5Seconds / n * 1e3;
    state.counters["read_ms"] = readSeconds / n * 1e3;
    state.counters["ratio_to_md5sum"] = readSeconds / md5Seconds;
}

void FullRead200MBWarsaw(benchmark::State &state)
{
    fullRead(state, bigFile(), "Europe/Warsaw");
}
void FullRead200MBUtc(benchmark::State &state)
{
    fullRead(state, bigFile(), "UTC");
}
void FullReadMillionShortRecordsWarsaw(benchmark::State &state)
{
    fullRead(state, shortRecords(), "Europe/Warsaw");
}
void FullReadMillionShortRecordsUtc(benchmark::State &state)
{
    fullRead(state, shortRecords(), "UTC");
}
BENCHMARK(FullRead200MBWarsaw)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(FullRead200MBUtc)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(FullReadMillionShortRecordsWarsaw)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
BENCHMARK(FullReadMillionShortRecordsUtc)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

void ContinuationAfterOneRecord(benchmark::State &state)
{
    GeneratedFile &file = bigFile();
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
        const Clock::time_point start = Clock::now();
        const ReadResult result = loaded.read(true);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
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
