#include "ui/Image.h"

namespace ui {

Image::Image(Control* container, std::string name) : Control(container, std::move(name)) { SetTabStop(false); }

void Image::SetPicture(std::shared_ptr<const gfx::Bitmap> picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void Image::SetStretch(bool on) {
    stretch_ = on;
    Invalidate();
}

void Image::Paint(gfx::Canvas& canvas) {
    if (!picture_) return;
    gfx::Rect src{0, 0, picture_->Width(), picture_->Height()};
    gfx::Rect dst = stretch_ ? gfx::Rect{0, 0, PixelWidth(), PixelHeight()} : src;
    canvas.AlphaBlit(dst, *picture_, src);
}

}  // namespace ui
