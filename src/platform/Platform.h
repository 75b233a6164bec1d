#pragma once
// The one seam between the program and the operating system. Everything above
// platform/ talks to a Backend; two implementations exist: the SDL2 one
// (sdl/SdlBackend.h) and the headless one used by tests (headless/HeadlessBackend.h).
// Input crosses the seam as plain Event records.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace platform {

using WindowId = uint32_t;  // 0 = none

// Mouse buttons as the forms runtime counts them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
// Shift state bits.
enum ShiftBits : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };
// Virtual-key codes used by the program.
enum VirtualKey : int {
    kVkBack = 8, kVkTab = 9, kVkReturn = 13, kVkShift = 16, kVkControl = 17, kVkMenu = 18,
    kVkEscape = 27, kVkSpace = 32, kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40,
    kVkF1 = 112,  // letters and digits are their upper-case ASCII codes
};

enum class EventType {
    None,
    Quit,           // the session asks the program to end
    MouseDown,      // x, y in window pixels; button; shift
    MouseUp,
    MouseMove,      // button holds the buttons down (bit set)
    DoubleClick,    // second press of a double click, delivered instead of MouseDown
    KeyDown,        // key: virtual-key code; shift
    KeyUp,
    Char,           // ch: the typed character (Unicode)
    Shown,
    Minimized,
    Restored,
    Moved,          // x, y: the new top-left corner in screen pixels
    Exposed,        // the window's contents must be presented again
    FocusGained,
    FocusLost,
    CloseRequested, // the window manager asks to close the window
    MouseLeft,      // the pointer left the window
    DragStarted,    // a press on a draggable point was taken over by the window manager
};

struct Event {
    EventType type = EventType::None;
    WindowId window = 0;
    int x = 0;
    int y = 0;
    int button = 0;
    int shift = 0;
    int key = 0;
    char32_t ch = 0;
};

enum class Cursor { Arrow, Hand, Custom };

struct WindowSpec {
    std::string title;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool taskbarEntry = true;      // false for tool windows
    WindowId owner = 0;            // modal boxes name their owner
    const gfx::Bitmap* icon = nullptr;
};

// Answers whether a left press at (x, y) of the window starts a window drag.
using HitTest = std::function<bool(int x, int y)>;

class Backend {
public:
    virtual ~Backend() = default;

    // Windows. Positions in screen pixels; sizes in 1x pixels (see SetScale). A window
    // that cannot be created, shaped or drawn into throws std::runtime_error with a
    // message fit for the user.
    virtual WindowId CreateWindow(const WindowSpec& spec) = 0;
    virtual void DestroyWindow(WindowId w) = 0;
    virtual void ShowWindow(WindowId w) = 0;
    virtual void HideWindow(WindowId w) = 0;
    virtual void MinimizeWindow(WindowId w) = 0;
    virtual void RestoreWindow(WindowId w) = 0;
    virtual bool IsMinimized(WindowId w) = 0;
    virtual void RaiseWindow(WindowId w) = 0;
    virtual void SetWindowTitle(WindowId w, const std::string& title) = 0;
    virtual void SetWindowIcon(WindowId w, const gfx::Bitmap& icon) = 0;
    virtual void SetWindowPosition(WindowId w, int x, int y) = 0;
    virtual gfx::Point GetWindowPosition(WindowId w) = 0;
    virtual void SetWindowSize(WindowId w, int width, int height) = 0;
    // The outline of the window; outside it the window neither shows nor takes the mouse.
    virtual void SetWindowShape(WindowId w, const gfx::Region& shape) = 0;
    virtual void SetHitTest(WindowId w, HitTest test) = 0;
    // Shows the given rectangles of the window's framebuffer (same size as the window).
    virtual void Present(WindowId w, const gfx::Bitmap& framebuffer, const std::vector<gfx::Rect>& dirty) = 0;

    // Whole-number magnification s (1..4) of every window: sizes, outlines,
    // presentation and pointer pictures are s times larger on the screen, and mouse
    // positions (events, hit tests) arrive divided by s. Positions stay screen
    // pixels. Set it before the first window is created.
    virtual void SetScale(int s) = 0;
    virtual int Scale() const = 0;
    // The desktop's X resources (the root window's RESOURCE_MANAGER); "" when none.
    virtual std::string DesktopResources() = 0;

    // Mouse.
    virtual void SetCursor(Cursor c) = 0;
    // The picture of a pointer shape and its hot spot, at 1x; magnified with the windows.
    virtual void SetPointerPicture(Cursor c, const gfx::Bitmap& picture, gfx::Point hotSpot) = 0;
    // A pointer made from a picture (its transparent pixels see-through); hotSpot in its pixels.
    virtual void SetCursorImage(const gfx::Bitmap& image, gfx::Point hotSpot) = 0;
    virtual void CaptureMouse(WindowId w) = 0;  // 0 releases
    virtual gfx::Point GlobalPointer() = 0;
    virtual WindowId WindowUnderPointer() = 0;
    virtual gfx::Point ScreenSize() = 0;      // x = width, y = height

    // Events. WaitEvent blocks until an event arrives or timeoutMs passes (-1: no limit)
    // and returns false on time-out; it never spins.
    virtual bool PollEvent(Event& e) = 0;
    virtual bool WaitEvent(Event& e, int timeoutMs) = 0;

    // Clock: monotonic milliseconds, and the seconds of the current minute (0..59).
    virtual uint64_t NowMs() = 0;
    virtual int SecondsOfMinute() = 0;

    // One sound at a time: a new sound halts the one playing. Missing or unreadable
    // files and a missing audio device are silent.
    virtual void PlaySound(const std::string& path) = 0;
    // Opens an address (or file:// URL) in the default browser; returns at once.
    virtual void OpenURL(const std::string& url) = 0;
};

}  // namespace platform
