// The printed page: scale factors and page rectangle for printers finer than the screen, and
// the one-page job on a recording printer and a PDF printer.
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

CRecordingDC::DeviceCaps printerCaps(int dpiX, int dpiY, int offsetX, int offsetY)
{
    return {4800, 6600, dpiX, dpiY, offsetX, offsetY};
}

TEST(PrintLayout, ScaleAndPageRectangleFollowThePrinterOverTheScreen)
{
    struct Case
    {
        int dpiX, dpiY, offsetX, offsetY, screenDpi, sx, sy;
        CPoint heading;
        CRect chart;
    };
    // Chart: left px/sx + 10sy, top py/sy + 50sy, right HORZRES - 10sy - px/sx, bottom
    // VERTRES - 10sy - 2py/sy.
    const Case cases[] = {
        {600,
         600,
         100,
         130,
         96,
         6,
         6,
         {300, 180},
         {16 + 60, 21 + 300, 4800 - 60 - 16, 6600 - 60 - 43}},
        {300,
         600,
         90,
         120,
         96,
         3,
         6,
         {150, 180},
         {30 + 60, 20 + 300, 4800 - 60 - 30, 6600 - 60 - 40}},
        // Coarser than the screen, or an unknown screen: scale one, never zero.
        {72, 72, 10, 10, 96, 1, 1, {50, 30}, {10 + 10, 10 + 50, 4800 - 10 - 10, 6600 - 10 - 20}},
        {600, 600, 0, 0, 0, 1, 1, {50, 30}, {10, 50, 4800 - 10, 6600 - 10}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpiX << " x " << c.dpiY << " on " << c.screenDpi);
        const CRecordingDC printer(printerCaps(c.dpiX, c.dpiY, c.offsetX, c.offsetY));
        const PrintLayout page = printLayout(printer, c.screenDpi, c.screenDpi);
        EXPECT_EQ(page.sx, c.sx);
        EXPECT_EQ(page.sy, c.sy);
        EXPECT_EQ(page.heading, c.heading);
        EXPECT_EQ(page.chart, c.chart);
    }
}

class PrintJobTest : public ::testing::Test
{
protected:
    PrintJobTest()
    {
        chart.settings().lineWidth = 3;
        test::loadRows(chart, 40,
                       {{ChannelKind::Temperature, "RT-350 nr 1", test::constant(40, 21.5)},
                        {ChannelKind::Pressure, "RT-390 nr 1", test::constant(40, 1013.0)}});
    }

    void expectScreenPens()
    {
        for (ChannelKind kind : {ChannelKind::Temperature, ChannelKind::Pressure}) {
            const LOGPEN *pen = chart.channelPen(kind, 0).GetSafeHandle();
            ASSERT_NE(pen, nullptr);
            EXPECT_EQ(pen->lopnWidth, 3);
        }
        EXPECT_EQ(chart.busyCount(), 0);
    }

    CChartCtrl chart;
    CRecordingDC printer{printerCaps(600, 600, 100, 130)};
};

TEST_F(PrintJobTest, OnePageWithHeadingThenTheScreenChartAtScaleSyThenTheScreenPensBack)
{
    const PrintLayout page = printLayout(printer, 96, 96);
    ASSERT_TRUE(printChart(chart, printer, page, "/dane/stacja.zyd"));
    expectScreenPens();
    const std::vector<Primitive> &all = printer.primitives();
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(all[0].kind, Primitive::Kind::StartDoc);
    EXPECT_EQ(all[0].text, "VENTRO");
    EXPECT_EQ(all[1].kind, Primitive::Kind::StartPage);
    EXPECT_EQ(all[all.size() - 2].kind, Primitive::Kind::EndPage);
    EXPECT_EQ(all.back().kind, Primitive::Kind::EndDoc);
    EXPECT_EQ(printer.primitives(Primitive::Kind::StartPage).size(), 1u);
    const Primitive &heading = all[2];
    EXPECT_EQ(heading.text, "Pomiar: /dane/stacja.zyd");
    EXPECT_EQ(heading.from, (CPoint{300, 180}));
    EXPECT_EQ(heading.font.lfHeight, 72);

    // The rest of the page is exactly what Render draws into the page rectangle at scale sy.
    {
        CChartCtrl::BusyGuard busy(chart);
        CRecordingDC expected(printerCaps(600, 600, 100, 130));
        expected.SelectObject(&chart.printHorizontalFont());
        chart.Render(expected, true, page.chart, page.sy);
        EXPECT_EQ(std::vector<Primitive>(all.begin() + 3, all.end() - 2), expected.primitives());
    }
    const auto series = test::linesOfColor(printer, chart.channelColor(ChannelKind::Pressure, 0));
    ASSERT_FALSE(series.empty());
    EXPECT_EQ(series.front().pen.lopnWidth, 6 * 3);
    EXPECT_EQ(chart.channelPen(ChannelKind::Temperature, 1).GetSafeHandle(), nullptr);
}

TEST_F(PrintJobTest, PrintFontsFollowSx)
{
    CRecordingDC narrow(printerCaps(300, 600, 0, 0));
    printChart(chart, narrow, printLayout(narrow, 96, 96), "a.zyd");
    const auto texts = narrow.primitives(Primitive::Kind::Text);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().font.lfHeight, 36);
    // The time labels, turned upright, use the 10 * sx font.
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const Primitive &p) {
        return p.font.lfEscapement == 900 && p.font.lfHeight == 30;
    }));
}

TEST_F(PrintJobTest, APdfPrinterGetsExactlyOnePageAndOneThatCannotOpenIsReported)
{
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("zyfo-print-" + std::to_string(getpid()) + ".pdf");
    {
        CPrinterDC pdfPrinter(pdf.string(), 600);
        EXPECT_TRUE(printChart(chart, pdfPrinter, printLayout(pdfPrinter, 96, 96), "a.zyd"));
    }
    EXPECT_EQ(test::pdfPageCount(pdf), 1u);
    std::filesystem::remove(pdf);

    CPrinterDC nowhere("/nonexistent-folder/wydruk.pdf", 600);
    EXPECT_FALSE(printChart(chart, nowhere, printLayout(nowhere, 96, 96), "a.zyd"));
    expectScreenPens();
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
