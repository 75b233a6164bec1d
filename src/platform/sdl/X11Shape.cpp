#include "platform/sdl/X11Shape.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <vector>

namespace platform::sdl {

namespace {

bool g_xErrorSeen = false;

int RecordXError(Display*, XErrorEvent*) {
    g_xErrorSeen = true;
    return 0;
}

bool WmInfo(SDL_Window* window, SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    return window && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11;
}

}  // namespace

unsigned long X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    return WmInfo(window, info) ? info.info.x11.window : 0;
}

bool ApplyX11Shape(SDL_Window* window, const gfx::Region& shape, std::string* why) {
    SDL_SysWMinfo info;
    if (!WmInfo(window, info)) {
        *why = "the window has no X11 handle";
        return false;
    }
    Display* display = info.info.x11.display;
    const Window xwindow = info.info.x11.window;
    int eventBase = 0, errorBase = 0;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) {
        *why = "the X server has no SHAPE extension";
        return false;
    }

    std::vector<XRectangle> rects;
    for (const gfx::Rect& r : shape.Rects())
        rects.push_back({static_cast<short>(r.left), static_cast<short>(r.top),
                         static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height())});

    // A bad window or request must not end the program through Xlib's default handler.
    XSync(display, False);
    g_xErrorSeen = false;
    auto* previous = XSetErrorHandler(RecordXError);
    for (int kind : {ShapeBounding, ShapeInput})
        XShapeCombineRectangles(display, xwindow, kind, 0, 0, rects.data(), static_cast<int>(rects.size()),
                                ShapeSet, Unsorted);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (g_xErrorSeen) *why = "the X server refused the shape";
    return !g_xErrorSeen;
}

}  // namespace platform::sdl
