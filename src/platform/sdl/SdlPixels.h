#pragma once
// Framebuffer pixels (0xAABBGGRR) to whatever format the window surface has.
#include <SDL.h>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace platform::sdl {

// Copies rectangle r (1x, already clipped to both) of the framebuffer into the
// surface magnified s times, converting every pixel; the window shows the colour,
// opacity is dropped. Each row is converted once and duplicated with memcpy.
void CopyToSurface(const gfx::Bitmap& framebuffer, SDL_Surface* surface, const gfx::Rect& r, int s = 1);

// A surface of the bitmap's pixels in their own format (for icons); nullptr on failure.
SDL_Surface* SurfaceOf(const gfx::Bitmap& bitmap);

}  // namespace platform::sdl
