#include <gtest/gtest.h>

#include "gfx/Canvas.h"

using namespace gfx;

namespace {

int CountColour(const Bitmap& b, Colour c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, y) == c;
    return n;
}

constexpr Colour kViolet = Rgb(116, 58, 249);

}  // namespace

// The pieces of the worked link example: A (2, 3) up, along row 1, down into B (2, 6).
TEST(CanvasTest, LinkRectanglesHaveExactExtents) {
    Bitmap board(640, 480, 0xFFFFFF);
    Canvas c(board);
    const Rect pieces[] = {
        Rect::FromSize(95, 40, 10, 25),  Rect::FromSize(95, 20, 10, 25),  Rect::FromSize(95, 15, 25, 10),
        Rect::FromSize(120, 15, 40, 10), Rect::FromSize(135, 15, 25, 10), Rect::FromSize(160, 15, 40, 10),
        Rect::FromSize(175, 15, 25, 10), Rect::FromSize(200, 15, 25, 10), Rect::FromSize(215, 15, 10, 25),
        Rect::FromSize(215, 40, 10, 25)};
    for (const Rect& r : pieces) c.FillRect(r, kViolet);
    // Left leg 10 x 45, top 130 x 10, right leg 10 x 50, minus the two overlaps.
    EXPECT_EQ(CountColour(board, kViolet), 450 + 1300 + 500 - 50 - 100);
    EXPECT_EQ(board.GetPixel(95, 64), kViolet);
    EXPECT_EQ(board.GetPixel(104, 40), kViolet);
    EXPECT_EQ(board.GetPixel(95, 65), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(105, 40), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(94, 20), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(224, 15), kViolet);
    EXPECT_EQ(board.GetPixel(225, 15), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(150, 14), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(150, 25), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(224, 64), kViolet);
}

TEST(CanvasTest, LinesExcludeTheirEndPoint) {
    Bitmap board(640, 480, 0xFFFFFF);
    Canvas c(board);
    c.SetPen(0);
    c.Line(40, 40, 600, 40);
    EXPECT_EQ(board.GetPixel(39, 40), 0xFFFFFFu);
    EXPECT_EQ(board.GetPixel(40, 40), 0u);
    EXPECT_EQ(board.GetPixel(599, 40), 0u);
    EXPECT_EQ(board.GetPixel(600, 40), 0xFFFFFFu);
    EXPECT_EQ(CountColour(board, 0), 560);
    c.Line(600, 40, 600, 440);
    EXPECT_EQ(board.GetPixel(600, 40), 0u);
    EXPECT_EQ(board.GetPixel(600, 439), 0u);
    EXPECT_EQ(board.GetPixel(600, 440), 0xFFFFFFu);
    EXPECT_EQ(c.Position(), (Point{600, 440}));
    // A line off the bitmap draws nothing and does not fault.
    c.Line(0, 480, 640, 480);
    EXPECT_EQ(CountColour(board, 0), 960);
    // Diagonal: one pixel per step, end excluded.
    Bitmap small(8, 8, 0xFFFFFF);
    Canvas d(small);
    d.SetPen(0);
    d.Polyline({{0, 0}, {4, 4}, {4, 0}});
    EXPECT_EQ(CountColour(small, 0), 8);
    EXPECT_EQ(small.GetPixel(3, 3), 0u);
    EXPECT_EQ(small.GetPixel(4, 4), 0u);
    EXPECT_EQ(small.GetPixel(4, 1), 0u);
    EXPECT_EQ(small.GetPixel(4, 0), 0xFFFFFFu);
}

TEST(CanvasTest, ClipRegionLimitsFills) {
    Bitmap b(40, 30, 0xFFFFFF);
    Canvas c(b);
    const Region clip = Region::FromEllipse(0, 0, 41, 31).Subtract(Region::FromRect(18, 0, 22, 30));
    c.SetClip(clip);
    c.FillRect({-10, -10, 100, 100}, 0x0000FF);
    c.SetPixel(20, 15, 0x0000FF);
    c.SetPen(0x0000FF);
    c.Line(0, 15, 40, 15);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(b.GetPixel(x, y), clip.Contains(x, y) ? 0x0000FFu : 0xFFFFFFu) << x << "," << y;
    c.SetClip(std::nullopt);
    c.FillRegion(Region::FromRect(18, 0, 22, 2), 0);
    EXPECT_EQ(b.GetPixel(21, 1), 0u);
}

TEST(CanvasTest, FocusRectIsDottedAndUndoesItself) {
    Bitmap b(20, 12, 0xF0F0F0);
    b.SetPixel(5, 5, 0x123456);
    Canvas c(b);
    const Bitmap before = b;
    c.DrawFocusRect({2, 2, 12, 9});
    EXPECT_EQ(b.GetPixel(2, 2), 0x0F0F0Fu);  // inverted
    EXPECT_EQ(b.GetPixel(3, 2), 0xF0F0F0u);  // the gap of the dotting
    EXPECT_EQ(b.GetPixel(4, 2), 0x0F0F0Fu);
    EXPECT_EQ(b.GetPixel(11, 3), 0x0F0F0Fu);  // right edge at right - 1
    EXPECT_EQ(b.GetPixel(12, 2), 0xF0F0F0u);
    EXPECT_EQ(b.GetPixel(5, 5), 0x123456u);   // inside untouched
    c.DrawFocusRect({2, 2, 12, 9});
    EXPECT_EQ(std::vector<uint32_t>(b.Data(), b.Data() + 240), std::vector<uint32_t>(before.Data(), before.Data() + 240));
}

TEST(CanvasTest, RectangleAndEllipseUsePenAndBrush) {
    Bitmap b(30, 20, 0xFFFFFF);
    Canvas c(b);
    c.SetPen(0x0000FF);
    c.SetBrush(Brush::Solid(0x00FF00));
    c.Rectangle({1, 1, 6, 5});
    EXPECT_EQ(b.GetPixel(1, 1), 0x0000FFu);
    EXPECT_EQ(b.GetPixel(5, 4), 0x0000FFu);
    EXPECT_EQ(b.GetPixel(2, 2), 0x00FF00u);
    EXPECT_EQ(b.GetPixel(6, 4), 0xFFFFFFu);

    // A 2-pixel pen on the ellipse in (0, 0, 20, 10): its widest row is
    // two pen pixels on each side, brush between, nothing at x = 20.
    Bitmap e(30, 20, 0xFFFFFF);
    Canvas ce(e);
    ce.SetPen(0, 2);
    ce.SetBrush(Brush::Solid(0x00FF00));
    ce.Ellipse({0, 0, 20, 10});
    EXPECT_EQ(e.GetPixel(0, 4), 0u);
    EXPECT_EQ(e.GetPixel(1, 4), 0u);
    EXPECT_EQ(e.GetPixel(2, 4), 0x00FF00u);
    EXPECT_EQ(e.GetPixel(18, 4), 0u);
    EXPECT_EQ(e.GetPixel(19, 4), 0u);
    EXPECT_EQ(e.GetPixel(20, 4), 0xFFFFFFu);
    EXPECT_EQ(e.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(e.GetPixel(10, 0), 0u);
    EXPECT_EQ(e.GetPixel(10, 9), 0u);
    EXPECT_EQ(e.GetPixel(10, 10), 0xFFFFFFu);
}

TEST(CanvasTest, SaveRestoreAndOrigin) {
    Bitmap b(10, 10, 0xFFFFFF);
    Canvas c(b);
    c.SetPen(0x0000FF);
    c.Save();
    c.SetPen(0x00FF00);
    c.SetOrigin({3, 4});
    c.SetClip(Region::FromRect(0, 0, 5, 5));
    c.FillRect({0, 0, 1, 1}, 0);  // lands on (3, 4)
    EXPECT_EQ(b.GetPixel(3, 4), 0u);
    EXPECT_EQ(c.GetPixel(0, 0), 0u);
    c.FillRect({2, 0, 3, 1}, 0);  // (5, 4) is outside the clip
    EXPECT_EQ(b.GetPixel(5, 4), 0xFFFFFFu);
    c.Restore();
    EXPECT_EQ(c.GetPen().colour, 0x0000FFu);
    EXPECT_EQ(c.Origin(), (Point{0, 0}));
    EXPECT_FALSE(c.Clip().has_value());
    c.Restore();  // nothing saved: no effect
    c.FillRect({0, 0, 10, 10}, 0x8000000F);  // system button face
    EXPECT_EQ(b.GetPixel(9, 9), 0xF0F0F0u);
}
