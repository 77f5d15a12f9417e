// Conversion of the program's UTF-8 text to the Windows-1250 bytes of report files.
#pragma once

#include <string>
#include <string_view>

namespace zyfo {

// Appends `utf8` to `out` in Windows-1250. A character the code page has no byte for becomes
// "?", and so does each byte of a malformed UTF-8 sequence. ASCII passes unchanged.
void appendCp1250(std::string &out, std::string_view utf8);

// The Windows-1250 form of `utf8`, by the same rules.
std::string toCp1250(std::string_view utf8);

} // namespace zyfo
