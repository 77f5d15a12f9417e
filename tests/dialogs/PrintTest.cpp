// The printed page: scale factors and page rectangle for printers finer than the screen, and
// the one-page job on a recording printer and a PDF printer.
#include "CPrinterDC.h"
#include "ChartFixture.h"
#include "ChartPrintJob.h"
#include "FileContents.h"
#include "PrintLayout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace zyfo {
namespace {

CRecordingDC::DeviceCaps printerCaps(int dpiX, int dpiY)
{
    return {4800, 6600, dpiX, dpiY, 100, 130};
}

TEST(PrintLayout, ScaleAndPageRectangleFollowThePrinterOverTheScreenAndScaleIsNeverZero)
{
    struct Case
    {
        int dpiX, dpiY, screenDpi, sx, sy;
        CRect chart;
    };
    // Chart: left px/sx + 10sy, top py/sy + 50sy, right HORZRES - 10sy - px/sx, bottom
    // VERTRES - 10sy - 2py/sy; offsets px 100, py 130.
    const Case cases[] = {
        {600, 600, 96, 6, 6, {76, 321, 4724, 6497}},
        {300, 600, 96, 3, 6, {93, 321, 4707, 6497}},
        {600, 600, 0, 1, 1, {110, 180, 4690, 6330}}, // an unknown screen
    };
    for (const Case &c : cases) {
        const CRecordingDC printer(printerCaps(c.dpiX, c.dpiY));
        const PrintLayout page = printLayout(printer, c.screenDpi, c.screenDpi);
        EXPECT_EQ(page.sx, c.sx) << c.dpiX;
        EXPECT_EQ(page.sy, c.sy) << c.dpiX;
        EXPECT_EQ(page.chart, c.chart) << c.dpiX;
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

    CChartCtrl chart;
    CRecordingDC printer{printerCaps(600, 600)};
};

TEST_F(PrintJobTest, OnePageWithHeadingThenTheScreenChartAtScaleSyThenTheScreenPensBack)
{
    const PrintLayout page = printLayout(printer, 96, 96);
    ASSERT_TRUE(printChart(chart, printer, page, "/dane/stacja.zyd"));
    EXPECT_EQ(chart.channelPen(ChannelKind::Pressure, 0).GetSafeHandle()->lopnWidth, 3)
        << "the screen pens are back";
    const std::vector<Primitive> &all = printer.primitives();
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(printer.primitives(Primitive::Kind::StartPage).size(), 1u);
    EXPECT_EQ(all[2].text, "Pomiar: /dane/stacja.zyd");

    // The rest of the page is exactly what Render draws into the page rectangle at scale sy.
    CChartCtrl::BusyGuard busy(chart);
    CRecordingDC expected(printerCaps(600, 600));
    expected.SelectObject(&chart.printHorizontalFont());
    chart.Render(expected, true, page.chart, page.sy);
    EXPECT_EQ(std::vector<Primitive>(all.begin() + 3, all.end() - 2), expected.primitives());
}

TEST_F(PrintJobTest, APdfPrinterGetsExactlyOnePage)
{
    const auto pdf = std::filesystem::temp_directory_path() /
                     ("zyfo-print-" + std::to_string(getpid()) + ".pdf");
    {
        CPrinterDC pdfPrinter(pdf.string(), 600);
        EXPECT_TRUE(printChart(chart, pdfPrinter, printLayout(pdfPrinter, 96, 96), "a.zyd"));
    }
    EXPECT_EQ(test::pdfPageCount(pdf), 1u);
    std::filesystem::remove(pdf);
}

} // namespace
} // namespace zyfo
