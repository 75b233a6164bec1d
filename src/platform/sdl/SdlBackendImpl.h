#pragma once
// State of the SDL backend, shared by its source files.
#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "platform/sdl/SdlBackend.h"
#include "platform/sdl/SdlHandles.h"
#include "platform/sdl/SdlSound.h"

namespace platform {

struct SdlWindowRecord {
    sdl::WindowHandle window;
    HitTest hitTest;
    std::optional<gfx::Region> shape;
    unsigned long shapedXWindow = 0;  // the X window the shape was last applied to
    bool shown = false;
    int scale = 1;                    // the backend's scale when the window was made
    gfx::Point lastDragPoint;         // where the window manager took a press over (1x)
};

struct SdlBackend::Impl {
    Impl() = default;
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // Keyed by the SDL window ID, which is also our WindowId.
    std::map<WindowId, std::unique_ptr<SdlWindowRecord>> windows;
    std::deque<Event> pending;  // translated events not yet handed out
    sdl::CursorHandle arrow;
    sdl::CursorHandle hand;
    sdl::CursorHandle custom;  // the picture pointer shown last
    std::unique_ptr<sdl::SdlSound> sound;
    int scale = 1;

    SdlWindowRecord* Find(WindowId w);
    // Applies the stored outline if the window is shown and the X window is new (or force).
    void ApplyShape(SdlWindowRecord& rec, bool force);
    // Turns one SDL event into zero or more program events on `pending`.
    void Translate(const SDL_Event& ev);
    void TranslateWindowEvent(const SDL_WindowEvent& ev);
};

}  // namespace platform
