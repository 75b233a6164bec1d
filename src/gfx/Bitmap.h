#pragma once
// A 32-bit image. Each pixel is 0xAABBGGRR: the low 24 bits are the colour as
// the API gives it, the top byte its opacity (0xFF opaque). Drawing writes
// opaque pixels; only decoded pictures carry transparency.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/Colour.h"

namespace gfx {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = 0xFFFFFF);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Colour without opacity; 0 outside the bitmap.
    Colour GetPixel(int x, int y) const;
    // Writes an opaque pixel; ignored outside the bitmap.
    void SetPixel(int x, int y, Colour c);

    // Writable access may store any opacity, so it forgets what IsOpaque knew.
    uint32_t Raw(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void SetRaw(int x, int y, uint32_t v) {
        opacity_ = Opacity::Unknown;
        pixels_[static_cast<std::size_t>(y) * width_ + x] = v;
    }
    uint32_t* Row(int y) {
        opacity_ = Opacity::Unknown;
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    uint32_t* Data() {
        opacity_ = Opacity::Unknown;
        return pixels_.data();
    }
    const uint32_t* Data() const { return pixels_.data(); }

    // A row for writers that never lower a pixel's opacity (all drawing):
    // a bitmap known to be opaque stays so, and copies from it stay plain copies.
    uint32_t* OpaqueRow(int y) {
        if (opacity_ == Opacity::Translucent) opacity_ = Opacity::Unknown;
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // True when every pixel is fully opaque. Worked out on first use and
    // remembered until a writable accessor is used.
    bool IsOpaque() const;

    void Fill(Colour c);

    static constexpr uint32_t kOpaque = 0xFF000000u;

private:
    enum class Opacity : uint8_t { Unknown, Opaque, Translucent };

    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
    mutable Opacity opacity_ = Opacity::Opaque;  // filled opaque, or empty
};

}  // namespace gfx
