// Line merging: merged lines set exactly the pixels of the lines they replace.
#include "CImageDC.h"
#include "CPen.h"
#include "LineBatch.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>

namespace zyfo::test {
namespace {

using Lines = std::vector<std::pair<CPoint, CPoint>>;

// Both ways of drawing `lines` with a pen of `width` on a 60 x 60 image; true when every
// pixel agrees.
bool samePixels(const Lines &lines, int width)
{
    CPen pen;
    pen.CreatePen(PS_SOLID, width, RGB(255, 255, 255));
    CImageDC each(60, 60);
    CImageDC batched(60, 60);
    each.SelectObject(&pen);
    batched.SelectObject(&pen);
    LineBatch batch(width);
    for (const auto &[from, to] : lines) {
        each.MoveTo(from.x, from.y);
        each.LineTo(to.x, to.y);
        batch.add(from, to);
    }
    batch.draw(batched);
    return each.image() == batched.image();
}

TEST(LineBatchTest, RandomColumnsKeepEveryPixelAtWidths1To12)
{
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> row(10, 26);
    std::uniform_int_distribution<int> count(2, 5);
    for (int width = 1; width <= 12; ++width) {
        // A few lines in one column, overlapping, touching or apart.
        for (int trial = 0; trial < 300; ++trial) {
            Lines lines;
            for (int i = count(random); i > 0; --i) {
                const int y0 = row(random);
                const int y1 = row(random);
                if (y0 != y1)
                    lines.emplace_back(CPoint{30, y0}, CPoint{30, y1});
            }
            ASSERT_TRUE(samePixels(lines, width)) << "width " << width << " trial " << trial;
        }
    }
}

} // namespace
} // namespace zyfo::test
