// The command line of zyfo-export: what to do, with which file, and the usage text.
#pragma once

#include "ReportWriter.h"

#include <optional>
#include <string>
#include <vector>

namespace zyfo {

struct ExportCommandLine
{
    enum class Mode
    {
        Help,
        Channels, // list the channel combo items
        Report,   // write a report
        Chart,    // draw the chart into an image or vector file
    };

    // What a chart file holds, by the extension of its name.
    enum class ChartFormat
    {
        Png,
        Pdf,
        Svg,
    };

    Mode mode = Mode::Help;
    std::string input;      // the data file
    std::string reportPath; // Report: the report file
    ReportOptions report;   // Report: layout, comment, separator (set by the caller if absent)
    bool separatorGiven = false;
    bool append = false;
    std::string chartPath; // Chart: the picture file
    ChartFormat chartFormat = ChartFormat::Png;
    int chartWidth = 1600; // Chart: size in pixels (--size)
    int chartHeight = 900;

    // Parses the arguments after the program name. On a bad argument returns nullopt and sets
    // `error` to a message for the user.
    static std::optional<ExportCommandLine> parse(const std::vector<std::string> &args,
                                                  std::string &error);

    static const char *usage();
};

} // namespace zyfo
