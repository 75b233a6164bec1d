#include "platform/sdl/SdlPixels.h"

#include <cstring>
#include <vector>

#include "platform/DisplayScale.h"

namespace platform::sdl {

namespace {

// One framebuffer pixel in the surface's format, written s times from dst.
void PutPixel(const SDL_PixelFormat* fmt, uint32_t p, uint8_t* dst, int s) {
    const uint32_t v = SDL_MapRGB(fmt, p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF);
    const int bpp = fmt->BytesPerPixel;
    const uint8_t bytes[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                              static_cast<uint8_t>(v >> 24)};  // little-endian order of the packed value
    for (int k = 0; k < s; ++k, dst += bpp) std::memcpy(dst, bytes, static_cast<size_t>(bpp));
}

}  // namespace

void CopyToSurface(const gfx::Bitmap& framebuffer, SDL_Surface* surface, const gfx::Rect& r, int s) {
    if (r.Empty()) return;
    const bool locked = SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) == 0;
    const SDL_PixelFormat* fmt = surface->format;
    auto* base = static_cast<uint8_t*>(surface->pixels);
    const int bpp = fmt->BytesPerPixel;
    // The usual X11 visual: 0x00RRGGBB in 32 bits; swap red and blue and be done.
    const bool xrgb = bpp == 4 && fmt->Rmask == 0x00FF0000u && fmt->Gmask == 0x0000FF00u && fmt->Bmask == 0x000000FFu;
    const size_t rowBytes = static_cast<size_t>(r.Width()) * s * bpp;
    std::vector<uint32_t> converted(xrgb ? static_cast<size_t>(r.Width()) : 0);
    for (int y = r.top; y < r.bottom; ++y) {
        const uint32_t* src = framebuffer.Row(y);
        uint8_t* row = base + static_cast<size_t>(y) * s * surface->pitch + static_cast<size_t>(r.left) * s * bpp;
        if (xrgb) {
            for (int x = r.left; x < r.right; ++x) {
                const uint32_t p = src[x];
                converted[x - r.left] = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
            }
            WidenRow(converted.data(), r.Width(), s, reinterpret_cast<uint32_t*>(row));
        } else {
            for (int x = r.left; x < r.right; ++x)
                PutPixel(fmt, src[x], row + static_cast<size_t>(x - r.left) * s * bpp, s);
        }
        for (int k = 1; k < s; ++k) std::memcpy(row + static_cast<size_t>(k) * surface->pitch, row, rowBytes);
    }
    if (locked) SDL_UnlockSurface(surface);
}

SDL_Surface* SurfaceOf(const gfx::Bitmap& bitmap) {
    if (bitmap.Empty()) return nullptr;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, bitmap.Width(), bitmap.Height(), 32, SDL_PIXELFORMAT_ABGR8888);
    if (!s) return nullptr;
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch, bitmap.Row(y),
                    static_cast<size_t>(bitmap.Width()) * 4);
    return s;
}

}  // namespace platform::sdl
