// Exact pixels of a style-2 80 x 33 button, painted straight onto a bitmap.
#include <gtest/gtest.h>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "widgets/xpbutton/ButtonPainter.h"
#include "widgets/xpbutton/ButtonShape.h"

namespace widgets {
namespace {

constexpr gfx::Colour kOutline = 7552000;

class StyleTwoPaint : public ::testing::Test {
protected:
    StyleTwoPaint() {
        props.buttonStyle = 2;
        props.backColor = 0xF0F0F0;
        props.hoverBackColor = 0x8000000F;
        props.caption.clear();
    }

    gfx::Bitmap Paint() {
        colours = DeriveColours(props);
        gfx::Bitmap bmp(80, 33, 0x123456);
        gfx::Canvas canvas(bmp);
        ShapeGeometry g = BuildShapeGeometry(props.buttonShape, 2, props.enabled, 80, 33);
        PaintContext ctx{props, rt, colours, layout, g.left, g.right, g.clip, 0xFFFFFF, {1024, 768}, false};
        ButtonPainter(canvas, ctx).Paint();
        return bmp;
    }

    // Inner ring slots 1..4, middle 5..8, as left, top, right, bottom.
    static void ExpectRings(const gfx::Bitmap& b, const std::array<gfx::Colour, 8>& slot) {
        const gfx::Point at[8] = {{2, 15}, {40, 2}, {77, 15}, {40, 30}, {1, 15}, {40, 1}, {78, 15}, {40, 31}};
        for (size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(b.GetPixel(at[i].x, at[i].y), slot[i]) << "slot " << i + 1;
        }
    }

    static void ExpectOutlineAndCorners(const gfx::Bitmap& b, gfx::Colour o) {
        for (auto [x, y] : {std::pair{0, 15}, {40, 0}, {79, 15}, {40, 32}}) EXPECT_EQ(b.GetPixel(x, y), o);
        for (auto [x, y] : {std::pair{1, 31}, {1, 1}, {78, 31}, {78, 1}}) EXPECT_EQ(b.GetPixel(x, y), o);
    }

    ButtonProperties props;
    ButtonRuntime rt;
    DerivedColours colours;
    ContentLayout layout;
};

TEST_F(StyleTwoPaint, NormalStateQ0) {
    gfx::Bitmap b = Paint();
    // The face is Sb(0xF0F0F0, 48) = white; the rings are shifts of it.
    EXPECT_EQ(colours.face, 0xFFFFFFu);
    ExpectRings(b, {0xF3F6F5, 0xFFFFFF, 0xE0E8E7, 0xD6E0DF, 0xFAFBFA, 0xFFFFFF, 0xD0DCDB, 0xC0D0CF});
    ExpectOutlineAndCorners(b, kOutline);
    EXPECT_EQ(b.GetPixel(0, 0), 7552000u);  // painted; the window region hides it
}

TEST_F(StyleTwoPaint, FaceIsShadedRowByRow) {
    gfx::Bitmap b = Paint();
    EXPECT_EQ(b.GetPixel(40, 15), 0xF2F5F4u);  // Sb(white, round(-25 * 15 / 33) = -11)
    EXPECT_EQ(b.GetPixel(3, 15), 0xF2F5F4u);
    EXPECT_EQ(b.GetPixel(40, 29), 0xE3EAE9u);  // round(-25 * 29 / 33) = -22
}

TEST_F(StyleTwoPaint, DefaultLookQ1IsBlue) {
    rt.buttonState = kStateDefault;
    gfx::Bitmap b = Paint();
    ExpectRings(b, {15782325, 16242621, 15782325, 15183500, 15183500, 16768959, 15183500, 15696491});
    ExpectOutlineAndCorners(b, kOutline);
}

TEST_F(StyleTwoPaint, DefaultLookWithoutFocusRectLooksNormal) {
    rt.buttonState = kStateDefault;
    props.showFocusRect = false;
    gfx::Bitmap b = Paint();
    ExpectRings(b, {0xF3F6F5, 0xFFFFFF, 0xE0E8E7, 0xD6E0DF, 0xFAFBFA, 0xFFFFFF, 0xD0DCDB, 0xC0D0CF});
}

TEST_F(StyleTwoPaint, PushedQ2UsesThePushedFace) {
    rt.buttonState = kStatePressed | kStateHover;
    rt.hoverTracking = true;
    rt.pressedLook = true;
    gfx::Bitmap b = Paint();
    ExpectRings(b, {0xE3EAE9, 0xE0E8E7, 0xFFFFFF, 0xFFFFFF, 0xD6E0DF, 0xD6E0DF, 0xFFFFFF, 0xFFFFFF});
    ExpectOutlineAndCorners(b, kOutline);
    EXPECT_EQ(b.GetPixel(40, 15), 0xCBD6D4u);  // Sb(0xD6E0DF, -11)
}

TEST_F(StyleTwoPaint, HotQ3IsOrange) {
    rt.buttonState = kStateHover;
    rt.hoverTracking = true;
    gfx::Bitmap b = Paint();
    ExpectRings(b, {7064575, 9231359, 7064575, 3257087, 3257087, 10938879, 3257087, 38631});
    EXPECT_EQ(gfx::RedOf(38631), 231);
    ExpectOutlineAndCorners(b, kOutline);
}

TEST_F(StyleTwoPaint, DisabledHasOnlyTheOutlineOnAFlatFace) {
    props.enabled = false;
    gfx::Bitmap b = Paint();
    gfx::Colour face = 0xE0E8E7;  // Sb(white, -24)
    ExpectRings(b, {face, face, face, face, face, face, face, face});
    ExpectOutlineAndCorners(b, 0x90ACAB);  // Sb(white, -84)
    EXPECT_EQ(b.GetPixel(40, 15), face);
}

TEST_F(StyleTwoPaint, SlantedRightEdgeHasCornerPixelsOnlyOnTheLeft) {
    props.buttonShape = 2;
    gfx::Bitmap b = Paint();
    EXPECT_EQ(b.GetPixel(1, 1), kOutline);
    EXPECT_EQ(b.GetPixel(1, 31), kOutline);
    EXPECT_NE(b.GetPixel(78, 1), kOutline);
}

}  // namespace
}  // namespace widgets
