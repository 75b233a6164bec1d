#include <algorithm>

#include "widgets/xpbutton/ButtonPainter.h"
#include "widgets/xpbutton/ColorShift.h"

namespace widgets {

namespace {

// Pixels of the picture that are not pure white become black: the monochrome
// source of the disabled silhouette.
gfx::Bitmap Monochrome(const gfx::Bitmap& src) {
    gfx::Bitmap out(src.Width(), src.Height(), 0xFFFFFF);
    for (int y = 0; y < src.Height(); ++y)
        for (int x = 0; x < src.Width(); ++x)
            if (src.GetPixel(x, y) != 0xFFFFFF) out.SetPixel(x, y, 0);
    return out;
}

}  // namespace

void ButtonPainter::DrawPicture(const gfx::Rect& r, int available, int leftOffset, int moved) {
    if (!p_.picture.Present()) return;
    const gfx::Bitmap& img = *p_.picture.image;
    gfx::Rect dst;
    switch (p_.pictureSize) {
    case 40:
        dst = gfx::Rect{moved, moved, SW(), SH()};
        break;
    case 48: {
        double s = std::min(static_cast<double>(available - 12) / img.Width(),
                            static_cast<double>(SH() - 12) / img.Height());
        int w = static_cast<int>(s * img.Width()), h = static_cast<int>(s * img.Height());
        int x = (available - w) / 2 + leftOffset + moved, y = (SH() - h) / 2 + moved;
        dst = gfx::Rect::FromSize(x, y, w, h);
        break;
    }
    default:
        dst = gfx::Rect::FromSize(r.left, r.top, p_.pictureSize, p_.pictureSize);
        break;
    }
    if (dst.Empty()) return;  // a copy that cannot be made is not drawn

    gfx::Rect whole{0, 0, img.Width(), img.Height()};
    if (p_.enabled) {
        if (p_.picture.icon) {
            canvas_.AlphaBlit(dst, img, whole);
        } else {
            canvas_.TransparentBlit(dst, img, whole, img.GetPixel(0, 0));
        }
        return;
    }
    // Disabled: the scaled copy on a white bitmap one pixel larger, then twice as an embossed silhouette.
    gfx::Bitmap scaled(dst.Width() + 1, dst.Height() + 1, 0xFFFFFF);
    {
        gfx::Canvas c(scaled);
        gfx::Rect to{0, 0, dst.Width(), dst.Height()};
        if (p_.picture.icon) {
            c.AlphaBlit(to, img, whole);
        } else {
            c.TransparentBlit(to, img, whole, img.GetPixel(0, 0));
        }
    }
    gfx::Bitmap mono = Monochrome(scaled);
    canvas_.SetBrush(gfx::Brush::Solid(S(0xC0C0C0, 36)));
    canvas_.Blit(dst.left - 1, dst.top - 1, mono, gfx::Rop::PSDPxax);
    canvas_.SetBrush(gfx::Brush::Solid(S(0xC0C0C0, -36)));
    canvas_.Blit(dst.left, dst.top, mono, gfx::Rop::PSDPxax);
}

}  // namespace widgets
