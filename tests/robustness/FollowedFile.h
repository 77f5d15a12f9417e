// Test helper: a data file on disk followed as the main window follows it, and its full read.
#pragma once

#include "LoadedFile.h"
#include "PosixFileSource.h"

#include <string>

namespace zyfo {

// The open file, the model and the window-less listener: open() reads it whole, refresh() is a
// live-update re-read through the same open file.
struct FollowedFile : BasicLoadedFile<PosixFileSource>
{
    explicit FollowedFile(const std::string &path) { source.open(path); }
};

// modelText of one full read of the file at `path` as it is now.
inline std::string fullReadText(const std::string &path)
{
    FollowedFile whole(path);
    whole.open();
    return modelText(whole.file);
}

} // namespace zyfo
