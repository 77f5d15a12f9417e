// The command line of zyfo-export: what to do, with which file, and the usage text.
#include "ExportCommandLine.h"

#include "ArgumentScanner.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace zyfo {

namespace {

// Number of UTF-8 characters in `text` (continuation bytes do not start one).
std::size_t characterCount(const std::string &text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<std::uint8_t>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// The picture format of a chart file named `path`, by its extension in any case.
std::optional<ExportCommandLine::ChartFormat> chartFormatOf(const std::string &path)
{
    using Format = ExportCommandLine::ChartFormat;
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string extension = path.substr(dot + 1);
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "png")
        return Format::Png;
    if (extension == "pdf")
        return Format::Pdf;
    if (extension == "svg")
        return Format::Svg;
    return std::nullopt;
}

// Reads "WIDTHxHEIGHT" into the chart size; returns an error message, or an empty text.
std::string applySize(ExportCommandLine &cl, const std::string &value)
{
    constexpr int smallest = 16;
    constexpr int largest = 8192;
    const std::string error = "--size takes WIDTHxHEIGHT in pixels, each " +
                              std::to_string(smallest) + " to " + std::to_string(largest) +
                              ", not \"" + value + "\"";
    int width = 0;
    int height = 0;
    const char *end = value.data() + value.size();
    auto [afterWidth, widthError] = std::from_chars(value.data(), end, width);
    if (widthError != std::errc() || afterWidth == end ||
        (*afterWidth != 'x' && *afterWidth != 'X'))
        return error;
    auto [afterHeight, heightError] = std::from_chars(afterWidth + 1, end, height);
    if (heightError != std::errc() || afterHeight != end || width < smallest || width > largest ||
        height < smallest || height > largest)
        return error;
    cl.chartWidth = width;
    cl.chartHeight = height;
    return {};
}

// Applies option `name` with `value` (empty for a flag); returns an error message, or an empty
// text. --help is taken by the caller.
std::string applyOption(ExportCommandLine &cl, const std::string &name, const std::string &value)
{
    using Mode = ExportCommandLine::Mode;
    if (name == "--append") {
        cl.append = true;
        return {};
    }
    const Mode mode = name == "--channels" ? Mode::Channels
                      : name == "--report" ? Mode::Report
                      : name == "--chart"  ? Mode::Chart
                                           : Mode::Help;
    if (mode != Mode::Help) {
        if (cl.mode != Mode::Help)
            return "choose one of --channels, --report and --chart";
        cl.mode = mode;
        if (mode == Mode::Chart) {
            const auto format = chartFormatOf(value);
            if (!format)
                return "--chart writes a .png, .pdf or .svg file, not \"" + value + "\"";
            cl.chartFormat = *format;
            cl.chartPath = value;
            return {};
        }
        (mode == Mode::Channels ? cl.input : cl.reportPath) = value;
    } else if (name == "--size") {
        return applySize(cl, value);
    } else if (name == "--format") {
        if (value != "text" && value != "csv")
            return "--format takes text or csv, not \"" + value + "\"";
        cl.report.format = value == "csv" ? ReportFormat::Delimited : ReportFormat::Text;
    } else if (name == "--decimal-separator") {
        if (characterCount(value) != 1)
            return "--decimal-separator takes one character, not \"" + value + "\"";
        cl.report.decimalSeparator = value;
        cl.separatorGiven = true;
    } else { // --comment, the last value option
        cl.report.withComment = true;
        cl.report.comment = value;
    }
    return {};
}

// Checks the combination of options once all are read.
std::string checkCombination(const ExportCommandLine &cl, bool formatGiven, bool reportOnlyGiven,
                             bool sizeGiven)
{
    using Mode = ExportCommandLine::Mode;
    if (cl.mode == Mode::Help)
        return "nothing to do: give --channels FILE, --report OUT or --chart OUT";
    if (cl.input.empty())
        return "no data file given";
    if (cl.mode == Mode::Report && !formatGiven)
        return "--report needs --format text or --format csv";
    if (cl.mode != Mode::Report && (formatGiven || reportOnlyGiven))
        return "--format, --decimal-separator, --comment and --append belong to --report";
    if (cl.mode != Mode::Chart && sizeGiven)
        return "--size belongs to --chart";
    return {};
}

} // namespace

std::optional<ExportCommandLine> ExportCommandLine::parse(const std::vector<std::string> &args,
                                                          std::string &error)
{
    static const ArgumentScanner kScanner({"--channels", "--report", "--chart", "--size",
                                           "--format", "--decimal-separator", "--comment"},
                                          {"--append", "--help", "-h"});
    ExportCommandLine cl;
    bool formatGiven = false;
    bool reportOnlyGiven = false;
    bool sizeGiven = false;
    bool helpWanted = false;
    std::vector<std::string> positional;
    const auto onOption = [&](const std::string &name, const std::string &value) {
        helpWanted |= name == "--help" || name == "-h";
        formatGiven |= name == "--format";
        sizeGiven |= name == "--size";
        reportOnlyGiven |=
            name == "--decimal-separator" || name == "--comment" || name == "--append";
        return helpWanted ? std::string() : applyOption(cl, name, value);
    };
    const auto onPlain = [&](const std::string &arg) {
        positional.push_back(arg);
        return std::string();
    };
    error = kScanner.scan(args, onOption, onPlain);
    if (!error.empty())
        return std::nullopt;
    if (helpWanted) {
        cl.mode = Mode::Help;
        return cl;
    }
    // --channels names its file; --report and --chart take the data file as the one plain
    // argument.
    const std::size_t expected = cl.mode == Mode::Report || cl.mode == Mode::Chart ? 1 : 0;
    if (positional.size() != expected) {
        error = positional.size() > expected ? "unexpected argument " + positional[expected]
                                             : "no data file given";
        return std::nullopt;
    }
    if (expected == 1)
        cl.input = positional.front();
    error = checkCombination(cl, formatGiven, reportOnlyGiven, sizeGiven);
    if (!error.empty())
        return std::nullopt;
    return cl;
}

const char *ExportCommandLine::usage()
{
    return R"(Usage: zyfo-export --channels FILE.zyd
       zyfo-export --report OUT --format text|csv [--decimal-separator C]
                   [--comment TEXT] [--append] FILE.zyd
       zyfo-export --chart OUT.png|OUT.pdf|OUT.svg [--size WxH] FILE.zyd
       zyfo-export --help

Reads a data file (.zyd) as the viewer does when it opens it, without a window.

  --channels FILE        print the channel list as the main window's combo box shows it
                         after opening FILE, one item per line (UTF-8)
  --report OUT           write the report of every row of the file to OUT, as the save
                         report dialog does: Windows-1250, CR LF line ends
  --format text|csv      text: "Format tekstowy" (tabs, blank-filled cells);
                         csv: "Lista rozdzielana" (commas)
  --decimal-separator C  the decimal separator of the values (default: the locale's)
  --comment TEXT         write TEXT first, as with "Dodaj komentarz" (a line break in TEXT
                         starts a new line)
  --append               add to OUT if it exists (default: replace its content)
  --chart OUT            draw the chart of FILE as the window shows it right after opening
                         it (every listed channel, all rows, the user's saved chart
                         settings or their defaults) into a PNG image, or a PDF or SVG
                         vector file, by OUT's extension
  --size WxH             the chart's size in pixels (default 1600x900)
  --help                 show this text

Exit status: 0 done; 1 the data file cannot be read or the report or chart cannot be written
(nothing is claimed done then); 2 bad arguments.
)";
}

} // namespace zyfo
