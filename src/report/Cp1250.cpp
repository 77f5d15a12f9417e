// Conversion of the program's UTF-8 text to the Windows-1250 bytes of report files.
#include "Cp1250.h"

#include <cstdint>

namespace zyfo {

namespace {

// Unicode code point of each byte 0x80..0xFF of Windows-1250; 0 where the byte is unassigned.
constexpr char32_t kHighHalf[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

constexpr char kUnmappable = '?';

char byteFor(char32_t codePoint)
{
    for (int i = 0; i < 128; ++i) {
        if (kHighHalf[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return kUnmappable;
}

bool isContinuation(std::uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

// Decodes the multi-byte sequence starting at `pos`. Returns the number of bytes it takes and
// sets `codePoint`; returns 0 for a malformed sequence (bad lead or continuation, overlong form,
// surrogate, beyond U+10FFFF).
std::size_t decodeSequence(std::string_view s, std::size_t pos, char32_t &codePoint)
{
    const auto lead = static_cast<std::uint8_t>(s[pos]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<std::uint8_t>(s[pos + i]);
        if (!isContinuation(b))
            return 0;
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

void appendCp1250(std::string &out, std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Copy a run of ASCII in one piece: almost everything in a report is ASCII.
        std::size_t run = pos;
        while (run < utf8.size() && static_cast<std::uint8_t>(utf8[run]) < 0x80)
            ++run;
        out.append(utf8.data() + pos, run - pos);
        pos = run;
        if (pos == utf8.size())
            break;
        char32_t codePoint = 0;
        const std::size_t length = decodeSequence(utf8, pos, codePoint);
        if (length == 0) {
            out += kUnmappable;
            ++pos;
            continue;
        }
        out += byteFor(codePoint);
        pos += length;
    }
}

std::string toCp1250(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    appendCp1250(out, utf8);
    return out;
}

} // namespace zyfo
