// The data file as the main window holds it: opened read-only with no sharing restriction,
// read by the reader through the data layer's DataSource interface.
#pragma once

#include "PosixFileSource.h"
#include "WinTypes.h"

#include <string>

namespace zyfo {

// Lengths and offsets are 64-bit; a logger may keep writing the file while it is open.
class CFile : public PosixFileSource
{
public:
    static constexpr UINT modeRead = 0x0000;
    static constexpr UINT shareDenyNone = 0x0040;

    // Opens `path` for reading; `flags` must be modeRead, optionally with shareDenyNone (this
    // platform has no sharing restriction to ask for). FALSE, with the file closed, for other
    // modes or a path that is missing, unreadable or not a regular file.
    BOOL Open(const std::string &path, UINT flags);
    void Close() { close(); }
};

} // namespace zyfo
