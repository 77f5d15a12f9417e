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
#include <utility>

namespace zyfo {
namespace {

CRecordingDC::DeviceCaps printerCaps(int dpiX, int dpiY)
{
    return {4800, 6600, dpiX, dpiY, 100, 130};
}

// Printers finer than the screen are checked by the print job below; an unknown screen and a
// printer coarser than the screen print at scale 1: chart left px + 10, top py + 50, right
// HORZRES - 10 - px, bottom VERTRES - 10 - 2 py with offsets px 100, py 130.
TEST(PrintLayout, AnUnknownScreenOrACoarserPrinterPrintsAtScaleOne)
{
    for (const auto &[printerDpi, screenDpi] : {std::pair{600, 0}, std::pair{72, 96}}) {
        const CRecordingDC printer(printerCaps(printerDpi, printerDpi));
        const PrintLayout page = printLayout(printer, screenDpi, screenDpi);
        EXPECT_EQ(page.sx, 1) << printerDpi;
        EXPECT_EQ(page.sy, 1) << printerDpi;
        EXPECT_EQ(page.chart, (CRect{110, 180, 4690, 6330})) << printerDpi;
    }
}

class PrintJobTest : public ::testing::Test
{
protected:
    PrintJobTest()
    {
        chart.settings().lineWidth = 3;
        test::loadRows(chart, 40,
                       {{ChannelKind::Temperature, "RT-350 nr 1", test::constant(40, 0)},
                        {ChannelKind::Pressure, "RT-390 nr 1", test::constant(40, 1013.0)}});
    }

    CChartCtrl chart;
};

TEST_F(PrintJobTest, OnePageWithTheHeadingAndTheChartLaidOutForThePrinter)
{
    // Printers of 4800 x 6600 dots with offsets 100, 130 and a 96 dpi screen. sy = 6 on both:
    // the page's top 130 / 6 + 300 = 321 and bottom 6600 - 60 - 260 / 6 = 6497; the plot band
    // runs from 321 + 180 = 501 to 6497 - 6 * 55 = 6167; the bands of the two axes, 150 wide,
    // start at left + 60 and axesEnd is left + 360.
    struct Case
    {
        int dpiX;
        CPoint heading; // (50 sx, 30 sy)
        int horizontalFont, verticalFont;
        CRect page;
        CRect caption; // of the temperature axis: its band widened by 10 units, 25 sy high
        int axesEnd;
        int dateX, timeX; // of row 3
    };
    const Case cases[] = {
        // sx = 6: fonts 72 and 60; left 100 / 6 + 60, right 4800 - 60 - 16. The 39 rows share
        // W = 4724 - 60 - 436 = 4228, q = 108.4 < 24 * 6: labels on every third row; row 3 at
        // X = 761.2, the date at X - 72 and the time at X - 12.
        {600, {300, 180}, 72, 60, {76, 321, 4724, 6497}, {126, 321, 296, 471}, 436, 689, 749},
        // sx = 3: fonts 36 and 30, left 100 / 3 + 60, right 4800 - 60 - 33; the margins and all
        // the rest follow sy. W = 4194, q = 107.5, row 3 at X = 775.6.
        {300, {150, 180}, 36, 30, {93, 321, 4707, 6497}, {143, 321, 313, 471}, 453, 703, 763},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dpiX);
        CRecordingDC printer{printerCaps(c.dpiX, 600)};
        ASSERT_TRUE(printChart(chart, printer, printLayout(printer, 96, 96), "/dane/stacja.zyd"));
        EXPECT_EQ(chart.channelPen(ChannelKind::Pressure, 0).GetSafeHandle()->lopnWidth, 3)
            << "the screen pens are back";
        const std::vector<Primitive> &all = printer.primitives();
        ASSERT_GE(all.size(), 5u);
        EXPECT_EQ(all.front().kind, Primitive::Kind::StartDoc);
        EXPECT_EQ(all.front().text, "VENTRO");
        EXPECT_EQ(printer.primitives(Primitive::Kind::StartPage).size(), 1u);
        EXPECT_EQ(all[all.size() - 2].kind, Primitive::Kind::EndPage);
        EXPECT_EQ(all.back().kind, Primitive::Kind::EndDoc);

        const auto texts = printer.primitives(Primitive::Kind::Text);
        ASSERT_EQ(texts.size(), 1u + 14u * 2u); // the heading, then rows 0, 3, ..., 39
        EXPECT_EQ(texts[0].text, "Pomiar: /dane/stacja.zyd");
        EXPECT_EQ(texts[0].from, c.heading);
        EXPECT_EQ(texts[0].font.lfHeight, c.horizontalFont);
        EXPECT_EQ(texts[3].from, (CPoint{c.dateX, 6492}));
        EXPECT_EQ(texts[4].text, "00:03:00");
        EXPECT_EQ(texts[4].from, (CPoint{c.timeX, 6492}));
        EXPECT_EQ(texts[4].font.lfHeight, c.verticalFont);

        const auto fills = printer.primitives(Primitive::Kind::Fill);
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0].rect, c.page);
        EXPECT_EQ(fills[0].color, RGB(255, 255, 255));
        const auto drawn = printer.primitives(Primitive::Kind::DrawText);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn[0].text, "°C");
        EXPECT_EQ(drawn[0].rect, c.caption);
        EXPECT_EQ(drawn[0].font.lfHeight, c.horizontalFont);
        EXPECT_EQ(drawn[0].color, RGB(0, 0, 0));
        // The first legend caption from axesEnd + 15 s + 10 s, in a band 25 s high.
        const auto caption = std::find_if(drawn.begin(), drawn.end(), [](const Primitive &p) {
            return p.format == (DT_SINGLELINE | DT_VCENTER);
        });
        ASSERT_NE(caption, drawn.end());
        EXPECT_EQ(caption->text, "Temperatura RT-350 nr 1");
        EXPECT_EQ(caption->rect.left, c.axesEnd + 150);
        EXPECT_EQ(caption->rect.top, 321);
        EXPECT_EQ(caption->rect.bottom, 471);

        // The time axis one unit under the plot band; the legend's first stroke 60 long from
        // axesEnd + 60 at top + 72; the temperature at 0 on -20..10: y = 6167 - trunc(20 *
        // 5666 / 30) = 2390, from x = axesEnd + 1. Channel pens are 3 * 6 wide.
        const CPoint stroke{c.axesEnd + 60, 321 + 72};
        int axisLines = 0;
        int strokes = 0;
        std::vector<Primitive> series;
        for (const Primitive &line : printer.primitives(Primitive::Kind::Line)) {
            axisLines +=
                line.from == CPoint{c.axesEnd, 6168} && line.to == CPoint{c.page.right, 6168};
            if (line.pen.lopnColor != RGB(236, 226, 128))
                continue;
            EXPECT_EQ(line.pen.lopnWidth, 18);
            if (line.from == stroke && line.to == CPoint{stroke.x + 60, stroke.y})
                ++strokes;
            else
                series.push_back(line);
        }
        EXPECT_EQ(axisLines, 1);
        EXPECT_EQ(strokes, 1);
        ASSERT_FALSE(series.empty());
        EXPECT_EQ(series[0].from, (CPoint{c.axesEnd + 1, 2390}));
        for (const Primitive &line : series)
            EXPECT_EQ(line.to.y, 2390);
    }
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
