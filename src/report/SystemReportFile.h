// A report file on disk, over the system's file descriptor calls.
#pragma once

#include "ReportFile.h"

namespace zyfo {

// Writes straight to the descriptor: the report writer does its own buffering, so a successful
// write has reached the system and a full disk is seen at once. Closed by its destructor if the
// caller has not closed it.
class SystemReportFile final : public ReportFile
{
public:
    SystemReportFile() = default;
    ~SystemReportFile() override;
    SystemReportFile(const SystemReportFile &) = delete;
    SystemReportFile &operator=(const SystemReportFile &) = delete;

    ReportFileOpen open(const std::string &path) override;
    bool seekToEnd() override;
    bool truncate() override;
    bool write(std::string_view bytes) override;
    bool close() override;
    std::string lastError() const override { return m_error; }

private:
    bool fail();

    int m_fd = -1;
    std::string m_error;
};

} // namespace zyfo
