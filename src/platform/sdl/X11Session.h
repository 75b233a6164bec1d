#pragma once
// The program's side of the X connection for the whole run: errors on windows
// that are already gone are logged and ignored, and a lost connection ends the
// program cleanly instead of through Xlib's exit().
#include <SDL.h>

#include <functional>

namespace platform::sdl {

// Installs both Xlib handlers (process-wide). Call once the X11 driver is up.
void InstallX11Handlers();

// Runs when the connection to the X server is lost, before the program ends
// with status 1; it must not talk to the server.
void SetX11ConnectionLost(std::function<void()> handler);

// Marks a window as a modal dialog of its transient owner for the window
// manager. Call before the window is first shown.
void MarkX11ModalDialog(SDL_Window* window);

}  // namespace platform::sdl
