// Chart control: initial state, default colours, setters, pens, printing and the busy counter.
#include "ChartFixture.h"
#include "DefaultColors.h"

namespace zyfo::test {
namespace {

TEST(ChartCtrlTest, StartsWithTheDefaultsOfAFirstRun)
{
    CChartCtrl chart;
    const ChartSettings &settings = chart.settings();
    EXPECT_EQ(settings.backColor, RGB(0, 0, 0));
    EXPECT_EQ(settings.textColor, RGB(255, 255, 255));
    EXPECT_EQ(settings.lineWidth, 2);
    EXPECT_EQ(settings.maxPoints, 0);
    EXPECT_EQ(settings.showDate, 1);
    EXPECT_EQ(settings.showMeans, 0);
    EXPECT_EQ(settings.showTime, 1);
    EXPECT_EQ(settings.dateTimeOneLine, 0);
    EXPECT_EQ(chart.bottomBandHeight(), 55);
    EXPECT_EQ(chart.busyCount(), 0);
    EXPECT_EQ(chart.file().fromRow(), 0);
    EXPECT_EQ(chart.file().toRow(), 1);
    EXPECT_EQ(chart.file().groupView(UnitGroup::Temperature).viewMinimum, -20);
    EXPECT_EQ(chart.file().groupView(UnitGroup::Temperature).viewMaximum, 10);
    EXPECT_EQ(chart.file().groupView(UnitGroup::RelativeHumidity).viewMaximum, 4);
    for (int kind = 0; kind < kKindCount; ++kind)
        for (int channel = 0; channel < kChannelSlots; ++channel)
            ASSERT_EQ(chart.channelPen(kindAt(kind), channel).GetSafeHandle(), nullptr);
}

TEST(ChartCtrlTest, DefaultColoursStepWithTheChannelIndex)
{
    EXPECT_EQ(defaultChannelColor(ChannelKind::Temperature, 0), RGB(236, 226, 128));
    EXPECT_EQ(defaultChannelColor(ChannelKind::Temperature, 1), RGB(0, 0, 128));
    EXPECT_EQ(defaultChannelColor(ChannelKind::Pressure, 1), RGB(245, 20, 20));
    EXPECT_EQ(defaultChannelColor(ChannelKind::DewPoint, 0), RGB(255, 128, 44));
    EXPECT_EQ(defaultChannelColor(ChannelKind::RadiationWm2, 0), RGB(0, 128, 126));
    EXPECT_EQ(defaultChannelColor(ChannelKind::BinaryInput, 0), RGB(176, 160, 126));
    EXPECT_EQ(defaultChannelColor(ChannelKind::RainHeight, 10), RGB(14, 196, 14));
    EXPECT_EQ(defaultChannelColor(ChannelKind::WindSpeed, 255), RGB(64, 0, 196));
    CChartCtrl chart;
    EXPECT_EQ(chart.channelColor(ChannelKind::Pressure, 1), RGB(245, 20, 20));
}

TEST(ChartCtrlTest, LineWidthRemakesThePensOfShownChannelsOnly)
{
    CChartCtrl chart;
    loadRows(chart, 3,
             {{ChannelKind::Temperature, "A", constant(3, 0)},
              {ChannelKind::Temperature, "B", constant(3, 0)}});
    chart.file().channelView(ChannelKind::Temperature, 1).shown = false;
    chart.setChannelColor(ChannelKind::Temperature, 0, RGB(1, 2, 3));
    chart.SetLineWidth(5);
    EXPECT_EQ(chart.settings().lineWidth, 5);
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
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
    chart.SetChartTextColor(RGB(10, 20, 30));
    chart.SetChartBackColor(RGB(200, 210, 220));
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

TEST(ChartCtrlTest, TextColourLoadedStraightIntoTheSettingsAlsoDrawsTheAxes)
{
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
    chart.settings().textColor = RGB(0, 0, 0); // as the settings store loads it
    chart.settings().backColor = RGB(255, 255, 255);
    CRecordingDC dc;
    chart.RenderAsShown(dc, {0, 0, 400, 300});
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].pen.lopnColor, RGB(0, 0, 0)) << "white axes would vanish on white";
}

TEST(ChartCtrlTest, PrintingUsesPrintColoursFontsAndScaledPens)
{
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
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

TEST(ChartCtrlTest, ScreenRenderIgnoresTheRectangleAndScaleItIsGiven)
{
    CChartCtrl chart;
    loadRows(chart, 3, {{ChannelKind::Temperature, "A", constant(3, 0)}});
    CRecordingDC dc;
    chart.Render(dc, false, {0, 0, 400, 300}, 5);
    EXPECT_TRUE(dc.primitives().empty()) << "no window: an empty client rectangle";
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 0).GetSafeHandle()->lopnWidth, 2);
}

} // namespace
} // namespace zyfo::test
