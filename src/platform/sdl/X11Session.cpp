#include "platform/sdl/X11Session.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>

namespace platform::sdl {

namespace {

std::function<void()> g_connectionLost;

// A window can vanish between a request and its error (a message box closed
// while SDL wakes its loop with a client message to it): that must not end
// the game. Other errors are reported the same way and ignored as well.
int OnXError(Display* display, XErrorEvent* e) {
    char text[160] = "";
    XGetErrorText(display, e->error_code, text, sizeof text);
    const bool gone = e->error_code == BadWindow || e->error_code == BadDrawable;
    std::fprintf(stderr, "Kelvaro: X error ignored%s: %s (request %d, resource 0x%lx)\n",
                 gone ? " (the window is already gone)" : "", text, e->request_code, e->resourceid);
    return 0;
}

// Xlib ends the process when this returns; ending here with _exit keeps the
// static destructors (and SDL's clean-up over a dead connection) from running.
int OnXIOError(Display*) {
    static bool running = false;
    if (!running) {
        running = true;
        if (g_connectionLost) g_connectionLost();
    }
    std::fputs("Kelvaro: the connection to the X server was lost; the window position was saved\n", stderr);
    std::fflush(nullptr);
    _exit(1);
}

}  // namespace

void InstallX11Handlers() {
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnXIOError);
}

void SetX11ConnectionLost(std::function<void()> handler) { g_connectionLost = std::move(handler); }

void MarkX11ModalDialog(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    Display* display = info.info.x11.display;
    const Window xwindow = info.info.x11.window;
    // Before the first map the window manager reads _NET_WM_STATE from the property.
    Atom modal = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
    XChangeProperty(display, xwindow, XInternAtom(display, "_NET_WM_STATE", False), XA_ATOM, 32, PropModeAppend,
                    reinterpret_cast<unsigned char*>(&modal), 1);
    XFlush(display);
}

}  // namespace platform::sdl
