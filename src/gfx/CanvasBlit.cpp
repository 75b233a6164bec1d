// Bitmap copies: plain, stretched (nearest neighbour), raster operations,
// alpha-aware and colour-keyed.
#include <algorithm>
#include <cstring>
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
    if (dstLen == srcLen) {
        for (int i = 0; i < dstLen; ++i) map[static_cast<size_t>(i)] = srcStart + i;
        return map;
    }
    for (int i = 0; i < dstLen; ++i)
        map[static_cast<size_t>(i)] =
            srcStart + static_cast<int>((2LL * i + 1) * srcLen / (2LL * dstLen));
    return map;
}

// The offsets whose samples lie in [0, limit), as [first, last): samples never
// decrease, so they form one run.
std::pair<int, int> InsideRun(const std::vector<int>& map, int limit) {
    const auto first = std::lower_bound(map.begin(), map.end(), 0);
    const auto last = std::lower_bound(first, map.end(), limit);
    return {static_cast<int>(first - map.begin()), static_cast<int>(last - map.begin())};
}

// How one row of samples lands on the target; chosen once per copy.
enum class RowKind { Move, Gather, GatherOpaque, Alpha, Key, Rop };

struct RowCopy {
    RowKind kind;
    Rop rop;
    uint32_t extra;  // key colour or brush
};

RowCopy ChooseRow(int mode, uint32_t extra, const Bitmap& src, bool unitWidth, uint32_t brush) {
    const Rop rop = static_cast<Rop>(extra);
    if (mode == kModeKey) return {RowKind::Key, rop, extra};
    if (mode == kModeRop && rop != Rop::SrcCopy) return {RowKind::Rop, rop, brush};
    // A plain copy, or a blend whose source has nothing to blend.
    if (src.IsOpaque()) return {unitWidth ? RowKind::Move : RowKind::Gather, rop, 0};
    return {mode == kModeAlpha ? RowKind::Alpha : RowKind::GatherOpaque, rop, 0};
}

// Writes n pixels at d from the source row s sampled at xs.
void CopyRow(const RowCopy& how, uint32_t* d, const uint32_t* s, const int* xs, int n) {
    switch (how.kind) {
        case RowKind::Move: std::memmove(d, s + xs[0], static_cast<size_t>(n) * sizeof(uint32_t)); return;
        case RowKind::Gather:
            for (int i = 0; i < n; ++i) d[i] = s[xs[i]];
            return;
        case RowKind::GatherOpaque:
            for (int i = 0; i < n; ++i) d[i] = s[xs[i]] | Bitmap::kOpaque;
            return;
        case RowKind::Alpha:
            for (int i = 0; i < n; ++i) {
                const uint32_t p = s[xs[i]];
                const uint32_t a = p >> 24;
                if (a == 0xFF) d[i] = p;
                else if (a != 0) d[i] = Blend(d[i], p);
            }
            return;
        case RowKind::Key:
            for (int i = 0; i < n; ++i) {
                const uint32_t p = s[xs[i]];
                if ((p & kRgb) != how.extra) d[i] = (p & kRgb) | Bitmap::kOpaque;
            }
            return;
        case RowKind::Rop:
            for (int i = 0; i < n; ++i) d[i] = ApplyRop(how.rop, d[i], s[xs[i]], how.extra) | Bitmap::kOpaque;
            return;
    }
}

}  // namespace

void Canvas::CopyPixels(const Rect& dst, const Bitmap& src, const Rect& srcRect, int mode, uint32_t extra) {
    if (dst.Empty() || srcRect.Empty() || src.Empty()) return;
    const std::vector<int> xs = SampleMap(dst.Width(), srcRect.left, srcRect.Width());
    const std::vector<int> ys = SampleMap(dst.Height(), srcRect.top, srcRect.Height());
    // Destination pixels whose sample falls outside the source are left alone.
    const auto [x0, x1] = InsideRun(xs, src.Width());
    const auto [y0, y1] = InsideRun(ys, src.Height());
    const Rect sampled = Rect{dst.left + x0, dst.top + y0, dst.left + x1, dst.top + y1}.Intersect(
        {0, 0, target_->Width(), target_->Height()});
    if (sampled.Empty()) return;
    const RowCopy how = ChooseRow(mode, extra, src, dst.Width() == srcRect.Width(),
                                  ResolveColor(state_.brush.colour) & kRgb);
    auto copyRect = [&](const Rect& r) {
        const int* cols = xs.data() + (r.left - dst.left);
        for (int y = r.top; y < r.bottom; ++y)
            CopyRow(how, target_->OpaqueRow(y) + r.left, src.Row(ys[static_cast<size_t>(y - dst.top)]), cols,
                    r.Width());
    };
    if (!state_.clip) {
        copyRect(sampled);
        return;
    }
    for (const Rect& r : Region::FromRect(sampled).Intersect(*state_.clip).Rects()) copyRect(r);
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
