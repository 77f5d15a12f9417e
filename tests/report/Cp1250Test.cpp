// Tests of the UTF-8 to Windows-1250 conversion of report text.
#include "Cp1250.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

TEST(Cp1250, PolishLettersAndReportSymbolsBecomeSingleBytes)
{
    EXPECT_EQ(toCp1250("ąćęłńóśźż"), "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(toCp1250("ĄĆĘŁŃÓŚŹŻ"), "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(toCp1250("°C µmol €"), "\xB0"
                                     "C \xB5mol \x80");
    EXPECT_EQ(toCp1250("Data\ti\r\nGodzina"), "Data\ti\r\nGodzina");
}

TEST(Cp1250, CharactersWithoutAByteBecomeQuestionMarks)
{
    EXPECT_EQ(toCp1250("a→b"), "a?b"); // U+2192
    EXPECT_EQ(toCp1250("ñ"), "?");     // Latin-1 but not in this code page
    EXPECT_EQ(toCp1250("x😀y"), "x?y"); // four-byte sequence
    EXPECT_EQ(toCp1250(std::string("\0z", 2)), std::string("\0z", 2));
}

TEST(Cp1250, MalformedUtf8GivesOneQuestionMarkPerBadByte)
{
    EXPECT_EQ(toCp1250("\xFF"), "?");
    EXPECT_EQ(toCp1250("a\xC5"), "a?"); // sequence cut at the end
    EXPECT_EQ(toCp1250("\xC5"
                       "a"),
              "?a");                            // continuation missing
    EXPECT_EQ(toCp1250("\xC0\xB0"), "??");      // overlong form of "0"
    EXPECT_EQ(toCp1250("\xED\xA0\x80"), "???"); // a surrogate
    EXPECT_EQ(toCp1250("\x9C"), "?");           // a stray continuation byte
}

} // namespace
} // namespace zyfo
