// Bitmap copies: plain, stretched (nearest neighbour), raster operations,
// alpha-aware and colour-keyed.
#include <vector>

#include "gfx/Canvas.h"

namespace gfx {

namespace {

enum CopyMode : int { kModeRop = 0, kModeAlpha = 1, kModeKey = 2 };

constexpr uint32_t kRgb = 0x00FFFFFFu;

uint32_t Blend(uint32_t dst, uint32_t src) {
    const uint32_t a = src >> 24;
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        out |= ((s * a + d * (255 - a) + 127) / 255) << shift;
    }
    return out | Bitmap::kOpaque;
}

uint32_t ApplyRop(Rop rop, uint32_t d, uint32_t s, uint32_t brush) {
    switch (rop) {
        case Rop::SrcCopy: return s & kRgb;
        case Rop::SrcAnd: return d & s & kRgb;
        case Rop::SrcPaint: return (d | s) & kRgb;
        case Rop::PatCopy: return brush;
        // A white source pixel is a 1 bit after monochrome conversion.
        case Rop::PSDPxax: return (s & kRgb) == kRgb ? (d & kRgb) : brush;
    }
    return s & kRgb;
}

// Source coordinate of each destination offset: the source pixel whose
// centre is nearest to the destination pixel's centre.
std::vector<int> SampleMap(int dstLen, int srcStart, int srcLen) {
    std::vector<int> map(static_cast<size_t>(dstLen));
    for (int i = 0; i < dstLen; ++i)
        map[static_cast<size_t>(i)] =
            srcStart + static_cast<int>((2LL * i + 1) * srcLen / (2LL * dstLen));
    return map;
}

}  // namespace

void Canvas::CopyPixels(const Rect& dst, const Bitmap& src, const Rect& srcRect, int mode, uint32_t extra) {
    if (dst.Empty() || srcRect.Empty() || src.Empty()) return;
    Region visible = Region::FromRect(dst.Intersect({0, 0, target_->Width(), target_->Height()}));
    if (state_.clip) visible = visible.Intersect(*state_.clip);
    if (visible.Empty()) return;
    const std::vector<int> xs = SampleMap(dst.Width(), srcRect.left, srcRect.Width());
    const std::vector<int> ys = SampleMap(dst.Height(), srcRect.top, srcRect.Height());
    const Rop rop = static_cast<Rop>(extra);
    const uint32_t brush = ResolveColor(state_.brush.colour) & kRgb;
    for (const Rect& r : visible.Rects()) {
        for (int y = r.top; y < r.bottom; ++y) {
            const int sy = ys[static_cast<size_t>(y - dst.top)];
            if (sy < 0 || sy >= src.Height()) continue;
            uint32_t* row = target_->Row(y);
            const uint32_t* srow = src.Row(sy);
            for (int x = r.left; x < r.right; ++x) {
                const int sx = xs[static_cast<size_t>(x - dst.left)];
                if (sx < 0 || sx >= src.Width()) continue;
                const uint32_t s = srow[sx];
                if (mode == kModeAlpha) {
                    const uint32_t a = s >> 24;
                    if (a == 0xFF) row[x] = s;
                    else if (a != 0) row[x] = Blend(row[x], s);
                } else if (mode == kModeKey) {
                    if ((s & kRgb) != extra) row[x] = (s & kRgb) | Bitmap::kOpaque;
                } else {
                    row[x] = ApplyRop(rop, row[x], s, brush) | Bitmap::kOpaque;
                }
            }
        }
    }
}

void Canvas::Blit(int x, int y, const Bitmap& src, Rop rop) {
    StretchBlit(Rect::FromSize(x, y, src.Width(), src.Height()), src, {0, 0, src.Width(), src.Height()}, rop);
}

void Canvas::StretchBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect, Rop rop) {
    CopyPixels(dst.Offset(state_.origin.x, state_.origin.y), src, srcRect, kModeRop, static_cast<uint32_t>(rop));
}

void Canvas::AlphaBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
    CopyPixels(dst.Offset(state_.origin.x, state_.origin.y), src, srcRect, kModeAlpha, 0);
}

void Canvas::TransparentBlit(const Rect& dst, const Bitmap& src, const Rect& srcRect, Colour key) {
    CopyPixels(dst.Offset(state_.origin.x, state_.origin.y), src, srcRect, kModeKey, ResolveColor(key) & kRgb);
}

}  // namespace gfx
