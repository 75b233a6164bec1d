#include <gtest/gtest.h>

#include "widgets/xpbutton/ButtonShape.h"

namespace widgets {
namespace {

TEST(RingPointsTest, RectangleRingsSitOnTheFirstThreePixelRows) {
    auto p = RingPoints(0, 0, 80, 80, 33);
    EXPECT_EQ(p[0], (gfx::Point{2, 30}));
    EXPECT_EQ(p[1], (gfx::Point{2, 2}));
    EXPECT_EQ(p[2], (gfx::Point{77, 2}));
    EXPECT_EQ(p[3], (gfx::Point{77, 30}));
    EXPECT_EQ(p[4], (gfx::Point{1, 30}));
    EXPECT_EQ(p[5], (gfx::Point{1, 31}));
    EXPECT_EQ(p[6], (gfx::Point{1, 1}));
    EXPECT_EQ(p[7], (gfx::Point{78, 1}));
    EXPECT_EQ(p[8], (gfx::Point{78, 31}));
    EXPECT_EQ(p[9], (gfx::Point{0, 31}));
    EXPECT_EQ(p[10], (gfx::Point{0, 32}));
    EXPECT_EQ(p[11], (gfx::Point{0, 0}));
    EXPECT_EQ(p[12], (gfx::Point{79, 0}));
    EXPECT_EQ(p[13], (gfx::Point{79, 32}));
    EXPECT_EQ(p[14], (gfx::Point{-1, 32}));
}

TEST(RingPointsTest, SlantedShapesShiftTheirEdges) {
    // Shape 3 leans both edges: L = d, R = SW - d with d = SH + 1.
    auto p = RingPoints(3, 21, 79, 100, 20);
    EXPECT_EQ(p[0], (gfx::Point{19, 17}));
    EXPECT_EQ(p[1], (gfx::Point{4, 2}));
    EXPECT_EQ(p[2], (gfx::Point{79, 2}));
    EXPECT_EQ(p[3], (gfx::Point{94, 17}));
    EXPECT_EQ(p[5], (gfx::Point{19, 18}));  // dx = s1 - 1 = 0
    EXPECT_EQ(p[6], (gfx::Point{2, 1}));    // dx = -1 - s1 = -2
    EXPECT_EQ(p[10], (gfx::Point{20, 19}));
    EXPECT_EQ(p[12], (gfx::Point{79, 0}));
    EXPECT_EQ(p[13], (gfx::Point{98, 19}));
}

TEST(ShapeGeometryTest, RectangleOfStyleTwoHasItsCornersCut) {
    ShapeGeometry g = BuildShapeGeometry(0, 2, true, 80, 33);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.right, 80);
    EXPECT_FALSE(g.clip.has_value());
    // Two-pixel cuts at the top, three-pixel ones at the bottom, three pixels each.
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {0, 32}, {1, 32}, {0, 31}, {79, 0}, {78, 0}, {79, 1},
                        {79, 32}, {78, 32}, {79, 31}}) {
        EXPECT_FALSE(g.window.Contains(x, y)) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{1, 1}, {2, 0}, {0, 2}, {40, 0}, {0, 16}, {0, 30}, {2, 32}, {1, 31},
                        {78, 31}, {77, 32}, {79, 30}, {40, 32}}) {
        EXPECT_TRUE(g.window.Contains(x, y)) << x << "," << y;
    }
}

TEST(ShapeGeometryTest, CutsByStyle) {
    ShapeGeometry plain = BuildShapeGeometry(0, 0, true, 40, 20);
    EXPECT_TRUE(plain.window.Contains(0, 0));
    EXPECT_TRUE(plain.window.Contains(39, 19));
    ShapeGeometry one = BuildShapeGeometry(0, 1, true, 40, 20);
    EXPECT_FALSE(one.window.Contains(0, 0));
    EXPECT_FALSE(one.window.Contains(0, 19));
    EXPECT_FALSE(one.window.Contains(39, 0));
    EXPECT_FALSE(one.window.Contains(39, 19));
    EXPECT_TRUE(one.window.Contains(1, 0));
    ShapeGeometry three = BuildShapeGeometry(0, 3, true, 40, 20);
    EXPECT_FALSE(three.window.Contains(0, 19));
    EXPECT_FALSE(three.window.Contains(39, 0));
    EXPECT_TRUE(three.window.Contains(0, 0));
    ShapeGeometry threeOff = BuildShapeGeometry(0, 3, false, 40, 20);
    EXPECT_TRUE(threeOff.window.Contains(0, 19));  // a disabled style-3 button has no cuts
}

TEST(ShapeGeometryTest, ShapeTwoCutsOnlyItsVerticalLeftSide) {
    ShapeGeometry g = BuildShapeGeometry(2, 2, true, 80, 33);
    EXPECT_EQ(g.right, 80 - 34);
    EXPECT_FALSE(g.window.Contains(0, 0));
    EXPECT_TRUE(g.window.Contains(70, 32));  // the slanted side has no cuts
    EXPECT_TRUE(g.window.Contains(2, 32));
}

TEST(ShapeGeometryTest, NarrowSlantedButtonWidens) {
    ShapeGeometry g = BuildShapeGeometry(1, 0, true, 22, 20);
    EXPECT_EQ(g.width, 27);
    EXPECT_EQ(g.left, 21);
    EXPECT_EQ(g.right, 27);
    ShapeGeometry wide = BuildShapeGeometry(1, 0, true, 80, 20);
    EXPECT_EQ(wide.width, 80);
}

TEST(ShapeGeometryTest, EllipsesClipTheFace) {
    ShapeGeometry g = BuildShapeGeometry(6, 2, true, 60, 30);
    ASSERT_TRUE(g.clip.has_value());
    EXPECT_EQ(g.clip->Bounds(), (gfx::Region::FromEllipse(2, 2, 59, 29).Bounds()));
    EXPECT_FALSE(g.window.Contains(0, 0));
    EXPECT_TRUE(g.window.Contains(30, 15));
}

}  // namespace
}  // namespace widgets
