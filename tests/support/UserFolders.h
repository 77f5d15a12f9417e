// Test helper: a fresh per-user configuration and runtime folder for the lifetime of the object.
#pragma once

#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"

#include <filesystem>

namespace zyfo::test {

// Points XDG_CONFIG_HOME and XDG_RUNTIME_DIR at new empty folders, as on a clean account, and
// restores both variables and removes the folders afterwards.
class UserFolders
{
public:
    UserFolders()
    {
        std::filesystem::create_directories(configHome());
        std::filesystem::create_directories(runtimeDir());
        // A runtime folder others may read is refused by the platform libraries.
        std::filesystem::permissions(runtimeDir(), std::filesystem::perms::owner_all);
        m_environment.set("XDG_CONFIG_HOME", configHome().string());
        m_environment.set("XDG_RUNTIME_DIR", runtimeDir().string());
    }

    const std::filesystem::path &root() const { return m_folder.path(); }
    std::filesystem::path configHome() const { return root() / "config"; }
    std::filesystem::path runtimeDir() const { return root() / "runtime"; }

private:
    TemporaryFolder m_folder{"zyfo-app"};
    ScopedEnvironment m_environment;
};

} // namespace zyfo::test
