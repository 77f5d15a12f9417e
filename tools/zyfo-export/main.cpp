// zyfo-export: the viewer's reading, channel listing, report writing and chart drawing without
// a window.
#include "Application.h"
#include "CChartCtrl.h"
#include "ChartExport.h"
#include "ExportCommandLine.h"
#include "LocaleDecimalSeparator.h"
#include "MeasurementReader.h"
#include "MemoryReaderListener.h"
#include "PosixFileSource.h"
#include "ReportWriter.h"
#include "SystemReportFile.h"
#include "TerminalProgress.h"

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <iostream>

namespace {

constexpr int kFailure = 1;
constexpr int kBadArguments = 2;

void complain(const std::string &message)
{
    std::cerr << "zyfo-export: " << message << '\n';
}

// Reads `path` as "Otwórz plik" does. On failure says why and returns false.
bool loadFile(const std::string &path, zyfo::MeasurementFile &data,
              zyfo::MemoryReaderListener &listener)
{
    zyfo::PosixFileSource source;
    if (!source.open(path)) {
        complain("Nieprawidłowy plik: " + source.error());
        return false;
    }
    zyfo::TerminalProgress progress(STDERR_FILENO, "zyfo-export: reading " + path);
    zyfo::ReadOptions options;
    if (progress.active()) {
        options.progress = [&progress](std::int64_t done, std::int64_t total) {
            progress.update(done, total);
            return true;
        };
    }
    const zyfo::ReadResult result =
        zyfo::ReadMeasurementFile(data, &source, listener, false, options);
    progress.finish();
    if (result.readError) {
        complain("cannot read " + path + ": " + source.error());
        return false;
    }
    return true;
}

// Prints the combo items, one a line; a failing standard output is a failure too.
int listChannels(const zyfo::MemoryReaderListener &listener)
{
    for (const std::string &item : listener.items()) {
        std::fwrite(item.data(), 1, item.size(), stdout);
        std::fputc('\n', stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        complain("cannot write the channel list to standard output");
        return kFailure;
    }
    return 0;
}

int writeReport(const zyfo::ExportCommandLine &cl, const zyfo::MeasurementFile &data)
{
    zyfo::ReportOptions options = cl.report;
    if (!cl.separatorGiven)
        options.decimalSeparator = zyfo::localeDecimalSeparator(); // as the viewer takes it
    const zyfo::ExistingFileAction action =
        cl.append ? zyfo::ExistingFileAction::Append : zyfo::ExistingFileAction::Replace;
    zyfo::SystemReportFile file;
    zyfo::ReportWriter writer(data, options);
    zyfo::TerminalProgress progress(STDERR_FILENO, "zyfo-export: writing " + cl.reportPath);
    if (progress.active())
        writer.setProgress([&progress](int done, int total) { progress.update(done, total); });
    const zyfo::ReportResult result =
        writer.write(file, cl.reportPath, [action] { return action; });
    progress.finish();
    switch (result.status) {
    case zyfo::ReportStatus::Written:
        return 0;
    case zyfo::ReportStatus::FileUnavailable:
        complain(std::string(zyfo::kFileUnavailableMessage) + " " + cl.reportPath + ": " +
                 result.systemError);
        return kFailure;
    case zyfo::ReportStatus::WriteFailed:
        complain(std::string(zyfo::kWriteFailedMessage) + " " + cl.reportPath + ": " +
                 result.systemError);
        return kFailure;
    }
    return kFailure;
}

} // namespace

int main(int argc, char **argv)
{
    std::setlocale(LC_ALL, "");
    zyfo::keepToolkitMessagesQuiet();
    std::string error;
    const std::optional<zyfo::ExportCommandLine> cl =
        zyfo::ExportCommandLine::parse({argv + 1, argv + argc}, error);
    if (!cl) {
        complain(error + "\nTry 'zyfo-export --help'.");
        return kBadArguments;
    }
    if (cl->mode == zyfo::ExportCommandLine::Mode::Help) {
        std::cout << zyfo::ExportCommandLine::usage();
        return 0;
    }

    if (cl->mode == zyfo::ExportCommandLine::Mode::Chart) {
        // The chart control holds the file it draws.
        zyfo::CChartCtrl chart;
        zyfo::MemoryReaderListener listener(chart.file());
        if (!loadFile(cl->input, chart.file(), listener))
            return kFailure;
        const std::string failure = zyfo::writeChartFile(*cl, chart);
        if (failure.empty())
            return 0;
        complain(failure);
        return kFailure;
    }

    zyfo::MeasurementFile data;
    zyfo::MemoryReaderListener listener(data);
    if (!loadFile(cl->input, data, listener))
        return kFailure;
    if (cl->mode == zyfo::ExportCommandLine::Mode::Channels)
        return listChannels(listener);
    return writeReport(*cl, data);
}
