// SDL events into the program's Event records.
#include "platform/DisplayScale.h"
#include "platform/sdl/SdlBackendImpl.h"
#include "platform/sdl/SdlInput.h"

namespace platform {

namespace {

Event Make(EventType type, Uint32 window) {
    Event e;
    e.type = type;
    e.window = window;
    return e;
}

// Mouse positions reach the program in 1x pixels.
Event MouseButtonEvent(const SDL_MouseButtonEvent& b, int button, int s) {
    EventType type = EventType::MouseUp;
    if (b.type == SDL_MOUSEBUTTONDOWN) type = b.clicks == 2 ? EventType::DoubleClick : EventType::MouseDown;
    Event e = Make(type, b.windowID);
    e.x = ToLogical(b.x, s);
    e.y = ToLogical(b.y, s);
    e.button = button;
    e.shift = sdl::ShiftBitsOf(SDL_GetModState());
    return e;
}

}  // namespace

void SdlBackend::Impl::TranslateWindowEvent(const SDL_WindowEvent& ev) {
    SdlWindowRecord* rec = Find(ev.windowID);
    if (!rec) return;
    switch (ev.event) {
        case SDL_WINDOWEVENT_SHOWN:
            rec->shown = true;
            ApplyShape(*rec, true);
            pending.push_back(Make(EventType::Shown, ev.windowID));
            break;
        case SDL_WINDOWEVENT_HIDDEN: rec->shown = false; break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            ApplyShape(*rec, false);
            pending.push_back(Make(EventType::Exposed, ev.windowID));
            break;
        case SDL_WINDOWEVENT_MOVED: {
            Event e = Make(EventType::Moved, ev.windowID);
            e.x = ev.data1;
            e.y = ev.data2;
            pending.push_back(e);
            break;
        }
        case SDL_WINDOWEVENT_MINIMIZED: pending.push_back(Make(EventType::Minimized, ev.windowID)); break;
        case SDL_WINDOWEVENT_RESTORED: pending.push_back(Make(EventType::Restored, ev.windowID)); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: pending.push_back(Make(EventType::FocusGained, ev.windowID)); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: pending.push_back(Make(EventType::FocusLost, ev.windowID)); break;
        case SDL_WINDOWEVENT_CLOSE: pending.push_back(Make(EventType::CloseRequested, ev.windowID)); break;
        case SDL_WINDOWEVENT_LEAVE: pending.push_back(Make(EventType::MouseLeft, ev.windowID)); break;
        case SDL_WINDOWEVENT_HIT_TEST: {
            // The press went to the window manager; the release may never come.
            Event e = Make(EventType::DragStarted, ev.windowID);
            e.x = rec->lastDragPoint.x;
            e.y = rec->lastDragPoint.y;
            e.button = kLeftButton;
            pending.push_back(e);
            break;
        }
        default: break;
    }
}

void SdlBackend::Impl::Translate(const SDL_Event& ev) {
    switch (ev.type) {
        case SDL_QUIT: pending.push_back(Make(EventType::Quit, 0)); break;
        case SDL_WINDOWEVENT: TranslateWindowEvent(ev.window); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const int button = sdl::ButtonCodeOf(ev.button.button);
            if (button != 0) pending.push_back(MouseButtonEvent(ev.button, button, scale));
            break;
        }
        case SDL_MOUSEMOTION: {
            Event e = Make(EventType::MouseMove, ev.motion.windowID);
            e.x = ToLogical(ev.motion.x, scale);
            e.y = ToLogical(ev.motion.y, scale);
            e.button = sdl::ButtonMaskOf(ev.motion.state);
            e.shift = sdl::ShiftBitsOf(SDL_GetModState());
            pending.push_back(e);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int vk = sdl::VirtualKeyOf(ev.key.keysym.sym);
            if (vk == 0) break;
            Event e = Make(ev.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp, ev.key.windowID);
            e.key = vk;
            e.shift = sdl::ShiftBitsOf(ev.key.keysym.mod);
            pending.push_back(e);
            break;
        }
        case SDL_TEXTINPUT:
            for (char32_t ch : sdl::DecodeUtf8(ev.text.text)) {
                Event e = Make(EventType::Char, ev.text.windowID);
                e.ch = ch;
                pending.push_back(e);
            }
            break;
        default: break;  // wheel and everything else: not used by the program
    }
}

}  // namespace platform
