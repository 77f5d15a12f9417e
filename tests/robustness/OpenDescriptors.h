// Test helper: how many file descriptors this process holds open, to see that none leak.
#pragma once

#include <filesystem>
#include <iterator>

namespace zyfo {

inline int openDescriptors()
{
    return static_cast<int>(
        std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

} // namespace zyfo
