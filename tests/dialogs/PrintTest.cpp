// The printed page: scale factors and page rectangle for printers finer than the screen, and
// the one-page job on a recording printer.
#include "CPrinterDC.h"
#include "ChartFixture.h"
#include "ChartPrintJob.h"
#include "FileContents.h"
#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace zyfo {
namespace {

using test::constant;
using test::loadRows;

CRecordingDC::DeviceCaps printerCaps(int dpiX, int dpiY, int offsetX, int offsetY)
{
    CRecordingDC::DeviceCaps caps;
    caps.width = 4800;
    caps.height = 6600;
    caps.dpiX = dpiX;
    caps.dpiY = dpiY;
    caps.offsetX = offsetX;
    caps.offsetY = offsetY;
    return caps;
}

TEST(PrintLayout, SixHundredDpiPrinterOnNinetySixDpiScreen)
{
    const CRecordingDC printer(printerCaps(600, 600, 100, 130));
    const PrintLayout page = printLayout(printer, 96, 96);
    EXPECT_EQ(page.sx, 6);
    EXPECT_EQ(page.sy, 6);
    EXPECT_EQ(page.heading, (CPoint{300, 180}));
    // left px/6 + 60, top py/6 + 300, right HORZRES - 60 - px/6, bottom VERTRES - 60 - py/3.
    EXPECT_EQ(page.chart, (CRect{16 + 60, 21 + 300, 4800 - 60 - 16, 6600 - 60 - 43}));
}

TEST(PrintLayout, UnequalResolutionsScaleFontsAcrossAndMarginsDown)
{
    const CRecordingDC printer(printerCaps(300, 600, 90, 120));
    const PrintLayout page = printLayout(printer, 96, 96);
    EXPECT_EQ(page.sx, 3);
    EXPECT_EQ(page.sy, 6);
    EXPECT_EQ(page.heading, (CPoint{150, 180}));
    EXPECT_EQ(page.chart, (CRect{30 + 60, 20 + 300, 4800 - 60 - 30, 6600 - 60 - 40}));
}

TEST(PrintLayout, PrinterCoarserThanScreenOrUnknownResolutionPrintsAtScaleOne)
{
    const CRecordingDC coarse(printerCaps(72, 72, 10, 10));
    const PrintLayout page = printLayout(coarse, 96, 96);
    EXPECT_EQ(page.sx, 1);
    EXPECT_EQ(page.sy, 1);
    EXPECT_EQ(page.chart, (CRect{10 + 10, 10 + 50, 4800 - 10 - 10, 6600 - 10 - 20}));

    const CRecordingDC printer(printerCaps(600, 600, 0, 0));
    const PrintLayout unknownScreen = printLayout(printer, 0, 0);
    EXPECT_EQ(unknownScreen.sx, 1);
    EXPECT_EQ(unknownScreen.sy, 1);
}

class PrintJobTest : public ::testing::Test
{
protected:
    PrintJobTest()
    {
        chart.settings().lineWidth = 3;
        loadRows(chart, 40,
                 {{ChannelKind::Temperature, "RT-350 nr 1", constant(40, 21.5)},
                  {ChannelKind::Pressure, "RT-390 nr 1", constant(40, 1013.0)}});
    }

    CChartCtrl chart;
    CRecordingDC printer{printerCaps(600, 600, 100, 130)};
};

TEST_F(PrintJobTest, OnePageWithHeadingThenChartAtScaleSy)
{
    const PrintLayout page = printLayout(printer, 96, 96);
    ASSERT_TRUE(printChart(chart, printer, page, "/dane/stacja.zyd"));

    const std::vector<Primitive> &all = printer.primitives();
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(all[0].kind, Primitive::Kind::StartDoc);
    EXPECT_EQ(all[0].text, "VENTRO");
    EXPECT_EQ(all[1].kind, Primitive::Kind::StartPage);
    EXPECT_EQ(all[all.size() - 2].kind, Primitive::Kind::EndPage);
    EXPECT_EQ(all.back().kind, Primitive::Kind::EndDoc);
    EXPECT_EQ(printer.primitives(Primitive::Kind::StartPage).size(), 1u);

    const Primitive &heading = all[2];
    EXPECT_EQ(heading.kind, Primitive::Kind::Text);
    EXPECT_EQ(heading.text, "Pomiar: /dane/stacja.zyd");
    EXPECT_EQ(heading.from, (CPoint{300, 180}));
    EXPECT_EQ(heading.font.lfHeight, 72);
    EXPECT_EQ(heading.font.lfFaceName, "Arial");

    // The rest of the page is exactly what Render draws into the page rectangle at scale sy.
    CChartCtrl::BusyGuard busy(chart);
    CRecordingDC expected(printerCaps(600, 600, 100, 130));
    expected.SelectObject(&chart.printHorizontalFont());
    chart.Render(expected, true, page.chart, page.sy);
    const std::vector<Primitive> drawn(all.begin() + 3, all.end() - 2);
    EXPECT_EQ(drawn, expected.primitives());
    const auto series = test::linesOfColor(printer, chart.channelColor(ChannelKind::Pressure, 0));
    ASSERT_FALSE(series.empty());
    EXPECT_EQ(series.front().pen.lopnWidth, 6 * 3);
}

TEST_F(PrintJobTest, ScreenPensAreBackAtLineWidthAndChartNotBusyAfterwards)
{
    printChart(chart, printer, printLayout(printer, 96, 96), "plik.zyd");
    for (ChannelKind kind : {ChannelKind::Temperature, ChannelKind::Pressure}) {
        const LOGPEN *pen = chart.channelPen(kind, 0).GetSafeHandle();
        ASSERT_NE(pen, nullptr);
        EXPECT_EQ(pen->lopnWidth, 3);
    }
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 1).GetSafeHandle(), nullptr);
    EXPECT_EQ(chart.busyCount(), 0);
}

TEST_F(PrintJobTest, PrintFontsFollowSxAndMarginsFollowSy)
{
    CRecordingDC narrow(printerCaps(300, 600, 0, 0));
    printChart(chart, narrow, printLayout(narrow, 96, 96), "a.zyd");
    const auto texts = narrow.primitives(Primitive::Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().font.lfHeight, 36);
    EXPECT_EQ(texts.front().from, (CPoint{150, 180}));
    // The time labels, turned upright, use the 10 * sx font.
    const bool rotatedLabels = std::any_of(texts.begin(), texts.end(), [](const Primitive &p) {
        return p.font.lfEscapement == 900 && p.font.lfHeight == 30;
    });
    EXPECT_TRUE(rotatedLabels);
}

TEST_F(PrintJobTest, PdfPrinterGetsExactlyOnePage)
{
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("zyfo-print-" + std::to_string(getpid()) + ".pdf");
    {
        CPrinterDC pdfPrinter(pdf.string(), 600);
        const PrintLayout page = printLayout(pdfPrinter, 96, 96);
        EXPECT_EQ(page.sy, 6);
        EXPECT_TRUE(printChart(chart, pdfPrinter, page, "/dane/stacja.zyd"));
    }
    EXPECT_EQ(test::pdfPageCount(pdf), 1u);
    std::filesystem::remove(pdf);
}

TEST_F(PrintJobTest, PrinterThatCannotOpenIsReportedAndLeavesTheScreenPens)
{
    CPrinterDC pdfPrinter("/nonexistent-folder/wydruk.pdf", 600);
    EXPECT_FALSE(printChart(chart, pdfPrinter, printLayout(pdfPrinter, 96, 96), "a.zyd"));
    EXPECT_EQ(chart.channelPen(ChannelKind::Pressure, 0).GetSafeHandle()->lopnWidth, 3);
}

TEST(PrintJob, WithoutDataThePageHoldsOnlyTheHeading)
{
    CChartCtrl chart;
    CRecordingDC printer(printerCaps(600, 600, 0, 0));
    EXPECT_TRUE(printChart(chart, printer, printLayout(printer, 96, 96), ""));
    const auto texts = printer.primitives(Primitive::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts.front().text, "Pomiar: ");
    EXPECT_TRUE(printer.primitives(Primitive::Kind::Line).empty());
}

} // namespace
} // namespace zyfo
