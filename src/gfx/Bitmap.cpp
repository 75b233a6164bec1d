#include "gfx/Bitmap.h"

#include <algorithm>

namespace gfx {

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_, (fill & 0xFFFFFFu) | kOpaque) {}

Colour Bitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Raw(x, y) & 0xFFFFFFu;
}

void Bitmap::SetPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    OpaqueRow(y)[x] = (c & 0xFFFFFFu) | kOpaque;
}

void Bitmap::Fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), (c & 0xFFFFFFu) | kOpaque);
    opacity_ = Opacity::Opaque;
}

bool Bitmap::IsOpaque() const {
    if (opacity_ == Opacity::Unknown) {
        // AND of all pixels: the top byte stays 0xFF only if every pixel has it.
        uint32_t all = kOpaque;
        for (const uint32_t p : pixels_) all &= p;
        opacity_ = (all & kOpaque) == kOpaque ? Opacity::Opaque : Opacity::Translucent;
    }
    return opacity_ == Opacity::Opaque;
}

}  // namespace gfx
