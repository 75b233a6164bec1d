#include "platform/sdl/X11Resources.h"

#include <X11/Xlib.h>

namespace platform::sdl {

std::string X11Resources() {
    // A short connection of our own: SDL hands out its display only with a window.
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const char* text = XResourceManagerString(display);
    std::string out = text ? text : "";
    XCloseDisplay(display);
    return out;
}

}  // namespace platform::sdl
