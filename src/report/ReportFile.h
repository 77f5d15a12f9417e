// The file a report is written to, as the report writer sees it: open, position, write, close.
#pragma once

#include <string>
#include <string_view>

namespace zyfo {

// How opening went: a new file, a file that was already there, or no file at all.
enum class ReportFileOpen
{
    Created,
    Existed,
    Failed,
};

// Output of the report writer. SystemReportFile writes to disk; tests implement it to inject
// faults. Every operation but open requires an open file.
class ReportFile
{
public:
    virtual ~ReportFile() = default;

    // Opens `path` for writing at its start, creating the file when it does not exist. On
    // Failed nothing is open.
    virtual ReportFileOpen open(const std::string &path) = 0;

    // Moves the write position to the end of the file (appending). False on failure.
    virtual bool seekToEnd() = 0;

    // Cuts the file to length 0 (replacing its content). False on failure.
    virtual bool truncate() = 0;

    // Writes all of `bytes` at the write position. False when not all of them were written.
    virtual bool write(std::string_view bytes) = 0;

    // Closes the file. False when the system reports a failure to store the data; the file is
    // closed either way.
    virtual bool close() = 0;

    // The system's description of the latest failure, for messages; empty when there was none.
    virtual std::string lastError() const = 0;
};

} // namespace zyfo
