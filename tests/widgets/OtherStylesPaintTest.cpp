// Spot checks of the styles other than 2.
#include <gtest/gtest.h>

#include "gfx/Canvas.h"
#include "widgets/xpbutton/ButtonPainter.h"
#include "widgets/xpbutton/ButtonShape.h"

namespace widgets {
namespace {

gfx::Bitmap PaintStyle(ButtonProperties props, const ButtonRuntime& rt) {
    props.caption.clear();
    DerivedColours colours = DeriveColours(props);
    ContentLayout layout;
    gfx::Bitmap bmp(60, 24, 0x123456);
    gfx::Canvas canvas(bmp);
    ShapeGeometry g = BuildShapeGeometry(props.buttonShape, props.buttonStyle, props.enabled, 60, 24);
    PaintContext ctx{props, rt, colours, layout, g.left, g.right, g.clip, 0xFFFFFF, {1024, 768}, false};
    ButtonPainter(canvas, ctx).Paint();
    return bmp;
}

TEST(OtherStylesPaint, ClassicDefaultButtonHasABlackOuterRing) {
    ButtonProperties p;
    p.buttonStyle = 0;
    ButtonRuntime rt;
    rt.buttonState = kStateDefault;
    gfx::Bitmap b = PaintStyle(p, rt);
    for (auto [x, y] : {std::pair{0, 12}, {30, 0}, {59, 12}, {30, 23}}) EXPECT_EQ(b.GetPixel(x, y), 0u);
    rt.buttonState = 0;
    gfx::Bitmap n = PaintStyle(p, rt);
    EXPECT_EQ(n.GetPixel(0, 12), 0xFFFFFFu);  // left and top white without the default look
    EXPECT_EQ(n.GetPixel(59, 12), 0u);
    EXPECT_EQ(n.GetPixel(1, 12), 0xE9E9E9u);  // middle ring in the light colour
}

TEST(OtherStylesPaint, HotFrameShowsNoFrameUntilHovered) {
    ButtonProperties p;
    p.buttonStyle = 5;
    p.backColor = 0xC0C0C0;
    ButtonRuntime rt;
    gfx::Bitmap idle = PaintStyle(p, rt);
    EXPECT_EQ(idle.GetPixel(0, 12), 0xC0C0C0u);
    rt.buttonState = kStateHover;
    rt.hoverTracking = true;
    gfx::Bitmap hot = PaintStyle(p, rt);
    EXPECT_EQ(hot.GetPixel(0, 12), 0xFFFFFFu);
    EXPECT_EQ(hot.GetPixel(59, 12), 0x808080u);
}

TEST(OtherStylesPaint, OutlinedStyleCornerPixels) {
    ButtonProperties p;
    p.buttonStyle = 7;
    p.backColor = 0xC0C0C0;
    gfx::Bitmap b = PaintStyle(p, ButtonRuntime{});
    EXPECT_EQ(b.GetPixel(1, 1), 0u);
    EXPECT_EQ(b.GetPixel(58, 22), 0u);
    EXPECT_EQ(b.GetPixel(3, 3), 0xFFFFFFu);
    EXPECT_EQ(b.GetPixel(0, 12), 0u);
}

TEST(OtherStylesPaint, DerivedColoursByStyle) {
    ButtonProperties p;
    p.backColor = 0xC0C0C0;
    p.buttonStyle = 3;
    DerivedColours d3 = DeriveColours(p);
    EXPECT_EQ(d3.pushedFace, 0x8D8D8Cu);
    EXPECT_EQ(d3.checkedFace, 0xADADABu);
    p.buttonStyle = 7;
    DerivedColours d7 = DeriveColours(p);
    EXPECT_EQ(d7.pushedFace, 0x717170u);
    EXPECT_EQ(d7.checkedFace, 0x8B9190u);
    p.buttonStyle = 4;
    EXPECT_EQ(DeriveColours(p).checkedFace, 0xE0E0DFu);
    EXPECT_EQ(DeriveColours(p).face, 0xC0C0C0u);
}

}  // namespace
}  // namespace widgets
