// A data file opened read-only through POSIX calls, as the headless tools read it.
#include "PosixFileSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyfo {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

} // namespace

PosixFileSource::~PosixFileSource()
{
    close();
}

void PosixFileSource::fail(const char *what)
{
    m_error = std::string(what) + ": " + std::strerror(errno);
}

bool PosixFileSource::open(const std::string &path)
{
    close();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(path.c_str());
        return false;
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode))
            errno = EISDIR;
        fail(path.c_str());
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_position = 0;
    m_bufferStart = m_bufferEnd = 0;
    m_buffer.resize(kBufferSize);
    return true;
}

void PosixFileSource::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

std::int64_t PosixFileSource::length()
{
    struct stat info
    {
    };
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0)
        return -1;
    return static_cast<std::int64_t>(info.st_size);
}

bool PosixFileSource::seek(std::int64_t offset)
{
    if (m_fd < 0 || offset < 0)
        return false;
    m_position = offset;
    m_bufferStart = m_bufferEnd = 0;
    return true;
}

std::int64_t PosixFileSource::readAt(std::int64_t offset, std::uint8_t *buffer, std::size_t size)
{
    if (m_fd < 0 || offset < 0)
        return -1;
    ssize_t n = 0;
    do
        n = ::pread(m_fd, buffer, size, static_cast<off_t>(offset));
    while (n < 0 && errno == EINTR);
    return n < 0 ? -1 : static_cast<std::int64_t>(n);
}

std::int64_t PosixFileSource::read(std::uint8_t *buffer, std::size_t size)
{
    if (m_fd < 0)
        return -1;
    if (size >= m_buffer.size() && m_bufferStart == m_bufferEnd) {
        // A large read goes straight into the caller's buffer.
        const std::int64_t n = readAt(m_position, buffer, size);
        if (n < 0) {
            fail("read");
            return -1;
        }
        m_position += n;
        return n;
    }
    if (m_bufferStart == m_bufferEnd) {
        const std::int64_t n = readAt(m_position, m_buffer.data(), m_buffer.size());
        if (n < 0) {
            fail("read");
            return -1;
        }
        m_bufferStart = 0;
        m_bufferEnd = static_cast<std::size_t>(n);
    }
    const std::size_t count = std::min(size, m_bufferEnd - m_bufferStart);
    std::memcpy(buffer, m_buffer.data() + m_bufferStart, count);
    m_bufferStart += count;
    m_position += static_cast<std::int64_t>(count);
    return static_cast<std::int64_t>(count);
}

} // namespace zyfo
