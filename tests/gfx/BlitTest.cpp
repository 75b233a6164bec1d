#include <gtest/gtest.h>

#include "gfx/Canvas.h"

using namespace gfx;

namespace {

// Column i of the bitmap has colour i + 1, so copies show which column landed where.
Bitmap Columns(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<Colour>(x + 1 + (y << 12)));
    return b;
}

int PaintedColumns(const Bitmap& b, Colour background) {
    int n = 0;
    for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, 0) != background;
    return n;
}

}  // namespace

// A 39 x 39 tile in a 40 x 40 cell: the middle column and row (19) are doubled.
TEST(BlitTest, StretchIsNearestNeighbour) {
    const Bitmap tile = Columns(39, 39);
    Bitmap cell(80, 80, 0xFFFFFF);
    Canvas c(cell);
    c.StretchBlit(Rect::FromSize(40, 40, 40, 40), tile);
    for (int dx = 0; dx < 40; ++dx) {
        const int sx = dx <= 19 ? dx : dx - 1;
        ASSERT_EQ(cell.GetPixel(40 + dx, 40) & 0xFFF, static_cast<Colour>(sx + 1)) << dx;
    }
    for (int dy = 0; dy < 40; ++dy) {
        const int sy = dy <= 19 ? dy : dy - 1;
        ASSERT_EQ(cell.GetPixel(40, 40 + dy) >> 12, static_cast<Colour>(sy)) << dy;
    }
    EXPECT_EQ(cell.GetPixel(39, 40), 0xFFFFFFu);
    EXPECT_EQ(cell.GetPixel(40, 39), 0xFFFFFFu);
    // Shrinking picks source pixels evenly: 4 -> 2 takes columns 1 and 3.
    Bitmap two(2, 1, 0);
    Canvas(two).StretchBlit({0, 0, 2, 1}, Columns(4, 1));
    EXPECT_EQ(two.GetPixel(0, 0), 2u);
    EXPECT_EQ(two.GetPixel(1, 0), 4u);
}

TEST(BlitTest, CopiesLeftOfTheTargetAreClipped) {
    const Bitmap bar = Columns(450, 10);
    Bitmap area(450, 10, 0xFFFFFF);
    Canvas c(area);
    c.Blit(-150, 0, bar);
    EXPECT_EQ(PaintedColumns(area, 0xFFFFFF), 300);
    EXPECT_EQ(area.GetPixel(0, 0), 151u);  // source column 150
    EXPECT_EQ(area.GetPixel(299, 9), 450u + (9u << 12));
    EXPECT_EQ(area.GetPixel(300, 0), 0xFFFFFFu);

    area.Fill(0xFFFFFF);
    c.StretchBlit(Rect::FromSize(-449, 0, 450, 10), bar);
    EXPECT_EQ(PaintedColumns(area, 0xFFFFFF), 1);
    EXPECT_EQ(area.GetPixel(0, 0), 450u);  // the bar's last column

    area.Fill(0xFFFFFF);
    c.Blit(-450, 0, bar);
    c.Blit(450, 0, bar);
    EXPECT_EQ(PaintedColumns(area, 0xFFFFFF), 0);
}

TEST(BlitTest, RasterOperations) {
    Bitmap src(4, 1, 0xFFFFFF);
    src.SetPixel(1, 0, 0x000000);
    src.SetPixel(2, 0, 0x808080);
    src.SetPixel(3, 0, 0x0F00F0);
    auto run = [&](Rop rop, Colour dst) {
        Bitmap d(4, 1, dst);
        Canvas c(d);
        c.SetBrush(Brush::Solid(0x9D9D9C));
        c.Blit(0, 0, src, rop);
        return std::vector<Colour>{d.GetPixel(0, 0), d.GetPixel(1, 0), d.GetPixel(2, 0), d.GetPixel(3, 0)};
    };
    EXPECT_EQ(run(Rop::SrcCopy, 0x333333), (std::vector<Colour>{0xFFFFFF, 0, 0x808080, 0x0F00F0}));
    EXPECT_EQ(run(Rop::SrcAnd, 0x3C3C3C), (std::vector<Colour>{0x3C3C3C, 0, 0, 0x0C0030}));
    EXPECT_EQ(run(Rop::SrcPaint, 0x010203), (std::vector<Colour>{0xFFFFFF, 0x010203, 0x818283, 0x0F02F3}));
    EXPECT_EQ(run(Rop::PatCopy, 0x333333), (std::vector<Colour>{0x9D9D9C, 0x9D9D9C, 0x9D9D9C, 0x9D9D9C}));
    // 0x00B8074A: white source keeps the destination, any other source takes the brush.
    EXPECT_EQ(run(Rop::PSDPxax, 0x333333), (std::vector<Colour>{0x333333, 0x9D9D9C, 0x9D9D9C, 0x9D9D9C}));
}

TEST(BlitTest, AlphaAndKeyedCopiesLeaveHoles) {
    Bitmap pic(3, 1);
    pic.SetRaw(0, 0, 0x00FF00FFu);  // transparent
    pic.SetRaw(1, 0, 0xFF0000FFu);  // opaque red
    pic.SetRaw(2, 0, 0x800000FFu);  // half red
    Bitmap d(3, 1, 0xFFFFFF);
    Canvas c(d);
    c.AlphaBlit(0, 0, pic);
    EXPECT_EQ(d.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(d.GetPixel(1, 0), 0x0000FFu);
    EXPECT_EQ(d.GetPixel(2, 0), 0x7F7FFFu);
    EXPECT_EQ(d.Raw(2, 0) >> 24, 0xFFu);  // drawing leaves opaque pixels

    Bitmap keyed(2, 2, 0xFF00FF);
    keyed.SetPixel(1, 1, 0x123456);
    Bitmap k(4, 4, 0);
    Canvas ck(k);
    ck.TransparentBlit({0, 0, 4, 4}, keyed, {0, 0, 2, 2}, 0xFF00FF);
    EXPECT_EQ(k.GetPixel(0, 0), 0u);
    EXPECT_EQ(k.GetPixel(1, 1), 0u);
    EXPECT_EQ(k.GetPixel(2, 2), 0x123456u);
    EXPECT_EQ(k.GetPixel(3, 3), 0x123456u);
}

TEST(BlitTest, ClipRegionAppliesToCopies) {
    Bitmap src(10, 10, 0);
    Bitmap d(10, 10, 0xFFFFFF);
    Canvas c(d);
    c.SetClip(Region::FromRect(2, 2, 4, 4));
    c.Blit(0, 0, src);
    int black = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) black += d.GetPixel(x, y) == 0;
    EXPECT_EQ(black, 4);
    EXPECT_EQ(d.GetPixel(3, 3), 0u);
}
