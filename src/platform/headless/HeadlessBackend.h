#pragma once
// The backend used by tests: no window system, no sound, no clock of its own.
// Windows are records with an in-memory copy of what was presented; time moves
// only when a test (or an idle wait) moves it; input is scripted; every effect
// on the outside world is recorded for the test to read.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace platform {

// What the headless backend knows about one window.
struct HeadlessWindow {
    WindowId id = 0;
    WindowSpec spec;             // as created
    std::string title;
    gfx::Point position;
    int width = 0;                // on the screen: the 1x size times the scale
    int height = 0;
    bool shown = false;
    bool minimized = false;
    bool destroyed = false;
    bool hasIcon = false;
    bool hasShape = false;
    gfx::Region shape;           // meaningful when hasShape; screen pixels, magnified
    HitTest hitTest;
    gfx::Bitmap screen;          // what has been presented so far, magnified
    int presentCount = 0;
    std::vector<gfx::Rect> lastDirty;
    int raiseCount = 0;
};

class HeadlessBackend : public Backend {
public:
    static constexpr uint64_t kStartMs = 1'000'000;

    HeadlessBackend();

    // --- Backend ---
    WindowId CreateWindow(const WindowSpec& spec) override;
    void DestroyWindow(WindowId w) override;
    void ShowWindow(WindowId w) override;
    void HideWindow(WindowId w) override;
    void MinimizeWindow(WindowId w) override;
    void RestoreWindow(WindowId w) override;
    bool IsMinimized(WindowId w) override;
    void RaiseWindow(WindowId w) override;
    void SetWindowTitle(WindowId w, const std::string& title) override;
    void SetWindowIcon(WindowId w, const gfx::Bitmap& icon) override;
    void SetWindowPosition(WindowId w, int x, int y) override;
    gfx::Point GetWindowPosition(WindowId w) override;
    void SetWindowSize(WindowId w, int width, int height) override;
    void SetWindowShape(WindowId w, const gfx::Region& shape) override;
    void SetHitTest(WindowId w, HitTest test) override;
    void Present(WindowId w, const gfx::Bitmap& framebuffer, const std::vector<gfx::Rect>& dirty) override;
    void SetScale(int s) override { scale_ = s < 1 ? 1 : s; }
    int Scale() const override { return scale_; }
    std::string DesktopResources() override { return resources_; }
    void SetCursor(Cursor c) override;
    void SetPointerPicture(Cursor c, const gfx::Bitmap& picture, gfx::Point hotSpot) override;
    void SetCursorImage(const gfx::Bitmap& image, gfx::Point hotSpot) override;
    void CaptureMouse(WindowId w) override;
    gfx::Point GlobalPointer() override;
    WindowId WindowUnderPointer() override;
    gfx::Point ScreenSize() override;
    bool PollEvent(Event& e) override;
    // A queued event is returned at once. Otherwise the idle hook runs (if set) and
    // may queue events; if it did not, the clock advances by timeoutMs and the call
    // returns false. With timeoutMs -1 and nothing queued it returns false at once.
    bool WaitEvent(Event& e, int timeoutMs) override;
    uint64_t NowMs() override { return nowMs_; }
    int SecondsOfMinute() override;
    void PlaySound(const std::string& path) override;
    void OpenURL(const std::string& url) override;

    // --- Clock ---
    void AdvanceClock(uint64_t ms) { nowMs_ += ms; }
    // Fixes the seconds at this moment; they then run on with the virtual clock.
    void SetSecondsOfMinute(int seconds);
    // Replaces the seconds source entirely (nullptr restores the virtual one).
    void SetSecondsHook(std::function<int()> hook) { secondsHook_ = std::move(hook); }

    // --- Scripted input (window pixels as on the screen: magnified by the scale) ---
    // Events are delivered in order. A mouse event moves the pointer to its
    // position when it is delivered. A left press where the window's hit test
    // answers true is delivered as DragStarted, and the matching release is
    // swallowed, as the window manager takes the press over.
    void Push(const Event& e);
    // A mouse event as the helpers below push it, for input planned ahead.
    static Event MouseEvent(EventType type, WindowId w, int x, int y, int button, int shift = 0);
    void MouseDown(WindowId w, int x, int y, int button = kLeftButton, int shift = 0);
    void MouseUp(WindowId w, int x, int y, int button = kLeftButton, int shift = 0);
    void Move(WindowId w, int x, int y, int buttons = 0, int shift = 0);
    void Click(WindowId w, int x, int y, int button = kLeftButton, int shift = 0);  // down + up
    void DoubleClick(WindowId w, int x, int y);  // down, up, DoubleClick, up
    void Key(WindowId w, int vk, int shift = 0);  // KeyDown + KeyUp (no Char)
    void Char(WindowId w, char32_t ch);
    void Type(WindowId w, const std::u32string& text);  // one Char per character
    // The window manager moving a window (after a drag): new position and a Moved event.
    void MoveWindowByUser(WindowId w, int x, int y);
    // Places the pointer directly, in screen pixels (no event).
    void SetPointer(int screenX, int screenY);
    size_t PendingEvents() const { return queue_.size(); }
    void ClearEvents() { queue_.clear(); }
    // Runs when WaitEvent finds the queue empty; a harness can answer modal boxes here.
    void SetIdleHook(std::function<void(HeadlessBackend&)> hook) { idleHook_ = std::move(hook); }

    // --- Recorded effects ---
    void SetScreenSize(int width, int height) { screen_ = {width, height}; }
    void SetDesktopResources(std::string text) { resources_ = std::move(text); }
    // The hand pointer as shown (magnified) and its hot spot; empty until set.
    const gfx::Bitmap& HandPicture() const { return handPicture_; }
    gfx::Point HandHotSpot() const { return handHotSpot_; }
    const gfx::Bitmap& Screen(WindowId w) const;
    const HeadlessWindow& Window(WindowId w) const;
    bool Exists(WindowId w) const;
    // Windows not destroyed, in creation order.
    std::vector<WindowId> OpenWindows() const;
    WindowId LastCreatedWindow() const { return nextId_ - 1; }
    const std::vector<std::string>& Sounds() const { return sounds_; }
    const std::vector<std::string>& URLs() const { return urls_; }
    Cursor CurrentCursor() const { return cursor_; }
    // The picture of the last Cursor::Custom pointer, and its hot spot.
    const gfx::Bitmap& CursorImage() const { return cursorImage_; }
    gfx::Point CursorHotSpot() const { return cursorHotSpot_; }
    const std::vector<Cursor>& CursorHistory() const { return cursorHistory_; }
    WindowId Captured() const { return capture_; }
    void ClearRecords();
    // Drops what is kept of destroyed windows (long runs would grow without end).
    void ForgetDestroyedWindows();

private:
    HeadlessWindow* Find(WindowId w);
    void Queue(Event e) { queue_.push_back(e); }
    bool TakeEvent(Event& e);

    std::map<WindowId, HeadlessWindow> windows_;
    WindowId nextId_ = 1;
    std::deque<Event> queue_;
    uint64_t nowMs_ = kStartMs;
    uint64_t secondsBaseMs_ = kStartMs;  // the virtual clock at second 0 of the minute
    std::function<int()> secondsHook_;
    std::function<void(HeadlessBackend&)> idleHook_;
    gfx::Point screen_{1024, 768};
    int scale_ = 1;
    std::string resources_;
    gfx::Bitmap handPicture_;
    gfx::Point handHotSpot_;
    gfx::Point pointer_;
    WindowId pointerWindow_ = 0;
    WindowId dragSwallow_ = 0;  // window whose next left release the window manager took
    Cursor cursor_ = Cursor::Arrow;
    std::vector<Cursor> cursorHistory_;
    gfx::Bitmap cursorImage_;
    gfx::Point cursorHotSpot_;
    WindowId capture_ = 0;
    std::vector<std::string> sounds_;
    std::vector<std::string> urls_;
};

}  // namespace platform
