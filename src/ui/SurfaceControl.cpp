#include "ui/SurfaceControl.h"

#include <algorithm>

namespace ui {

SurfaceControl::SurfaceControl(Control* container, std::string name)
    : Control(container, std::move(name)), canvas_(std::make_unique<gfx::Canvas>(surface_)) {}

SurfaceControl::~SurfaceControl() = default;

void SurfaceControl::SetBackColor(gfx::Colour c) {
    backColor_ = c;
    Cls();
    for (Control* child : Children()) child->OnAmbientChanged("BackColor");
}

void SurfaceControl::SetPicture(std::shared_ptr<const gfx::Bitmap> picture) {
    picture_ = std::move(picture);
    Cls();
}

void SurfaceControl::SetFont(const gfx::FontDesc& desc) {
    fontDesc_ = desc;
    font_.reset();
}

void SurfaceControl::Cls() {
    // An opaque picture covering the surface hides the back colour entirely.
    const bool covered = picture_ && picture_->Width() >= surface_.Width() &&
                         picture_->Height() >= surface_.Height() && picture_->IsOpaque();
    if (!covered) surface_.Fill(gfx::ResolveColor(backColor_));
    if (picture_) {
        gfx::Canvas c(surface_);
        c.AlphaBlit(0, 0, *picture_);
    }
    currentX_ = currentY_ = 0;
    MarkDirty({0, 0, surface_.Width(), surface_.Height()});
}

void SurfaceControl::PaintPicture(const gfx::Bitmap& pic, float x, float y, std::optional<float> w,
                                  std::optional<float> h, std::optional<float> srcX, std::optional<float> srcY,
                                  std::optional<float> srcW, std::optional<float> srcH, gfx::Rop rop) {
    int sx = srcX ? Px(*srcX) : 0;
    int sy = srcY ? Px(*srcY) : 0;
    int sw = srcW ? Px(*srcW) : pic.Width() - sx;
    int sh = srcH ? Px(*srcH) : pic.Height() - sy;
    int dw = w ? Px(*w) : sw;
    int dh = h ? Px(*h) : sh;
    gfx::Rect dst = gfx::Rect::FromSize(Px(x), Px(y), dw, dh);
    gfx::Rect src = gfx::Rect::FromSize(sx, sy, sw, sh);
    if (dst.Empty() || src.Empty()) return;
    gfx::Canvas c(surface_);
    // Pictures with transparent pixels (the skin) leave the background where they are clear.
    if (rop == gfx::Rop::SrcCopy)
        c.AlphaBlit(dst, pic, src);
    else
        c.StretchBlit(dst, pic, src, rop);
    MarkDirty(dst);
}

void SurfaceControl::Line(float x1, float y1, float x2, float y2, std::optional<gfx::Colour> colour) {
    gfx::Canvas c(surface_);
    c.SetPen(gfx::ResolveColor(colour.value_or(foreColor_)));
    int ax = Px(x1), ay = Px(y1), bx = Px(x2), by = Px(y2);
    c.Line(ax, ay, bx, by);
    MarkDirty({std::min(ax, bx), std::min(ay, by), std::max(ax, bx) + 1, std::max(ay, by) + 1});
}

void SurfaceControl::FillBox(float x1, float y1, float x2, float y2, gfx::Colour colour) {
    gfx::Rect r{Px(std::min(x1, x2)), Px(std::min(y1, y2)), Px(std::max(x1, x2)), Px(std::max(y1, y2))};
    gfx::Canvas c(surface_);
    c.FillRect(r, gfx::ResolveColor(colour));
    MarkDirty(r);
}

void SurfaceControl::Print(const std::string& text) {
    if (!font_) font_ = gfx::Font::Create(fontDesc_);
    gfx::Canvas c(surface_);
    c.SetFont(font_);
    c.SetTextColour(gfx::ResolveColor(foreColor_));
    c.SetTextTransparent(true);
    int x = Px(currentX_), y = Px(currentY_);
    c.TextOut(x, y, text);
    MarkDirty(gfx::Rect::FromSize(x, y, font_->MeasureWidth(text) + 2, font_->LineHeight()));
    currentX_ = 0;
    currentY_ += PixelsToScale(font_->LineHeight(), scaleMode_);
}

gfx::Canvas& SurfaceControl::Canvas() {
    MarkDirty({0, 0, surface_.Width(), surface_.Height()});
    return *canvas_;
}

gfx::Colour SurfaceControl::Point(float x, float y) const { return surface_.GetPixel(Px(x), Px(y)); }

void SurfaceControl::Paint(gfx::Canvas& canvas) { canvas.Blit(0, 0, surface_); }

void SurfaceControl::SetBounds(const gfx::Rect& r) {
    if (r.Width() != surface_.Width() || r.Height() != surface_.Height()) ResizeSurface(r.Width(), r.Height());
    Control::SetBounds(r);
}

void SurfaceControl::ResizeSurface(int width, int height) {
    gfx::Bitmap next(std::max(width, 0), std::max(height, 0), gfx::ResolveColor(backColor_));
    if (!surface_.Empty() && !next.Empty()) {
        gfx::Canvas c(next);
        c.Blit(0, 0, surface_);
    }
    surface_ = std::move(next);
}

void SurfaceControl::MarkDirty(const gfx::Rect& ownPixels) { Invalidate(ownPixels); }

}  // namespace ui
