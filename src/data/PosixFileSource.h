// A data file opened read-only through POSIX calls, as the headless tools read it.
#pragma once

#include "DataSource.h"

#include <string>
#include <vector>

namespace zyfo {

// Reads a file by path: opened read-only, without any lock, so a logger may keep writing it;
// 64-bit offsets. Reads are served from a 64 KiB buffer filled by the system, which is dropped
// on every seek so that bytes appended later are seen. Not copyable.
class PosixFileSource : public DataSource
{
public:
    PosixFileSource() = default;
    ~PosixFileSource() override;
    PosixFileSource(const PosixFileSource &) = delete;
    PosixFileSource &operator=(const PosixFileSource &) = delete;

    // Opens `path`; false with errno's message in error() when it cannot be opened or is not a
    // regular file. Closes a file opened before.
    bool open(const std::string &path);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    // What the last failure was, for a message to the user.
    const std::string &error() const { return m_error; }

    std::int64_t length() override;
    bool seek(std::int64_t offset) override;
    std::int64_t read(std::uint8_t *buffer, std::size_t size) override;
    // pread: safe from several threads; a failure does not touch error().
    bool readsAtOffsets() const override { return true; }
    std::int64_t readAt(std::int64_t offset, std::uint8_t *buffer, std::size_t size) override;

private:
    void fail(const char *what);

    int m_fd = -1;
    std::int64_t m_position = 0; // file offset of the next byte read() returns
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_bufferStart = 0; // next unread byte in m_buffer
    std::size_t m_bufferEnd = 0;   // bytes held in m_buffer
    std::string m_error;
};

} // namespace zyfo
