// The copy fast paths (row moves, column tables, opaque sources taking the
// plain path) against a pixel-by-pixel model of the copies.
#include <gtest/gtest.h>

#include <random>

#include "gfx/Canvas.h"

using namespace gfx;

namespace {

enum class Kind { Rop, Alpha, Key };

// The copies one pixel at a time: the nearest-centre sample of each
// destination pixel, skipped outside the source, the target or the clip.
void ModelCopy(Bitmap& target, const Rect& dst, const Bitmap& src, const Rect& srcRect, Kind kind, Rop rop,
               Colour key, const Region* clip) {
    for (int y = dst.top; y < dst.bottom; ++y)
        for (int x = dst.left; x < dst.right; ++x) {
            if (x < 0 || y < 0 || x >= target.Width() || y >= target.Height()) continue;
            if (clip && !clip->Contains(x, y)) continue;
            const int sx = srcRect.left + static_cast<int>((2LL * (x - dst.left) + 1) * srcRect.Width() / (2LL * dst.Width()));
            const int sy = srcRect.top + static_cast<int>((2LL * (y - dst.top) + 1) * srcRect.Height() / (2LL * dst.Height()));
            if (sx < 0 || sy < 0 || sx >= src.Width() || sy >= src.Height()) continue;
            const uint32_t s = src.Raw(sx, sy), d = target.Raw(x, y), a = s >> 24;
            uint32_t out = d;
            if (kind == Kind::Alpha) {
                if (a == 0xFF) out = s;
                else if (a != 0) {
                    out = Bitmap::kOpaque;
                    for (int sh = 0; sh < 24; sh += 8)
                        out |= ((((s >> sh) & 0xFF) * a + ((d >> sh) & 0xFF) * (255 - a) + 127) / 255) << sh;
                }
            } else if (kind == Kind::Key) {
                if ((s & 0xFFFFFF) != key) out = s | Bitmap::kOpaque;
            } else if (rop == Rop::SrcCopy) {
                out = s | Bitmap::kOpaque;
            } else if (rop == Rop::SrcAnd) {
                out = (d & s) | Bitmap::kOpaque;
            }
            target.SetRaw(x, y, out);
        }
}

Bitmap Noise(int w, int h, std::mt19937& rng, bool translucent) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t v = rng() & 0xFFFFFF;
            // A few exact-key pixels, and with translucency clear, partial and opaque ones.
            if (rng() % 7 == 0) v = 0x00FF00;
            const uint32_t pick = rng() % 3;
            const uint32_t alpha = !translucent ? 0xFF : pick == 0 ? 0 : pick == 1 ? 0xFF : rng() & 0xFF;
            b.SetRaw(x, y, v | (alpha << 24));
        }
    return b;
}

void Copy(Canvas& c, const Rect& dst, const Bitmap& src, const Rect& srcRect, Kind kind, Rop rop) {
    if (kind == Kind::Alpha) c.AlphaBlit(dst, src, srcRect);
    else if (kind == Kind::Key) c.TransparentBlit(dst, src, srcRect, 0x00FF00);
    else c.StretchBlit(dst, src, srcRect, rop);
}

// Random copies, unscaled and stretched, partly off the target and reading
// partly outside the source, with and without a clip.
void CheckAgainstModel(bool translucent, Kind kind, Rop rop) {
    std::mt19937 rng(translucent ? 7u : 11u);
    const Bitmap src = Noise(23, 17, rng, translucent);
    ASSERT_EQ(src.IsOpaque(), !translucent);
    const Region clip = Region::FromRect(3, 2, 30, 20).Union(Region::FromEllipse(10, 8, 40, 30));
    for (int round = 0; round < 120; ++round) {
        const bool clipped = round % 3 == 0;
        const int sw = 1 + static_cast<int>(rng() % 26), sh = 1 + static_cast<int>(rng() % 20);
        const Rect srcRect = Rect::FromSize(static_cast<int>(rng() % 9) - 3, static_cast<int>(rng() % 7) - 2, sw, sh);
        const bool unit = round % 2 == 0;
        const Rect dst = Rect::FromSize(static_cast<int>(rng() % 40) - 8, static_cast<int>(rng() % 30) - 6,
                                        unit ? sw : 1 + static_cast<int>(rng() % 40),
                                        unit ? sh : 1 + static_cast<int>(rng() % 30));
        Bitmap fast = Noise(36, 28, rng, false);
        Bitmap model = fast;
        Canvas c(fast);
        if (clipped) c.SetClip(clip);
        Copy(c, dst, src, srcRect, kind, rop);
        ModelCopy(model, dst, src, srcRect, kind, rop, 0x00FF00, clipped ? &clip : nullptr);
        for (int y = 0; y < model.Height(); ++y)
            for (int x = 0; x < model.Width(); ++x)
                ASSERT_EQ(fast.Raw(x, y), model.Raw(x, y))
                    << "round " << round << " at " << x << "," << y << " dst " << dst.left << "," << dst.top << " "
                    << dst.Width() << "x" << dst.Height() << " src " << srcRect.left << "," << srcRect.top;
    }
}

}  // namespace

TEST(FastCopyTest, OpaqueSourcesMatchThePixelModel) {
    CheckAgainstModel(false, Kind::Alpha, Rop::SrcCopy);
    CheckAgainstModel(false, Kind::Rop, Rop::SrcCopy);
    CheckAgainstModel(false, Kind::Rop, Rop::SrcAnd);
    CheckAgainstModel(false, Kind::Key, Rop::SrcCopy);
}

TEST(FastCopyTest, TranslucentSourcesMatchThePixelModel) {
    CheckAgainstModel(true, Kind::Alpha, Rop::SrcCopy);
    CheckAgainstModel(true, Kind::Rop, Rop::SrcCopy);
    CheckAgainstModel(true, Kind::Key, Rop::SrcCopy);
}

// A plain copy of a translucent picture writes its colours opaque; a blend of
// the same picture keeps the target under clear pixels.
TEST(FastCopyTest, TranslucentPixelsExactValues) {
    Bitmap pic(2, 1);
    pic.SetRaw(0, 0, 0x00123456);
    pic.SetRaw(1, 0, 0x80FF0000);
    Bitmap plain(2, 1, 0x0000FF), blended(2, 1, 0x0000FF);
    Canvas(plain).Blit(0, 0, pic);
    Canvas(blended).AlphaBlit(0, 0, pic);
    EXPECT_EQ(plain.Raw(0, 0), 0xFF123456u);
    EXPECT_EQ(plain.Raw(1, 0), 0xFFFF0000u);
    EXPECT_EQ(blended.Raw(0, 0), 0xFF0000FFu);
    // Blue 0x80 of 0xFF over 0x00, red 0x7F of 0xFF left from the target.
    EXPECT_EQ(blended.Raw(1, 0), 0xFF80007Fu);
}

TEST(FastCopyTest, OpacityKnowledgeFollowsWrites) {
    Bitmap b(4, 3, 0x102030);
    EXPECT_TRUE(b.IsOpaque());
    b.SetRaw(1, 1, 0x7F102030);
    EXPECT_FALSE(b.IsOpaque());
    // Drawing over the one translucent pixel makes the bitmap opaque again.
    Canvas c(b);
    c.FillRect({0, 0, 1, 1}, 0);
    EXPECT_FALSE(b.IsOpaque());
    c.FillRect({1, 1, 2, 2}, 0);
    EXPECT_TRUE(b.IsOpaque());
    // Drawing keeps what was known; a writable row forgets it.
    c.Line(0, 2, 4, 2);
    c.DrawFocusRect({0, 0, 4, 3});
    EXPECT_TRUE(b.IsOpaque());
    b.Row(2)[3] = 0x00FFFFFF;
    EXPECT_FALSE(b.IsOpaque());
    b.Fill(0xFFFFFF);
    EXPECT_TRUE(b.IsOpaque());
    b.Data()[0] = 0;
    EXPECT_FALSE(b.IsOpaque());
    b.SetPixel(0, 0, 0);
    EXPECT_TRUE(b.IsOpaque());
    EXPECT_TRUE(Bitmap().IsOpaque());
}

// Rows and columns are drawn as spans: the same pixels as the general line,
// the end excluded in either direction, clipped to the target and the clip.
TEST(FastCopyTest, StraightLinesExcludeTheirEnd) {
    Bitmap b(10, 10, 0xFFFFFF);
    Canvas c(b);
    c.SetPen(0x000001);
    c.Line(2, 1, 6, 1);
    c.Line(6, 3, 2, 3);
    c.Line(0, 2, 0, 6);
    c.Line(9, 6, 9, 2);
    c.Line(-5, 9, 20, 9);
    c.Line(4, 5, 4, 5);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(b.GetPixel(x, 9), 1u) << x;
    for (int x = 1; x < 9; ++x) {  // columns 0 and 9 hold the vertical lines
        EXPECT_EQ(b.GetPixel(x, 1), x >= 2 && x <= 5 ? 1u : 0xFFFFFFu) << x;
        EXPECT_EQ(b.GetPixel(x, 3), x >= 3 && x <= 6 ? 1u : 0xFFFFFFu) << x;
    }
    for (int y = 0; y < 9; ++y) {
        EXPECT_EQ(b.GetPixel(0, y), y >= 2 && y <= 5 ? 1u : 0xFFFFFFu) << y;
        EXPECT_EQ(b.GetPixel(9, y), y >= 3 && y <= 6 ? 1u : 0xFFFFFFu) << y;
    }
    EXPECT_EQ(b.GetPixel(4, 5), 0xFFFFFFu);
    c.SetClip(Region::FromRect(0, 0, 3, 10));
    c.Line(0, 7, 10, 7);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(b.GetPixel(x, 7), x < 3 ? 1u : 0xFFFFFFu) << x;
}
