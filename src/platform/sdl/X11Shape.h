#pragma once
// The window outline through the X11 SHAPE extension.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "gfx/Region.h"

namespace platform::sdl {

// The X window behind an SDL window, or 0 when the video driver is not X11.
unsigned long X11WindowOf(SDL_Window* window);

// Sets the bounding and input shapes of the window to the region. Returns false,
// with the reason in `why`, without the extension or when the server refuses;
// callers only ask on the X11 video driver.
bool ApplyX11Shape(SDL_Window* window, const gfx::Region& shape, std::string* why);

}  // namespace platform::sdl
