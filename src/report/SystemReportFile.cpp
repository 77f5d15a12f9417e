// A report file on disk, over the system's file descriptor calls.
#include "SystemReportFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyfo {

namespace {

constexpr mode_t kNewFileMode = 0666; // narrowed by the user's umask

bool isRegularFile(int fd)
{
    struct stat info
    {
    };
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

SystemReportFile::~SystemReportFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

ReportFileOpen SystemReportFile::open(const std::string &path)
{
    m_error.clear();
    if (m_fd >= 0)
        close();
    // Create exclusively first, so "existed before" is decided by the system, not by a race
    // between a test and an open. A file removed between the two calls is created next round.
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (m_fd >= 0)
            return ReportFileOpen::Created;
        if (errno != EEXIST)
            break;
        m_fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (m_fd >= 0)
            return ReportFileOpen::Existed;
        if (errno != ENOENT)
            break;
    }
    fail();
    return ReportFileOpen::Failed;
}

bool SystemReportFile::seekToEnd()
{
    // Pipes and terminals have no end to move to; writing to them appends anyway.
    if (::lseek(m_fd, 0, SEEK_END) < 0 && errno != ESPIPE)
        return fail();
    return true;
}

bool SystemReportFile::truncate()
{
    // Only a regular file has content to discard; a device keeps its nature.
    if (!isRegularFile(m_fd))
        return true;
    if (::ftruncate(m_fd, 0) != 0 || ::lseek(m_fd, 0, SEEK_SET) < 0)
        return fail();
    return true;
}

bool SystemReportFile::write(std::string_view bytes)
{
    const char *data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return fail();
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SystemReportFile::close()
{
    if (m_fd < 0)
        return true;
    // The descriptor is gone after close() even when it reports an error (EINTR included).
    const int result = ::close(m_fd);
    m_fd = -1;
    if (result != 0)
        return fail();
    return true;
}

bool SystemReportFile::fail()
{
    m_error = std::strerror(errno);
    return false;
}

} // namespace zyfo
