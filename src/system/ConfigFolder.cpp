// Where the program keeps its per-user files.
#include "ConfigFolder.h"

#include <cstdlib>

namespace zyfo {

std::filesystem::path ventroConfigFolder()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return std::filesystem::path(config) / "VENTRO";
    const char *home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "/tmp") / ".config" / "VENTRO";
}

} // namespace zyfo
