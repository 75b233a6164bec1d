#include <gtest/gtest.h>

#include "widgets/xpbutton/ColorShift.h"

namespace widgets {
namespace {

TEST(ShiftColorTest, FixedValuesOfThePlainShift) {
    EXPECT_EQ(S(0xC0C0C0, 36), 0xE5E5E4u);
    EXPECT_EQ(S(0xC0C0C0, -36), 0x9D9D9Cu);
    EXPECT_EQ(S(0x808080, 12), 0x8D8D8Cu);
    EXPECT_EQ(S(0x8D8D8C, 31), 0xADADABu);  // style 3 checked face
    EXPECT_EQ(S(0x808080, -26), 0x676766u);
    EXPECT_EQ(S(0x808080, -16), 0x717170u);
    EXPECT_EQ(S(0x808080, -32), 0x616160u);
    EXPECT_EQ(S(0xDFDFDF, 8), 0xE8E8E7u);
    EXPECT_EQ(S(0xFFFFFF, -32), 0xE0E0DFu);
}

TEST(ShiftColorTest, OddDivisorsRaiseGreenAndBlue) {
    gfx::Colour c = S(0xC0C0C0, 36);
    EXPECT_EQ(gfx::RedOf(c), 228);
    EXPECT_EQ(gfx::GreenOf(c), 229);
    EXPECT_EQ(gfx::BlueOf(c), 229);
    gfx::Colour zero = S(0x404040, 0);
    EXPECT_EQ(gfx::RedOf(zero), 0x40);
    EXPECT_EQ(gfx::GreenOf(zero), 0x40);  // 64.25 rounds down
    EXPECT_EQ(S(0xC0C0C0, 0), 0xC1C1C0u);  // 192.75 rounds up
}

TEST(ShiftColorTest, BlueScaledShift) {
    EXPECT_EQ(Sb(0xFFFFFF, -32), 0xD6E0DFu);
    EXPECT_EQ(Sb(0x808080, 16), 0x8B9190u);
    // Blue 0x80 -> blue0 129; 129 + (-10 * 129) / 192 = 129 - 6 (truncated toward zero).
    EXPECT_EQ(gfx::BlueOf(Sb(0x808080, -10)), 123);
}

TEST(ShiftColorTest, ClampsAndInverts) {
    EXPECT_EQ(S(0xF0F0F0, 100), 0xFFFFFFu);
    EXPECT_EQ(S(0x101010, -100), 0u);
    int16_t d = 36;
    EXPECT_EQ(ShiftColor(0xC0C0C0, d, false, false, true), 0x1A1A1Bu);
}

TEST(ShiftColorTest, AvoidExtremesNegatesTheDeltaAndReportsIt) {
    int16_t d = 100;
    gfx::Colour c = ShiftColor(0xF0F0F0, d, false, true, false);
    EXPECT_EQ(d, -100);
    EXPECT_EQ(c, S(0xF0F0F0, -100));
    int16_t zero = 0;
    gfx::Colour w = ShiftColor(0xFFFFFF, zero, false, true, false);
    EXPECT_EQ(zero, -64);  // 0 became 64, still white, then negated
    EXPECT_EQ(w, S(0xFFFFFF, -64));
    int16_t keep = 10;
    ShiftColor(0x808080, keep, false, true, false);
    EXPECT_EQ(keep, 10);
}

TEST(BlendColorsTest, RunsFromFirstToLast) {
    auto bands = BlendColors(5, 0x000000, 0x0000FF);
    ASSERT_EQ(bands.size(), 5u);
    EXPECT_EQ(bands[0], 0u);
    EXPECT_EQ(bands[2], 0x7Fu);  // 63.75 * 2 truncated
    EXPECT_EQ(bands[4], 0xFFu);
    EXPECT_EQ(BlendColors(1, 0x123456, 0).at(0), 0x123456u);
}

}  // namespace
}  // namespace widgets
