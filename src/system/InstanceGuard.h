// The one-instance marker "Zyfo": a per-user lock that the system releases when the process
// holding it ends, however it ends.
#pragma once

#include <filesystem>
#include <string>

namespace zyfo {

// The lock is an exclusive lock on the file <name>.lock in $XDG_RUNTIME_DIR, or in
// $XDG_CONFIG_HOME/VENTRO/ (default ~/.config/VENTRO/) when there is no runtime folder.
class InstanceGuard
{
public:
    // Tries to take the lock. When another process holds it, alreadyExists() is true; when the
    // lock file cannot be made, neither held() nor alreadyExists() is, and the program may run.
    explicit InstanceGuard(const std::string &name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    bool held() const { return m_fd >= 0; }
    bool alreadyExists() const { return m_alreadyExists; }
    // Releases the lock (also done by the destructor and by the system at process exit).
    void close();

    static std::filesystem::path lockFile(const std::string &name);
    // The local socket beside the lock through which a second start hands a file to the copy
    // that holds the lock.
    static std::filesystem::path socketFile(const std::string &name);

private:
    static std::filesystem::path folder();

    int m_fd = -1;
    bool m_alreadyExists = false;
};

} // namespace zyfo
