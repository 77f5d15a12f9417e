// Chart control: colours of axes and background, printing.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

TEST(ChartCtrlTest, TextColourDrawsTheAxesAndTheBackgroundFillsTheChart)
{
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
    chart.SetChartTextColor(RGB(10, 20, 30));
    chart.SetChartBackColor(RGB(200, 210, 220));
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    ASSERT_FALSE(dc.primitives().empty());
    EXPECT_EQ(dc.primitives()[0].kind, Primitive::Kind::Fill);
    EXPECT_EQ(dc.primitives()[0].color, RGB(200, 210, 220));
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].pen, (LOGPEN{PS_SOLID, 1, RGB(10, 20, 30)}));
    const auto texts = dc.primitives(Primitive::Kind::DrawText);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].color, RGB(10, 20, 30));
    EXPECT_EQ(texts[0].bkColor, RGB(200, 210, 220));
}

// The print colours and fonts on the page are checked by the print job's tests.
TEST(ChartCtrlTest, AScreenRenderNeedsAWindowAndPrintingLeavesThePensScaled)
{
    CChartCtrl chart;
    loadRows(chart, 11, {{ChannelKind::Temperature, "A", constant(11, 0)}});
    CRecordingDC screen;
    chart.Render(screen, false, {0, 0, 1200, 900}, 3);
    EXPECT_TRUE(screen.primitives().empty()) << "no window: an empty client rectangle";
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, 2);

    chart.CreatePrintFonts(3);
    CRecordingDC dc;
    chart.Render(dc, true, {0, 0, 1200, 900}, 3);
    EXPECT_EQ(chart.busyCount(), 0);
    EXPECT_FALSE(dc.primitives().empty());
    // Pens stay at the printing width until the printer's caller remakes them.
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, 6);
}

} // namespace
} // namespace zyfo::test
