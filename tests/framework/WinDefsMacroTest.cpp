// The Windows-style names stay declared beside system headers that define some of them as macros,
// and those macros stay as the system headers left them.
#include <gtest/gtest.h>

// As a system header might have them before ours.
#define TRUE 1
#define FALSE 0
#define RGB(r, g, b) 0xDEADu
#define OPAQUE 7
#define TRANSPARENT 8

#include "WinDefs.h"

namespace {

constexpr unsigned kMacroRgb = RGB(1, 2, 3);
constexpr int kMacroOpaque = OPAQUE;
constexpr int kMacroTransparent = TRANSPARENT;

} // namespace

#undef TRUE
#undef FALSE
#undef RGB
#undef OPAQUE
#undef TRANSPARENT

TEST(WinDefs, NamesAreDeclaredBesideSystemMacrosWhichComeBackUnchanged)
{
    EXPECT_EQ(kMacroRgb, 0xDEADu);
    EXPECT_EQ(kMacroOpaque, 7);
    EXPECT_EQ(kMacroTransparent, 8);
    EXPECT_EQ(zyfo::TRUE, 1);
    EXPECT_EQ(zyfo::FALSE, 0);
    EXPECT_EQ(zyfo::RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(zyfo::OPAQUE, 2);
    EXPECT_EQ(zyfo::TRANSPARENT, 1);
}
