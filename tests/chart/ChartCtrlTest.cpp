// Chart control: pens, colours of axes and background, printing.
#include "ChartFixture.h"

namespace zyfo::test {
namespace {

TEST(ChartCtrlTest, LineWidthRemakesThePensOfShownChannelsOnly)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::Temperature, "A", constant(3, 0)},
              {ChannelKind::Temperature, "B", constant(3, 0)}});
    chart.file().channelView(ChannelKind::Temperature, 1).shown = false;
    chart.setChannelColor(ChannelKind::Temperature, 0, RGB(1, 2, 3));
    chart.SetLineWidth(5);
    EXPECT_EQ(chart.busyCount(), 0);
    EXPECT_EQ(*chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle(),
              (LOGPEN{PS_SOLID, 5, RGB(1, 2, 3)}));
    // The hidden channel keeps the pen it had.
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 1).GetSafeHandle()->lopnWidth, 2);
}

TEST(ChartCtrlTest, CreatePensStopsAtThePenThatCannotBeMade)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::Temperature, "A", constant(3, 0)},
              {ChannelKind::Pressure, "P", constant(3, 0)}});
    chart.DeletePens();
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle(), nullptr);
    chart.channelPen(ChannelKind::Temperature, 0).CreatePen(PS_SOLID, 1, 0); // still held
    chart.CreatePens(1);
    EXPECT_EQ(chart.channelPen(ChannelKind::Pressure, 0).GetSafeHandle(), nullptr);
    chart.DeletePens();
    chart.CreatePens(4);
    EXPECT_EQ(chart.channelPen(ChannelKind::Pressure, 0).GetSafeHandle()->lopnWidth, 8);
}

TEST(ChartCtrlTest, TextColourDrawsTheAxesAndTheBackgroundFillsTheChart)
{
    for (const bool bySetter : {true, false}) {
        SCOPED_TRACE(bySetter ? "set by the setters" : "loaded straight into the settings");
        CChartCtrl chart;
        loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
        if (bySetter) {
            chart.SetChartTextColor(RGB(10, 20, 30));
            chart.SetChartBackColor(RGB(200, 210, 220));
        } else {
            chart.settings().textColor = RGB(10, 20, 30); // as the settings store loads them
            chart.settings().backColor = RGB(200, 210, 220);
        }
        CRecordingDC dc;
        chart.RenderAsShown(dc, {0, 0, 400, 300});
        ASSERT_FALSE(dc.primitives().empty());
        EXPECT_EQ(dc.primitives()[0].kind, Primitive::Kind::Fill);
        EXPECT_EQ(dc.primitives()[0].rect, (CRect{0, 0, 400, 300}));
        EXPECT_EQ(dc.primitives()[0].color, RGB(200, 210, 220));
        const auto lines = dc.primitives(Primitive::Kind::Line);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].pen, (LOGPEN{PS_SOLID, 1, RGB(10, 20, 30)}));
        const auto texts = dc.primitives(Primitive::Kind::DrawText);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].color, RGB(10, 20, 30));
        EXPECT_EQ(texts[0].bkColor, RGB(200, 210, 220));
    }
}

TEST(ChartCtrlTest, PrintingUsesPrintColoursFontsAndScaledPens)
{
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
    CRecordingDC screen;
    chart.Render(screen, false, {0, 0, 400, 300}, 5);
    EXPECT_TRUE(screen.primitives().empty()) << "no window: an empty client rectangle";
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, 2);

    chart.CreatePrintFonts(6);
    CRecordingDC dc({4960, 7015, 600, 600, 0, 0});
    chart.Render(dc, true, {60, 300, 4900, 6950}, 6);
    EXPECT_EQ(chart.busyCount(), 0);
    ASSERT_FALSE(dc.primitives().empty());
    EXPECT_EQ(dc.primitives()[0].color, RGB(255, 255, 255));
    EXPECT_EQ(dc.primitives()[0].rect, (CRect{60, 300, 4900, 6950}));
    const auto texts = dc.primitives(Primitive::Kind::DrawText);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].font.lfHeight, 72);
    EXPECT_EQ(texts[0].color, RGB(0, 0, 0));
    EXPECT_EQ(texts[0].rect, (CRect{120 - 10, 300, 120 + 150 + 10, 300 + 150}));
    EXPECT_EQ(dc.primitives(Primitive::Kind::Text)[0].font.lfHeight, 60);
    // Pens stay at the printing width until the printer's caller remakes them.
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, 12);
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].pen, (LOGPEN{PS_SOLID, 1, RGB(0, 0, 0)}));
}

} // namespace
} // namespace zyfo::test
