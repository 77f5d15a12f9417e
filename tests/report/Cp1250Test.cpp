// Tests of the UTF-8 to Windows-1250 conversion of report text.
#include "Cp1250.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

TEST(Cp1250, LettersSymbolsAndOneQuestionMarkPerCharacterWithoutAByteOrBadByte)
{
    const std::pair<std::string, std::string> cases[] = {
        {"ąćęłńóśźż", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"},
        {"ĄĆĘŁŃÓŚŹŻ", "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"},
        {"°C µmol €", "\xB0"
                      "C \xB5mol \x80"},
        {"Data\ti\r\nGodzina", "Data\ti\r\nGodzina"},
        {std::string("\0z", 2), std::string("\0z", 2)},
        {"a→b", "a?b"}, // U+2192
        {"ñ", "?"},     // Latin-1 but not in this code page
        {"x😀y", "x?y"}, // four-byte sequence
        {"\xFF", "?"},
        {"a\xC5", "a?"}, // sequence cut at the end
        {"\xC5"
         "a",
         "?a"},                  // continuation missing
        {"\xC0\xB0", "??"},      // overlong form of "0"
        {"\xED\xA0\x80", "???"}, // a surrogate
        {"\x9C", "?"},           // a stray continuation byte
    };
    for (const auto &[utf8, expected] : cases)
        EXPECT_EQ(toCp1250(utf8), expected) << utf8;
}

} // namespace
} // namespace zyfo
