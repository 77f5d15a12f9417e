// Test helper: local sockets made by hand, whether a socket file has a listener, and what a
// process holds open as /proc shows it.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace zyfo::test {

// A socket bound to `path` that listens but never accepts: connections queue up and nobody
// answers them. With `listening` false the socket is closed at once, which leaves the socket
// file behind as a killed process does.
class RawLocalSocket
{
public:
    RawLocalSocket(const std::filesystem::path &path, bool listening)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        if (m_fd < 0 ||
            ::bind(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
            (listening && ::listen(m_fd, 8) != 0))
            throw std::runtime_error("cannot make socket " + path.string());
        if (!listening)
            close();
    }
    ~RawLocalSocket() { close(); }
    RawLocalSocket(const RawLocalSocket &) = delete;
    RawLocalSocket &operator=(const RawLocalSocket &) = delete;

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int m_fd;
};

// Whether some process listens on the socket file `path`: a connection is taken (and closed
// at once, without a word). A file left by a dead process refuses it.
inline bool isListening(const std::filesystem::path &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return connected;
}

// The files process `pid` holds open, by their paths.
inline std::vector<std::filesystem::path> openFiles(pid_t pid)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    const std::filesystem::path folder = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), error);
        if (!error)
            files.push_back(target);
    }
    return files;
}

} // namespace zyfo::test
