// The one-instance marker "Zyfo": a per-user lock that the system releases when the process
// holding it ends, however it ends.
#include "InstanceGuard.h"

#include "ConfigFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zyfo {

std::filesystem::path InstanceGuard::folder()
{
    std::error_code error;
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && std::filesystem::is_directory(runtime, error))
        return runtime;
    return ventroConfigFolder();
}

std::filesystem::path InstanceGuard::lockFile(const std::string &name)
{
    return folder() / (name + ".lock");
}

std::filesystem::path InstanceGuard::socketFile(const std::string &name)
{
    return folder() / (name + ".socket");
}

InstanceGuard::InstanceGuard(const std::string &name)
{
    std::filesystem::path path = lockFile(name);
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    // Not inherited by child processes, so only this process's life holds the lock.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    int result = 0;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        m_alreadyExists = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    m_fd = fd;
}

InstanceGuard::~InstanceGuard()
{
    close();
}

void InstanceGuard::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace zyfo
