#include "widgets/xpbutton/ButtonLayout.h"

#include <algorithm>

#include "widgets/xpbutton/Caption.h"

namespace widgets {

HorizontalExtent ContentExtent(int shape, int left, int right, int sw) {
    HorizontalExtent e;
    switch (shape) {
    case 1:
        e.leftOffset = left - left / 3;
        e.limit = sw;
        e.available = sw - e.leftOffset;
        break;
    case 2:
        e.limit = (sw - right) / 3 + right;
        e.available = e.limit;
        break;
    case 3:
        e.leftOffset = left - left / 3;
        e.limit = (sw - right) / 3 + right;
        e.available = e.limit - e.leftOffset;
        break;
    default:
        e.available = right;
        e.limit = sw;
        break;
    }
    return e;
}

namespace {

struct Reserve {
    int lp = 0, rp = 0, tp = 0, bp = 0;
};

Reserve ReservedPictureSpace(const ButtonProperties& p, bool hasPicture) {
    Reserve r;
    int size = p.pictureSize;
    if (!hasPicture || size > 32) return r;  // 40 and 48 reserve nothing
    switch (p.pictureAlign) {
    case 0: case 1: r.lp = size; break;
    case 2: case 3: r.rp = size; break;
    case 4: r.tp = size; break;
    case 5: r.bp = size; break;
    default: break;
    }
    return r;
}

int CaptionShift(const ButtonProperties& p, const HorizontalExtent& e, const Reserve& r, int w) {
    int a = e.available, x = e.leftOffset;
    switch (p.captionAlign) {
    case 0: return x + r.lp + 6 + (r.lp > 0 ? 6 : 0);
    case 1: return e.limit - r.rp - 6 - w - (r.rp > 0 ? 6 : 0);
    default:
        if (r.lp > 0 && p.pictureAlign == 1) return (a - (w + r.lp + 6)) / 2 + x + 6 + r.lp;
        if (r.rp > 0 && p.pictureAlign == 3) return (a - (w + r.rp + 6)) / 2 + x;
        return (a - (r.rp + r.lp) - w) / 2 + x + r.lp;
    }
}

}  // namespace

ContentLayout ComputeLayout(const ButtonProperties& p, int left, int right, int sw, int sh, const MeasureFn& measure) {
    HorizontalExtent e = ContentExtent(p.buttonShape, left, right, sw);
    bool hasPicture = p.picture.Present();
    int size = p.pictureSize;
    Reserve r = ReservedPictureSpace(p, hasPicture);
    bool hasCaption = !p.caption.empty();

    gfx::Rect c{};
    int h = -3;
    if (hasCaption) {
        int maxW = e.available - 12 - ((r.lp > 0 || r.rp > 0) ? size : 0);
        int maxH = sh - 12 - ((r.tp > 0 || r.bp > 0) ? size : 0);
        gfx::Size m = measure(CaptionDisplayText(p.caption), maxW, maxH);
        int w = m.width, hh = m.height;
        if (p.captionStyle != 0) {
            w += 2;
            hh += 2;
        }
        h = hh;
        c = gfx::Rect{0, 0, w, hh};
        c = c.Offset(CaptionShift(p, e, r, w), 0);
    }

    gfx::Rect pic{};
    if (hasPicture) {
        int pl = 0, pt = 0;
        switch (p.pictureAlign) {
        case 0: pl = e.leftOffset + 6; break;
        case 1: pl = hasCaption ? c.left - 6 - r.lp : e.leftOffset + 6; break;
        case 2: pl = e.limit - 6 - r.rp; break;
        case 3: pl = hasCaption ? c.right + 6 : e.limit - 6 - r.rp; break;
        case 4: {
            int t = (sh - (h + r.tp)) / 2;
            pt = t;
            c = c.Offset(0, t + 2 + r.tp);
            break;
        }
        default: {
            int t = (sh - (h + r.bp)) / 2;
            pt = t + h + 3;
            c = c.Offset(0, t + 1);
            break;
        }
        }
        if (p.pictureAlign <= 3) {
            c = c.Offset(0, (sh - h) / 2);
            pt = (sh - size) / 2;
        } else {
            pl = (e.available - size) / 2 + e.leftOffset;
        }
        pic = gfx::Rect{pl, pt, pl + size, pt + size};
    } else {
        c = c.Offset(0, (sh - h) / 2);
    }

    auto clampRect = [&](gfx::Rect x) {
        x.left = std::max(x.left, 6);
        x.top = std::max(x.top, 6);
        x.right = std::min(x.right, e.limit);
        x.bottom = std::min(x.bottom, sh - 6);
        return x;
    };
    return ContentLayout{clampRect(c), clampRect(pic)};
}

}  // namespace widgets
