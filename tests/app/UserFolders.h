// Test helper: a fresh per-user configuration and runtime folder for the lifetime of the object.
#pragma once

#include "ScopedEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zyfo::test {

// Points XDG_CONFIG_HOME and XDG_RUNTIME_DIR at new empty folders, as on a clean account, and
// restores both variables and removes the folders afterwards.
class UserFolders
{
public:
    UserFolders()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zyfo-app-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        std::filesystem::create_directories(configHome());
        std::filesystem::create_directories(runtimeDir());
        // A runtime folder others may read is refused by the platform libraries.
        std::filesystem::permissions(runtimeDir(), std::filesystem::perms::owner_all);
        m_environment.set("XDG_CONFIG_HOME", configHome().string());
        m_environment.set("XDG_RUNTIME_DIR", runtimeDir().string());
    }
    ~UserFolders()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }
    UserFolders(const UserFolders &) = delete;
    UserFolders &operator=(const UserFolders &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    std::filesystem::path configHome() const { return m_root / "config"; }
    std::filesystem::path runtimeDir() const { return m_root / "runtime"; }

private:
    std::filesystem::path m_root;
    ScopedEnvironment m_environment;
};

} // namespace zyfo::test
