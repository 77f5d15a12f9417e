// Drawing surfaces: exact pixels of lines, fills and text on the image surface, text layout on
// the recording surface, fonts by their Windows description.
#include "Application.h"
#include "CImageDC.h"
#include "CRecordingDC.h"

#include <QFontInfo>
#include <QImage>

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

// A white image of `width` x `height` with `font` selected and a red background colour.
struct TextImage
{
    TextImage(int width, int height, const LOGFONT &description)
        : dc(width, height)
    {
        dc.FillSolidRect(0, 0, width, height, white);
        font.CreateFontIndirect(&description);
        dc.SelectObject(&font);
        dc.SetBkColor(red);
    }
    CImageDC dc;
    CFont font;
};

class DrawingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(DrawingTest, OnePixelLinesStopShortOfTheirEndPixelInEveryDirectionAndWidePensCoverIt)
{
    struct Case
    {
        CPoint from, to, lastSet;
        int width;
    };
    const Case cases[] = {
        {{5, 5}, {15, 5}, {14, 5}, 1},
        {{15, 5}, {15, 25}, {15, 24}, 1},
        {{20, 20}, {30, 30}, {29, 29}, 1},
        {{10, 20}, {10, 5}, {10, 6}, 1},
        {{30, 30}, {20, 27}, {21, 27}, 1},
        {{35, 35}, {36, 35}, {35, 35}, 1}, // one pixel long: the chart's grid dot
        {{10, 30}, {20, 30}, {19, 30}, 0}, // pen width 0 draws one pixel wide
    };
    for (const Case &line : cases) {
        SCOPED_TRACE(testing::Message() << line.from.x << "," << line.from.y << " to " << line.to.x
                                        << "," << line.to.y);
        CImageDC dc(40, 40);
        dc.FillSolidRect(0, 0, 40, 40, white);
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, line.width, red));
        dc.SelectObject(&pen);
        dc.MoveTo(line.from.x, line.from.y);
        dc.LineTo(line.to.x, line.to.y);
        EXPECT_EQ(pixelAt(dc, line.from.x, line.from.y), red);
        EXPECT_EQ(pixelAt(dc, line.lastSet.x, line.lastSet.y), red);
        EXPECT_EQ(pixelAt(dc, line.to.x, line.to.y), white);
        EXPECT_EQ(inkBounds(dc, white), (CRect{std::min(line.from.x, line.lastSet.x),
                                               std::min(line.from.y, line.lastSet.y),
                                               std::max(line.from.x, line.lastSet.x) + 1,
                                               std::max(line.from.y, line.lastSet.y) + 1}));
    }

    // A wide pen covers the end pixel and both sides of the line.
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
}

TEST_F(DrawingTest, FontsFollowTheWindowsDescriptionAndTurnedTextRunsUpwards)
{
    EXPECT_EQ(FontResolver::qtFont(arial(12)).pixelSize(), 11) << "positive: the cell height";
    EXPECT_EQ(FontResolver::qtFont(arial(-11)).pixelSize(), 11) << "negative: em height";
    EXPECT_EQ(QFontInfo(FontResolver::qtFont(arial(12))).family(), "Liberation Sans");
    TextImage flat(100, 40, arial(12));
    CSize extent = flat.dc.GetTextExtent("Ciśnienie");
    EXPECT_EQ(extent.cy, 12);
    // Text is measured with whole-pixel advances: a longer text is never narrower.
    EXPECT_LT(flat.dc.GetTextExtent("1").cx, flat.dc.GetTextExtent("11").cx);
    flat.dc.TextOut(10, 20, "Ciśnienie");
    // Opaque mode fills exactly the text cell with the background colour.
    EXPECT_EQ(inkBounds(flat.dc, white), (CRect{10, 20, 10 + extent.cx, 20 + extent.cy}));

    // Turned 90 degrees counter-clockwise about (20, 100): the cell's top edge lies on x = 20,
    // its height extends to the right, and the text runs upwards from y = 100.
    TextImage turned(60, 120, arial(10, 900));
    extent = turned.dc.GetTextExtent("14:30:00");
    EXPECT_EQ(extent.cy, 10);
    turned.dc.TextOut(20, 100, "14:30:00");
    EXPECT_EQ(inkBounds(turned.dc, white), (CRect{20, 100 - extent.cx, 20 + extent.cy, 100}));

    // In transparent mode only the glyphs are drawn, inside that same cell; the first
    // character stands at the bottom.
    TextImage glyphs(60, 120, arial(10, 900));
    glyphs.dc.SetBkMode(TRANSPARENT);
    glyphs.dc.TextOut(20, 100, "14:30:00");
    CRect ink = inkBounds(glyphs.dc, white);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + extent.cy);
    EXPECT_GE(ink.top, 100 - extent.cx);
    EXPECT_LE(ink.bottom, 100);
    EXPECT_GT(ink.bottom, 100 - 3) << "text begins near the reference point";
}

TEST_F(DrawingTest, DrawTextCentresOrMeasuresOneLineAndIsClippedToItsRectangle)
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
    EXPECT_EQ(dc.primitives()[0].from, (CPoint{(45 - extent.cx) / 2, (25 - extent.cy) / 2}));
    EXPECT_EQ(height, (25 - extent.cy) / 2 + extent.cy);
    CRect measured{60, 0, 155, 25};
    dc.DrawText("hPa", &measured, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(measured, (CRect{60, 0, 60 + extent.cx, extent.cy}));
    EXPECT_EQ(dc.primitives().size(), 1u) << "measuring draws nothing";

    // A text wider than its rectangle overhangs both sides when centred, but is clipped.
    for (const UINT noClip : {0u, static_cast<UINT>(DT_NOCLIP)}) {
        TextImage image(100, 30, arial(12));
        CRect label{40, 5, 50, 25};
        image.dc.DrawText("-10000", &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE | noClip);
        CRect ink = inkBounds(image.dc, white);
        if (noClip != 0) {
            EXPECT_LT(ink.left, 40);
        } else {
            EXPECT_EQ(ink.left, 40);
            EXPECT_EQ(ink.right, 50);
        }
    }
}

TEST_F(DrawingTest, FillsSetTheBackgroundAndImagesCopyTheirPixels)
{
    CImageDC buffer(30, 20);
    EXPECT_EQ(pixelAt(buffer, 0, 0), black) << "a new image is black like a new bitmap";
    buffer.FillSolidRect(0, 0, 30, 20, blue);
    EXPECT_EQ(buffer.GetBkColor(), blue) << "the fill sets the background colour";
    buffer.SetPixel(3, 4, red);
    CImageDC screen(50, 50);
    EXPECT_TRUE(screen.BitBlt(10, 10, 30, 20, &buffer, 0, 0, SRCCOPY));
    EXPECT_EQ(pixelAt(screen, 13, 14), red);
    EXPECT_EQ(inkBounds(screen, black), (CRect{10, 10, 40, 30}));
}

} // namespace
} // namespace zyfo
