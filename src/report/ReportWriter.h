// The report writer: the loaded rows as a "Format tekstowy" or "Lista rozdzielana" file.
#pragma once

#include "MeasurementFile.h"
#include "ReportFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zyfo {

// The two layouts of the format combo: 0 "Format tekstowy", 1 "Lista rozdzielana".
enum class ReportFormat
{
    Text = 0,      // cells after a tab, each value followed by its kind's run of blanks
    Delimited = 1, // cells after a comma
};

// What to do with a report file that existed before; the caller asks the user.
enum class ExistingFileAction
{
    Append,
    Replace,
};

struct ReportOptions
{
    ReportFormat format = ReportFormat::Text;
    // The user's decimal separator (UTF-8), put in place of "." in every value; "" means ".".
    std::string decimalSeparator = ".";
    bool withComment = false; // the "Dodaj komentarz" box
    // UTF-8; its line breaks (CR LF, LF or CR) are written as CR LF.
    std::string comment;
};

enum class ReportStatus
{
    Written,
    FileUnavailable, // nothing written; the dialog stays open for another choice
    WriteFailed,     // a write failed part of the way: the file is closed and incomplete
};

struct ReportResult
{
    ReportStatus status = ReportStatus::Written;
    std::string systemError; // the system's words for a failure; empty on success
    std::int64_t bytesWritten = 0;
};

// Texts of the message boxes around writing a report.
inline constexpr std::string_view kFileUnavailableMessage = "Wybrany plik jest niedostępny.";
inline constexpr std::string_view kExistingFileQuestion =
    "Plik już istnieje.\r\nWybierz Tak aby dopisywać wyniki do poprzednich,\r\nwybierz Nie aby "
    "skasować poprzednią zawartość pliku.";
inline constexpr std::string_view kWriteFailedMessage =
    "Nie udało się zapisać raportu. Plik może być niekompletny.";

// Writes every row of a MeasurementFile as a report, in Windows-1250 with CR LF line ends. Each
// row gives a data line, preceded by a header line whenever its set of channels (their header
// cells) differs from the row before; the first row always has one. Lines are built in one
// reusable buffer and handed to the file in large pieces; the file is open only during write.
class ReportWriter
{
public:
    // `data` must stay unchanged while the writer exists.
    ReportWriter(const MeasurementFile &data, const ReportOptions &options);

    // Opens `path` through `file` (creating it when missing). When it existed, `existing` is
    // asked once whether to append or replace (no callback: replace). Returns FileUnavailable
    // when the file cannot be opened, WriteFailed when positioning, a write or the close fails;
    // the file is closed on every return.
    ReportResult write(ReportFile &file, const std::string &path,
                       const std::function<ExistingFileAction()> &existing);

    // Told after each block of rows is written: `done` rows of `total`.
    using Progress = std::function<void(int done, int total)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

private:
    struct Channel
    {
        const ChannelColumn *values;
        int column;             // index into the report's column table (kind order)
        std::string headerCell; // Windows-1250: separator, kind text, name, unit
    };

    void collectChannels();
    bool writeRows(ReportFile &file, ReportResult &result);
    // The line of `row`: the channels m_present lists, with their `values`.
    void appendLine(int row, const std::vector<double> &values);
    void appendComment();
    void appendValue(double value, int column);
    void appendHeaderIfChanged();
    bool pushBuffer(ReportFile &file, ReportResult &result);

    const MeasurementFile &m_data;
    ReportOptions m_options;
    std::string m_separator;        // Windows-1250
    std::string m_decimalSeparator; // Windows-1250
    std::vector<Channel> m_channels;
    std::vector<int> m_present;     // channels with a value in the current row
    std::vector<int> m_lastPresent; // ... in the row before
    bool m_haveLastHeader = false;
    std::string m_header;
    std::string m_lastHeader;
    std::string m_buffer;
    Progress m_progress;
};

} // namespace zyfo
