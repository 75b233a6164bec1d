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

    uint32_t Raw(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void SetRaw(int x, int y, uint32_t v) { pixels_[static_cast<std::size_t>(y) * width_ + x] = v; }
    uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    uint32_t* Data() { return pixels_.data(); }
    const uint32_t* Data() const { return pixels_.data(); }

    void Fill(Colour c);

    static constexpr uint32_t kOpaque = 0xFF000000u;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace gfx
