// The image surface's exact pixels: line ends, wide pens and turned text.
#include "Application.h"
#include "CImageDC.h"

#include <QImage>

#include <gtest/gtest.h>

namespace zyfo {
namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF red = RGB(255, 0, 0);

COLORREF pixelAt(const CImageDC &dc, int x, int y)
{
    QRgb rgb = dc.image().pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

// Bounding box of the pixels that are not white.
CRect inkBounds(const CImageDC &dc)
{
    CRect box{dc.image().width(), dc.image().height(), 0, 0};
    for (int y = 0; y < dc.image().height(); ++y)
        for (int x = 0; x < dc.image().width(); ++x)
            if (pixelAt(dc, x, y) != white)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

class DrawingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override { dc.FillSolidRect(0, 0, 60, 120, white); }

    CImageDC dc{60, 120};
};

TEST_F(DrawingTest, OnePixelLinesStopOnePixelShortAndWidePensCoverTheEnd)
{
    struct Case
    {
        CPoint from, to;
        int width;
        CRect ink;
    };
    const Case cases[] = {
        {{5, 5}, {15, 5}, 1, {5, 5, 15, 6}},
        {{10, 20}, {10, 5}, 0, {10, 6, 11, 21}}, // upwards; width 0 draws one pixel wide
        {{30, 30}, {20, 27}, 1, {21, 27, 31, 31}},
        {{35, 35}, {36, 35}, 1, {35, 35, 36, 36}}, // one pixel long: the chart's grid dot
    };
    for (const Case &line : cases) {
        dc.FillSolidRect(0, 0, 60, 120, white);
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, line.width, red));
        dc.SelectObject(&pen);
        dc.MoveTo(line.from.x, line.from.y);
        dc.LineTo(line.to.x, line.to.y);
        EXPECT_EQ(inkBounds(dc), line.ink) << line.to.x << "," << line.to.y;
    }
    CPen wide;
    ASSERT_TRUE(wide.CreatePen(PS_SOLID, 4, red));
    dc.SelectObject(&wide);
    dc.MoveTo(10, 50);
    dc.LineTo(30, 50);
    for (const CPoint covered : {CPoint{30, 50}, CPoint{20, 49}, CPoint{20, 51}})
        EXPECT_EQ(pixelAt(dc, covered.x, covered.y), red) << covered.x << "," << covered.y;
}

TEST_F(DrawingTest, TurnedTextRunsUpwardsFromItsReferencePoint)
{
    LOGFONT description;
    description.lfHeight = 10;
    description.lfEscapement = 900;
    description.lfOrientation = 900;
    description.lfFaceName = "Arial";
    CFont font;
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    dc.SetBkColor(red);
    const CSize extent = dc.GetTextExtent("14:30:00");
    EXPECT_EQ(extent.cy, 10);
    // The cell's top edge lies on x = 20 and the text runs upwards from y = 100.
    dc.TextOut(20, 100, "14:30:00");
    EXPECT_EQ(inkBounds(dc), (CRect{20, 100 - extent.cx, 20 + extent.cy, 100}));
}

} // namespace
} // namespace zyfo
