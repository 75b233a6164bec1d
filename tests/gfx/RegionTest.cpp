#include <gtest/gtest.h>

#include "gfx/Region.h"

using gfx::Rect;
using gfx::Region;

namespace {

// The window outline at 759 x 569, built as the frame builds it.
Region WindowOutline() {
    Region r = Region::FromRect(0, 5, 759, 564);
    r = r.Union(Region::FromRect(5, 0, 754, 569));
    r = r.Union(Region::FromEllipse(-2, 0, 15, 35));
    r = r.Union(Region::FromEllipse(744, 0, 761, 20));
    r = r.Union(Region::FromEllipse(-1, 549, 10, 569));
    r = r.Union(Region::FromEllipse(739, 529, 762, 573));
    return r;
}

}  // namespace

TEST(RegionTest, RectanglesExcludeRightAndBottom) {
    const Region r = Region::FromRect(2, 3, 5, 7);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(4, 6));
    EXPECT_FALSE(r.Contains(5, 6));
    EXPECT_FALSE(r.Contains(4, 7));
    EXPECT_FALSE(r.Contains(1, 3));
    EXPECT_TRUE(Region::FromRect(3, 3, 3, 9).Empty());
    EXPECT_EQ(r.Bounds(), (Rect{2, 3, 5, 7}));
}

// An elliptic region stops one pixel short of the box's right and bottom.
TEST(RegionTest, EllipseExtremesOfTheOutlineCorners) {
    EXPECT_EQ(Region::FromEllipse(-2, 0, 15, 35).Bounds(), (Rect{-2, 0, 14, 34}));
    EXPECT_EQ(Region::FromEllipse(744, 0, 761, 20).Bounds(), (Rect{744, 0, 760, 19}));
    EXPECT_EQ(Region::FromEllipse(-1, 549, 10, 569).Bounds(), (Rect{-1, 549, 9, 568}));
    EXPECT_EQ(Region::FromEllipse(739, 529, 762, 573).Bounds(), (Rect{739, 529, 761, 572}));

    const Region tl = Region::FromEllipse(-2, 0, 15, 35);
    // Top row: columns 4..7 around the centre x = 6.
    EXPECT_FALSE(tl.Contains(3, 0));
    EXPECT_TRUE(tl.Contains(4, 0));
    EXPECT_TRUE(tl.Contains(7, 0));
    EXPECT_FALSE(tl.Contains(8, 0));
    // Widest row: -2..13.
    EXPECT_TRUE(tl.Contains(-2, 16));
    EXPECT_TRUE(tl.Contains(13, 16));
    EXPECT_FALSE(tl.Contains(14, 16));
    EXPECT_FALSE(tl.Contains(-3, 16));
    // Symmetric top and bottom.
    EXPECT_TRUE(tl.Contains(4, 33));
    EXPECT_FALSE(tl.Contains(3, 33));
    EXPECT_FALSE(tl.Contains(6, 34));
}

TEST(RegionTest, WindowOutlineCornerPixels) {
    const Region o = WindowOutline();
    // Top-left: cut corner, rectangles start at 5.
    EXPECT_FALSE(o.Contains(0, 0));
    EXPECT_FALSE(o.Contains(0, 4));
    EXPECT_TRUE(o.Contains(0, 5));
    EXPECT_TRUE(o.Contains(4, 0));  // top row of the corner ellipse
    EXPECT_TRUE(o.Contains(5, 0));
    EXPECT_FALSE(o.Contains(3, 0));
    EXPECT_TRUE(o.Contains(1, 4));
    // Top-right.
    EXPECT_FALSE(o.Contains(758, 0));
    EXPECT_TRUE(o.Contains(758, 5));
    EXPECT_TRUE(o.Contains(753, 0));
    EXPECT_TRUE(o.Contains(754, 0));  // ellipse row 0 spans 749..754
    EXPECT_FALSE(o.Contains(755, 0));
    EXPECT_FALSE(o.Contains(759, 5));
    // Bottom-left.
    EXPECT_TRUE(o.Contains(0, 563));
    EXPECT_FALSE(o.Contains(0, 568));
    EXPECT_TRUE(o.Contains(5, 568));
    EXPECT_FALSE(o.Contains(4, 568));
    EXPECT_TRUE(o.Contains(2, 567));  // ellipse row 567 spans 2..5
    EXPECT_FALSE(o.Contains(1, 567));
    // Bottom-right.
    EXPECT_FALSE(o.Contains(758, 568));
    EXPECT_TRUE(o.Contains(758, 563));
    EXPECT_TRUE(o.Contains(753, 568));
    EXPECT_TRUE(o.Contains(755, 568));  // ellipse row 568 spans 744..755
    EXPECT_FALSE(o.Contains(756, 568));
    EXPECT_FALSE(o.Contains(758, 569));
    // The outline reaches past the window only through the corner ellipses.
    EXPECT_EQ(o.Bounds(), (Rect{-2, 0, 761, 572}));
}

TEST(RegionTest, CombineAndEnumerate) {
    const Region a = Region::FromRect(0, 0, 10, 10);
    const Region b = Region::FromRect(5, 5, 15, 15);
    const Region u = a.Union(b);
    EXPECT_TRUE(u.Contains(14, 14));
    EXPECT_TRUE(u.Contains(0, 0));
    EXPECT_FALSE(u.Contains(12, 2));
    EXPECT_EQ(u.Rects(), (std::vector<Rect>{{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}));

    const Region i = a.Intersect(b);
    EXPECT_EQ(i, Region::FromRect(5, 5, 10, 10));

    const Region d = a.Subtract(b);
    EXPECT_TRUE(d.Contains(4, 9));
    EXPECT_FALSE(d.Contains(5, 5));
    EXPECT_EQ(d.Rects(), (std::vector<Rect>{{0, 0, 10, 5}, {0, 5, 5, 10}}));

    // The same pixel set built two ways is equal.
    EXPECT_EQ(Region::FromRect(0, 0, 4, 2).Union(Region::FromRect(0, 2, 4, 4)), Region::FromRect(0, 0, 4, 4));
    EXPECT_FALSE(Region::FromRect(0, 0, 4, 4) == Region::FromRect(0, 0, 4, 5));
    EXPECT_TRUE(a.Subtract(a).Empty());
}

TEST(RegionTest, OffsetMovesEveryPixel) {
    const Region e = Region::FromEllipse(0, 0, 9, 7);
    const Region moved = e.Offset(-3, 10);
    for (int y = -2; y < 10; ++y)
        for (int x = -2; x < 12; ++x) EXPECT_EQ(e.Contains(x, y), moved.Contains(x - 3, y + 10));
}

TEST(RegionTest, PolygonFillsByWinding) {
    // The rectangle polygon of a square-edged shape covers (0, 0, W + 1, H + 1).
    EXPECT_EQ(Region::FromPolygon({{0, 0}, {0, 21}, {31, 21}, {31, 0}}), Region::FromRect(0, 0, 31, 21));
    // A 45-degree slant: the left edge leans from (0, 0) to (21, 21).
    const Region slant = Region::FromPolygon({{0, 0}, {21, 21}, {41, 21}, {41, 0}});
    EXPECT_TRUE(slant.Contains(0, 0));
    EXPECT_FALSE(slant.Contains(0, 1));
    EXPECT_TRUE(slant.Contains(10, 10));
    EXPECT_FALSE(slant.Contains(9, 10));
    // A five-pointed star drawn in one stroke: its centre winds twice and is filled.
    const Region star = Region::FromPolygon({{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}});
    EXPECT_TRUE(star.Contains(50, 50));
    EXPECT_TRUE(star.Contains(50, 10));
    EXPECT_FALSE(star.Contains(5, 80));
}
