// Drawing surfaces: exact pixels of lines, fills and text on the image surface, text layout on
// the recording surface, fonts by their Windows description.
#include "Application.h"
#include "CImageDC.h"
#include "CRecordingDC.h"

#include <QFontInfo>
#include <QImage>
#include <QTemporaryDir>

#include "FontResolver.h"

#include <gtest/gtest.h>

namespace zyfo {
namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);

COLORREF pixelAt(const CImageDC &dc, int x, int y)
{
    QRgb rgb = dc.image().pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Bounding box of the pixels that differ from `background`; empty when there are none.
CRect inkBounds(const CImageDC &dc, COLORREF background)
{
    CRect box{dc.image().width(), dc.image().height(), 0, 0};
    for (int y = 0; y < dc.image().height(); ++y)
        for (int x = 0; x < dc.image().width(); ++x)
            if (pixelAt(dc, x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

LOGFONT arial(int height, int escapement = 0)
{
    LOGFONT font;
    font.lfHeight = height;
    font.lfWeight = FW_MEDIUM;
    font.lfEscapement = escapement;
    font.lfOrientation = escapement;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfFaceName = "Arial";
    return font;
}

class DrawingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(DrawingTest, OnePixelLinesStopShortOfTheirEndPixel)
{
    CImageDC dc(40, 40);
    dc.FillSolidRect(0, 0, 40, 40, white);
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, red));
    dc.SelectObject(&pen);

    dc.MoveTo(5, 5);
    dc.LineTo(15, 5); // horizontal
    for (int x = 5; x < 15; ++x)
        EXPECT_EQ(pixelAt(dc, x, 5), red) << x;
    EXPECT_EQ(pixelAt(dc, 15, 5), white);
    EXPECT_EQ(pixelAt(dc, 4, 5), white);

    dc.LineTo(15, 25); // vertical, continuing from the previous end
    EXPECT_EQ(pixelAt(dc, 15, 5), red);
    EXPECT_EQ(pixelAt(dc, 15, 24), red);
    EXPECT_EQ(pixelAt(dc, 15, 25), white);

    dc.MoveTo(20, 20);
    dc.LineTo(30, 30); // diagonal
    EXPECT_EQ(pixelAt(dc, 20, 20), red);
    EXPECT_EQ(pixelAt(dc, 29, 29), red);
    EXPECT_EQ(pixelAt(dc, 30, 30), white);

    // A move and a line one pixel long set exactly one pixel: the chart's grid dot.
    dc.MoveTo(35, 35);
    dc.LineTo(36, 35);
    EXPECT_EQ(inkBounds(dc, white).right, 36);
    EXPECT_EQ(pixelAt(dc, 35, 35), red);
    EXPECT_EQ(pixelAt(dc, 36, 35), white);
}

TEST_F(DrawingTest, OnePixelLinesRunningUpOrLeftStopShortOfTheirOwnEnd)
{
    CImageDC dc(40, 40);
    dc.FillSolidRect(0, 0, 40, 40, white);
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, red));
    dc.SelectObject(&pen);

    dc.MoveTo(10, 20);
    dc.LineTo(10, 5); // upwards: sets 20..6
    EXPECT_EQ(pixelAt(dc, 10, 20), red);
    EXPECT_EQ(pixelAt(dc, 10, 6), red);
    EXPECT_EQ(pixelAt(dc, 10, 5), white);

    dc.MoveTo(30, 30);
    dc.LineTo(20, 27); // left and up: the start is set, the end is not
    EXPECT_EQ(pixelAt(dc, 30, 30), red);
    EXPECT_EQ(pixelAt(dc, 20, 27), white);
    EXPECT_EQ(inkBounds(dc, white), (CRect{10, 6, 31, 31}));
}

TEST_F(DrawingTest, PolyPolylineDrawsEachLineAsLineToDoes)
{
    const std::vector<CPoint> points = {{5, 5},  {30, 12}, {30, 12}, {8, 30}, {8, 30},
                                        {8, 30}, {20, 36}, {36, 20}, {36, 3}, {3, 3}};
    const std::vector<DWORD> counts = {2, 4, 4};
    for (const int width : {1, 3}) {
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, width, red));
        CImageDC lines(40, 40);
        CImageDC batch(40, 40);
        lines.SelectObject(&pen);
        batch.SelectObject(&pen);
        std::size_t first = 0;
        for (const DWORD count : counts) {
            lines.MoveTo(points[first].x, points[first].y);
            for (std::size_t i = first + 1; i < first + count; ++i)
                lines.LineTo(points[i].x, points[i].y);
            first += count;
        }
        batch.MoveTo(1, 2);
        EXPECT_TRUE(batch.PolyPolyline(points.data(), counts.data(), 3));
        EXPECT_TRUE(batch.image() == lines.image()) << "width " << width;
        EXPECT_EQ(batch.MoveTo(0, 0), (CPoint{1, 2})) << "the current position stays";
    }

    CRecordingDC recording;
    EXPECT_TRUE(recording.PolyPolyline(points.data(), counts.data(), 3));
    EXPECT_EQ(recording.primitives(Primitive::Kind::Line).size(), 5u) << "none of no length";
    const DWORD single = 1;
    EXPECT_FALSE(recording.PolyPolyline(points.data(), &single, 1));
    EXPECT_FALSE(recording.PolyPolyline(nullptr, counts.data(), 1));
    EXPECT_EQ(recording.primitives().size(), 5u);
}

TEST_F(DrawingTest, WidePensCoverTheirEndsAndPenZeroDrawsOnePixel)
{
    CImageDC dc(40, 40);
    dc.FillSolidRect(0, 0, 40, 40, white);
    CPen wide;
    ASSERT_TRUE(wide.CreatePen(PS_SOLID, 4, blue));
    dc.SelectObject(&wide);
    dc.MoveTo(10, 10);
    dc.LineTo(30, 10);
    EXPECT_EQ(pixelAt(dc, 30, 10), blue);
    EXPECT_EQ(pixelAt(dc, 20, 9), blue);
    EXPECT_EQ(pixelAt(dc, 20, 11), blue);

    CPen thin;
    ASSERT_TRUE(thin.CreatePen(PS_SOLID, 0, red));
    dc.SelectObject(&thin);
    dc.MoveTo(10, 30);
    dc.LineTo(20, 30);
    EXPECT_EQ(pixelAt(dc, 10, 30), red);
    EXPECT_EQ(pixelAt(dc, 19, 30), red);
    EXPECT_EQ(pixelAt(dc, 20, 30), white);
    EXPECT_EQ(pixelAt(dc, 15, 29), white);
    EXPECT_EQ(pixelAt(dc, 15, 31), white);
}

TEST_F(DrawingTest, FillsAndPixelsSetExactlyTheirPixels)
{
    CImageDC dc(20, 20);
    EXPECT_EQ(pixelAt(dc, 0, 0), black) << "a new image is black like a new bitmap";
    CRect rect{2, 3, 7, 9};
    dc.FillSolidRect(&rect, red);
    EXPECT_EQ(inkBounds(dc, black), rect);
    EXPECT_EQ(dc.GetBkColor(), red) << "the fill sets the background colour";

    dc.SetPixel(12, 15, blue);
    EXPECT_EQ(pixelAt(dc, 12, 15), blue);
    EXPECT_EQ(pixelAt(dc, 13, 15), black);

    CRect inverted{10, 10, 5, 5};
    dc.FillSolidRect(&inverted, white);
    EXPECT_EQ(pixelAt(dc, 7, 7), black);
}

TEST_F(DrawingTest, FontsFollowTheWindowsDescription)
{
    CRecordingDC dc;
    CFont twelve;
    LOGFONT description = arial(12);
    ASSERT_TRUE(twelve.CreateFontIndirect(&description));
    dc.SelectObject(&twelve);
    EXPECT_EQ(dc.GetTextExtent("Temperatura").cy, 12) << "a positive height is the cell height";

    CFont ten;
    description = arial(10, 900);
    ASSERT_TRUE(ten.CreateFontIndirect(&description));
    dc.SelectObject(&ten);
    EXPECT_EQ(dc.GetTextExtent("2006.12.05").cy, 10);

    EXPECT_EQ(FontResolver::qtFont(arial(12)).pixelSize(), 11);
    EXPECT_EQ(FontResolver::qtFont(arial(-11)).pixelSize(), 11) << "negative: em height";
    EXPECT_EQ(QFontInfo(FontResolver::qtFont(arial(12))).family(), "Liberation Sans");

    // Text is measured with whole-pixel advances: a longer text is never narrower.
    EXPECT_LT(dc.GetTextExtent("1").cx, dc.GetTextExtent("11").cx);
}

TEST_F(DrawingTest, HorizontalTextCellStartsAtTheReferencePoint)
{
    CImageDC dc(100, 40);
    dc.FillSolidRect(0, 0, 100, 40, white);
    CFont font;
    LOGFONT description = arial(12);
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    dc.SetBkColor(red);
    CSize extent = dc.GetTextExtent("Ciśnienie");
    dc.TextOut(10, 20, "Ciśnienie");
    // Opaque mode fills exactly the text cell with the background colour.
    EXPECT_EQ(inkBounds(dc, white), (CRect{10, 20, 10 + extent.cx, 20 + extent.cy}));
    EXPECT_EQ(pixelAt(dc, 10, 20), red);
    EXPECT_EQ(pixelAt(dc, 10 + extent.cx - 1, 20 + extent.cy - 1), red);
}

TEST_F(DrawingTest, TurnedTextRunsUpwardsFromTheReferencePoint)
{
    CImageDC dc(60, 120);
    dc.FillSolidRect(0, 0, 60, 120, white);
    CFont font;
    LOGFONT description = arial(10, 900);
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    dc.SetBkColor(red);
    CSize extent = dc.GetTextExtent("14:30:00");
    dc.TextOut(20, 100, "14:30:00");
    // Turned 90 degrees counter-clockwise about (20, 100): the cell's top edge lies on x = 20,
    // its height extends to the right, and the text runs upwards from y = 100.
    EXPECT_EQ(inkBounds(dc, white), (CRect{20, 100 - extent.cx, 20 + extent.cy, 100}));

    // In transparent mode only the glyphs are drawn, inside that same cell; the first
    // character stands at the bottom.
    CImageDC glyphs(60, 120);
    glyphs.FillSolidRect(0, 0, 60, 120, white);
    glyphs.SelectObject(&font);
    glyphs.SetBkMode(TRANSPARENT);
    glyphs.TextOut(20, 100, "14:30:00");
    CRect ink = inkBounds(glyphs, white);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + extent.cy);
    EXPECT_GE(ink.top, 100 - extent.cx);
    EXPECT_LE(ink.bottom, 100);
    EXPECT_GT(ink.bottom, 100 - 3) << "text begins near the reference point";
}

TEST_F(DrawingTest, DrawTextPlacesAndMeasuresOneLine)
{
    CRecordingDC dc;
    CFont font;
    LOGFONT description = arial(12);
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    CSize extent = dc.GetTextExtent("hPa");

    CRect caption{0, 0, 45, 25};
    int height = dc.DrawText("hPa", &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ASSERT_EQ(dc.primitives().size(), 1u);
    const Primitive &text = dc.primitives()[0];
    EXPECT_EQ(text.kind, Primitive::Kind::DrawText);
    EXPECT_EQ(text.from, (CPoint{(45 - extent.cx) / 2, (25 - extent.cy) / 2}));
    EXPECT_EQ(text.rect, caption);
    EXPECT_EQ(height, (25 - extent.cy) / 2 + extent.cy);

    CRect measured{60, 0, 155, 25};
    dc.DrawText("hPa", &measured, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(measured, (CRect{60, 0, 60 + extent.cx, extent.cy}));
    EXPECT_EQ(dc.primitives().size(), 1u) << "measuring draws nothing";

    // A text wider than its rectangle overhangs both sides when centred.
    CRect narrow{10, 0, 12, 25};
    dc.DrawText("hPa", &narrow, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(dc.primitives().back().from.x, 10 + (2 - extent.cx) / 2);
}

TEST_F(DrawingTest, DrawTextIsClippedToItsRectangle)
{
    CImageDC dc(100, 30);
    dc.FillSolidRect(0, 0, 100, 30, white);
    CFont font;
    LOGFONT description = arial(12);
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    dc.SetBkColor(red);
    CRect label{40, 5, 50, 25};
    dc.DrawText("-10000", &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CRect ink = inkBounds(dc, white);
    EXPECT_EQ(ink.left, 40);
    EXPECT_EQ(ink.right, 50);

    CRect unclipped{40, 5, 50, 25};
    dc.FillSolidRect(0, 0, 100, 30, white);
    dc.SetBkColor(red);
    dc.DrawText("-10000", &unclipped, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_LT(inkBounds(dc, white).left, 40);
}

TEST_F(DrawingTest, SelectionKeepsCopiesAndRefusesEmptyWrappers)
{
    CRecordingDC dc;
    CPen red1;
    red1.CreatePen(PS_SOLID, 1, red);
    CPen *stock = dc.SelectObject(&red1);
    ASSERT_NE(stock, nullptr);
    CPen empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.SelectObject(&red1), &red1) << "the empty pen left red selected";

    red1.DeleteObject(); // a selected pen stays in use until another is selected
    dc.MoveTo(0, 0);
    dc.LineTo(5, 0);
    ASSERT_EQ(dc.primitives().size(), 1u);
    EXPECT_EQ(dc.primitives()[0].pen, (LOGPEN{PS_SOLID, 1, red}));

    CPen pen;
    EXPECT_FALSE(pen.CreatePen(5, 1, red)) << "only solid pens";
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, -1, red));
    EXPECT_TRUE(pen.CreatePen(PS_SOLID, 2, blue));
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 3, blue)) << "a pen is deleted before it is remade";
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_FALSE(pen.DeleteObject());

    CFont font;
    LOGFONT longName = arial(12);
    longName.lfFaceName = std::string(32, 'x');
    EXPECT_FALSE(font.CreateFontIndirect(&longName));
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
    EXPECT_EQ(font.GetSafeHandle(), nullptr);
}

TEST_F(DrawingTest, RecordingSurfaceKeepsStateWithEachPrimitive)
{
    CRecordingDC dc({4960, 7015, 600, 600, 100, 120});
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 4960);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETY), 120);

    EXPECT_GT(dc.StartDoc("VENTRO"), 0);
    dc.StartPage();
    dc.SetTextColor(blue);
    dc.FillSolidRect(0, 0, 10, 10, red);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(300, 180, "Pomiar: /tmp/a.zyd");
    dc.SetPixel(1, 2, blue);
    dc.EndPage();
    dc.EndDoc();

    const auto &all = dc.primitives();
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all[0].text, "VENTRO");
    EXPECT_EQ(all[2].rect, (CRect{0, 0, 10, 10}));
    EXPECT_EQ(all[3].kind, Primitive::Kind::Text);
    EXPECT_EQ(all[3].from, (CPoint{300, 180}));
    EXPECT_EQ(all[3].color, blue);
    EXPECT_FALSE(all[3].opaque);
    EXPECT_EQ(all[3].bkColor, red) << "the fill set the background colour";
    EXPECT_EQ(all[4].from, (CPoint{1, 2}));
    EXPECT_EQ(dc.primitives(Primitive::Kind::EndDoc).size(), 1u);

    CImageDC image(10, 10);
    EXPECT_EQ(image.StartDoc("VENTRO"), SP_ERROR) << "an image is not a printer";
    EXPECT_EQ(image.SetBkMode(7), 0);
    EXPECT_EQ(image.GetBkMode(), OPAQUE);
}

TEST_F(DrawingTest, ImagesCopyAndSaveTheirPixels)
{
    CImageDC buffer(30, 20);
    buffer.FillSolidRect(0, 0, 30, 20, blue);
    buffer.SetPixel(3, 4, red);
    CImageDC screen(50, 50);
    EXPECT_TRUE(screen.BitBlt(10, 10, 30, 20, &buffer, 0, 0, SRCCOPY));
    EXPECT_EQ(pixelAt(screen, 13, 14), red);
    EXPECT_EQ(inkBounds(screen, black), (CRect{10, 10, 40, 30}));
    EXPECT_FALSE(screen.BitBlt(0, 0, 5, 5, &buffer, 0, 0, 0x00EE0086));

    QTemporaryDir dir;
    std::string path = dir.filePath("chart.png").toStdString();
    ASSERT_TRUE(screen.SaveImage(path));
    QImage loaded(QString::fromStdString(path));
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), screen.image());
    EXPECT_FALSE(screen.SaveImage(dir.filePath("missing/x.png").toStdString()));
}

} // namespace
} // namespace zyfo
