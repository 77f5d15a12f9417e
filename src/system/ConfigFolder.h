// Where the program keeps its per-user files.
#pragma once

#include <filesystem>

namespace zyfo {

// $XDG_CONFIG_HOME/VENTRO, $XDG_CONFIG_HOME defaulting to ~/.config (a relative value is
// ignored, as the base directory rules say). Not created here.
std::filesystem::path ventroConfigFolder();

} // namespace zyfo
