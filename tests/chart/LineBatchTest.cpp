// Line batch: merged vertical lines set exactly the pixels of the lines they replace.
#include "LineBatch.h"
#include "CImageDC.h"
#include "CPen.h"
#include "CRecordingDC.h"

#include <QImage>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zyfo {
namespace {

using Lines = std::vector<std::pair<CPoint, CPoint>>;

void drawEach(CDC &dc, const Lines &lines)
{
    for (const auto &[from, to] : lines) {
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
    }
}

void drawBatched(CDC &dc, const Lines &lines, int penWidth)
{
    LineBatch batch(penWidth);
    for (const auto &[from, to] : lines)
        batch.add(from, to);
    batch.draw(dc);
}

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
    drawEach(each, lines);
    drawBatched(batched, lines, width);
    return each.image() == batched.image();
}

// A polyline through `count` random points whose x drifts slowly, so that most of its lines
// are vertical lines inside a few columns, as a dense series draws them.
Lines denseChain(std::mt19937 &random, int count, int top, int bottom)
{
    std::uniform_int_distribution<int> row(top, bottom);
    std::uniform_int_distribution<int> drift(0, 5);
    Lines lines;
    CPoint previous{20, row(random)};
    for (int i = 0; i < count; ++i) {
        CPoint next{previous.x + (drift(random) == 0 ? 1 : 0), row(random)};
        if (next != previous)
            lines.emplace_back(previous, next);
        previous = next;
    }
    return lines;
}

TEST(LineBatchTest, OnePixelLinesOfAColumnBecomeTheSpansOfTheirPixels)
{
    CRecordingDC dc;
    LineBatch batch(1);
    batch.add({5, 10}, {5, 14}); // sets 10..13
    batch.add({5, 14}, {5, 12}); // sets 14..13
    batch.add({5, 20}, {5, 16}); // sets 20..17
    batch.add({5, 16}, {6, 16}); // not vertical: kept
    batch.draw(dc);
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (CPoint{5, 16}));
    EXPECT_EQ(lines[0].to, (CPoint{6, 16}));
    EXPECT_EQ(lines[1].from, (CPoint{5, 10}));
    EXPECT_EQ(lines[1].to, (CPoint{5, 15}));
    EXPECT_EQ(lines[2].from, (CPoint{5, 17}));
    EXPECT_EQ(lines[2].to, (CPoint{5, 21}));
}

TEST(LineBatchTest, RoundEndedLinesJoinOnlyWhereTheyShareAPoint)
{
    CRecordingDC dc;
    LineBatch batch(3);
    batch.add({7, 30}, {7, 20});
    batch.add({7, 20}, {7, 25});
    batch.add({7, 31}, {7, 40});
    batch.add({8, 40}, {8, 41}); // the next column closes the first
    batch.draw(dc);
    const auto lines = dc.primitives(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (CPoint{7, 20}));
    EXPECT_EQ(lines[0].to, (CPoint{7, 30}));
    EXPECT_EQ(lines[1].from, (CPoint{7, 31}));
    EXPECT_EQ(lines[1].to, (CPoint{7, 40}));
    EXPECT_EQ(lines[2].from, (CPoint{8, 40}));
}

TEST(LineBatchTest, AnUnknownPenDrawsEveryLineAsAdded)
{
    CRecordingDC dc;
    LineBatch batch(-1);
    batch.add({5, 10}, {5, 14});
    batch.add({5, 14}, {5, 12});
    batch.draw(dc);
    EXPECT_EQ(dc.primitives(Primitive::Kind::Line).size(), 2u);
}

TEST(LineBatchTest, SmallColumnConfigurationsKeepEveryPixel)
{
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> row(10, 26);
    std::uniform_int_distribution<int> count(2, 5);
    for (int width = 1; width <= 12; ++width) {
        for (int trial = 0; trial < 300; ++trial) {
            Lines lines;
            const int n = count(random);
            for (int i = 0; i < n; ++i) {
                const int y0 = row(random);
                const int y1 = row(random);
                if (y0 != y1)
                    lines.emplace_back(CPoint{30, y0}, CPoint{30, y1});
            }
            ASSERT_TRUE(samePixels(lines, width)) << "width " << width << " trial " << trial;
        }
    }
}

TEST(LineBatchTest, DenseSeriesKeepEveryPixel)
{
    std::mt19937 random(1234);
    for (int width = 1; width <= 12; ++width)
        for (int trial = 0; trial < 40; ++trial)
            ASSERT_TRUE(samePixels(denseChain(random, 200, 8, 52), width))
                << "width " << width << " trial " << trial;
}

} // namespace
} // namespace zyfo
