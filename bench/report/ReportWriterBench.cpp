// Throughput of report writing (bytes of report per second) on a large loaded file.
#include "ReportWriter.h"
#include "SystemReportFile.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr int kRows = 100000;

// The channels of a 35-entry logger record, spread over the kinds as a station has them.
constexpr struct
{
    ChannelKind kind;
    int channels;
    double base;
    double swing;
} kLayout[] = {
    {ChannelKind::Temperature, 20, 12.0, 8.0},       {ChannelKind::Pressure, 2, 1013.0, 10.0},
    {ChannelKind::RelativeHumidity, 2, 70.0, 20.0},  {ChannelKind::DewPoint, 2, 6.0, 4.0},
    {ChannelKind::VapourContent, 1, 9000.0, 2000.0}, {ChannelKind::RadiationWm2, 2, 300.0, 300.0},
    {ChannelKind::RadiationKlx, 1, 30.0, 30.0},      {ChannelKind::RadiationUmol, 1, 600.0, 600.0},
    {ChannelKind::WindSpeed, 1, 3.0, 2.5},           {ChannelKind::WindDirection, 1, 180.0, 179.0},
    {ChannelKind::RainHeight, 1, 2.0, 2.0},          {ChannelKind::BinaryInput, 1, 0.5, 0.5},
};

// 100000 rows of 35 values with one reading missing now and then, so header lines recur.
const MeasurementFile &largeFile()
{
    static const MeasurementFile file = [] {
        MeasurementFile f;
        for (const auto &group : kLayout) {
            for (int c = 0; c < group.channels; ++c)
                f.channelNames(group.kind).add("RT-350 nr " + std::to_string(c + 1));
        }
        char stamp[32];
        for (int row = 0; row < kRows; ++row) {
            const int minutes = row;
            std::snprintf(stamp, sizeof stamp, "2006%02d%02d%02d%02d00", 1 + minutes / 40320 % 12,
                          1 + minutes / 1440 % 28, minutes / 60 % 24, minutes % 60);
            Stamp s{};
            std::copy(stamp, stamp + kStampLength, s.begin());
            f.appendRow(0, &s);
            int serial = 0;
            for (const auto &group : kLayout) {
                for (int c = 0; c < group.channels; ++c, ++serial) {
                    if ((row * 7 + serial) % 997 == 0)
                        continue;
                    const double phase = row / 1440.0 * 6.2832 + serial;
                    f.storeValue(group.kind, c, group.base + group.swing * std::sin(phase));
                }
            }
        }
        return f;
    }();
    return file;
}

void writeReport(benchmark::State &state, ReportFormat format)
{
    const MeasurementFile &data = largeFile();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("zyfo-bench-report-" + std::to_string(::getpid()) + ".txt"))
                                 .string();
    ReportOptions options;
    options.format = format;
    options.decimalSeparator = ",";
    std::int64_t bytes = 0;
    for (auto _ : state) {
        SystemReportFile file;
        const ReportResult result = ReportWriter(data, options).write(file, path, [] {
            return ExistingFileAction::Replace;
        });
        if (result.status != ReportStatus::Written) {
            state.SkipWithError(result.systemError.c_str());
            break;
        }
        bytes += result.bytesWritten;
    }
    std::filesystem::remove(path);
    state.SetBytesProcessed(bytes);
    state.counters["report_MB"] =
        static_cast<double>(bytes) / 1e6 /
        static_cast<double>(std::max<std::int64_t>(1, state.iterations()));
}

void BM_ReportText(benchmark::State &state)
{
    writeReport(state, ReportFormat::Text);
}
void BM_ReportDelimited(benchmark::State &state)
{
    writeReport(state, ReportFormat::Delimited);
}

BENCHMARK(BM_ReportText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportDelimited)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace zyfo

BENCHMARK_MAIN();
