#include <gtest/gtest.h>

#include "widgets/xpbutton/ButtonLayout.h"

namespace widgets {
namespace {

// Every caption measures 30 x 12, whatever the width offered.
gfx::Size FixedMeasure(const std::string&, int, int) { return {30, 12}; }

ButtonProperties WithPicture(int align) {
    ButtonProperties p;
    p.caption = "Go";
    p.picture.image = std::make_shared<gfx::Bitmap>(16, 16);
    p.pictureAlign = align;
    return p;
}

TEST(ContentExtentTest, ByShape) {
    EXPECT_EQ(ContentExtent(0, 0, 80, 80).available, 80);
    HorizontalExtent one = ContentExtent(1, 21, 80, 80);
    EXPECT_EQ(one.leftOffset, 14);
    EXPECT_EQ(one.available, 66);
    HorizontalExtent two = ContentExtent(2, 0, 46, 80);
    EXPECT_EQ(two.limit, 57);  // (80 - 46) / 3 + 46
    EXPECT_EQ(two.available, 57);
}

TEST(LayoutTest, CentredCaptionWithoutPicture) {
    ButtonProperties p;
    p.caption = "Go";
    ContentLayout l = ComputeLayout(p, 0, 80, 80, 33, FixedMeasure);
    EXPECT_EQ(l.caption, (gfx::Rect{25, 10, 55, 22}));  // (80 - 30) / 2, (33 - 12) / 2
    p.captionAlign = 0;
    EXPECT_EQ(ComputeLayout(p, 0, 80, 80, 33, FixedMeasure).caption.left, 6);
    p.captionAlign = 1;
    EXPECT_EQ(ComputeLayout(p, 0, 80, 80, 33, FixedMeasure).caption.left, 44);  // 80 - 6 - 30
    p.captionStyle = 1;
    EXPECT_EQ(ComputeLayout(p, 0, 80, 80, 33, FixedMeasure).caption.Width(), 32);
}

TEST(LayoutTest, PictureLeftOfCaption) {
    ButtonProperties p = WithPicture(1);
    ContentLayout l = ComputeLayout(p, 0, 100, 100, 40, FixedMeasure);
    // (100 - (30 + 16 + 6)) / 2 + 0 + 6 + 16 = 46
    EXPECT_EQ(l.caption.left, 46);
    EXPECT_EQ(l.picture, (gfx::Rect{24, 12, 40, 28}));  // 46 - 6 - 16; (40 - 16) / 2
}

TEST(LayoutTest, TopPictureWithEmptyCaptionCentresAsIfMinusThreeHigh) {
    ButtonProperties p = WithPicture(4);
    p.caption.clear();
    ContentLayout l = ComputeLayout(p, 0, 80, 80, 60, FixedMeasure);
    // t = (60 - (-3 + 16)) / 2 = 23; left (80 - 16) / 2 = 32
    EXPECT_EQ(l.picture, (gfx::Rect{32, 23, 48, 39}));
}

TEST(LayoutTest, RectanglesKeepTheirMargins) {
    ButtonProperties p;
    p.caption = "Wide";
    auto wide = [](const std::string&, int, int) { return gfx::Size{200, 50}; };
    ContentLayout l = ComputeLayout(p, 0, 80, 80, 33, wide);
    EXPECT_EQ(l.caption.left, 6);
    EXPECT_EQ(l.caption.top, 6);
    EXPECT_EQ(l.caption.right, 80);
    EXPECT_EQ(l.caption.bottom, 27);
}

}  // namespace
}  // namespace widgets
