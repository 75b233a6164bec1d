#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

#include "platform/DisplayScale.h"

namespace platform {

namespace {

bool IsMouseEvent(EventType t) {
    return t == EventType::MouseDown || t == EventType::MouseUp || t == EventType::MouseMove ||
           t == EventType::DoubleClick;
}

Event WindowEvent(EventType type, WindowId w) {
    Event e;
    e.type = type;
    e.window = w;
    return e;
}

}  // namespace

Event HeadlessBackend::MouseEvent(EventType type, WindowId w, int x, int y, int button, int shift) {
    Event e;
    e.type = type;
    e.window = w;
    e.x = x;
    e.y = y;
    e.button = button;
    e.shift = shift;
    return e;
}

HeadlessBackend::HeadlessBackend() = default;

HeadlessWindow* HeadlessBackend::Find(WindowId w) {
    auto it = windows_.find(w);
    if (it == windows_.end() || it->second.destroyed) return nullptr;
    return &it->second;
}

WindowId HeadlessBackend::CreateWindow(const WindowSpec& spec) {
    HeadlessWindow win;
    win.id = nextId_++;
    win.spec = spec;
    win.title = spec.title;
    win.position = {spec.x, spec.y};
    win.width = spec.width * scale_;
    win.height = spec.height * scale_;
    win.hasIcon = spec.icon != nullptr;
    win.screen = gfx::Bitmap(std::max(win.width, 0), std::max(win.height, 0), 0);
    WindowId id = win.id;
    windows_.emplace(id, std::move(win));
    return id;
}

void HeadlessBackend::DestroyWindow(WindowId w) {
    if (HeadlessWindow* win = Find(w)) {
        win->destroyed = true;
        win->shown = false;
        win->hitTest = nullptr;
    }
    if (capture_ == w) capture_ = 0;
    if (pointerWindow_ == w) pointerWindow_ = 0;
    // Events still queued for a destroyed window are dropped, as a real backend would.
    std::erase_if(queue_, [w](const Event& e) { return e.window == w; });
}

void HeadlessBackend::ShowWindow(WindowId w) {
    HeadlessWindow* win = Find(w);
    if (!win || win->shown) return;
    win->shown = true;
    Queue(WindowEvent(EventType::Shown, w));
    Queue(WindowEvent(EventType::Exposed, w));
}

void HeadlessBackend::HideWindow(WindowId w) {
    if (HeadlessWindow* win = Find(w)) win->shown = false;
    if (pointerWindow_ == w) pointerWindow_ = 0;
}

void HeadlessBackend::MinimizeWindow(WindowId w) {
    HeadlessWindow* win = Find(w);
    if (!win || win->minimized) return;
    win->minimized = true;
    Queue(WindowEvent(EventType::Minimized, w));
}

void HeadlessBackend::RestoreWindow(WindowId w) {
    HeadlessWindow* win = Find(w);
    if (!win || !win->minimized) return;
    win->minimized = false;
    Queue(WindowEvent(EventType::Restored, w));
    Queue(WindowEvent(EventType::Exposed, w));
}

bool HeadlessBackend::IsMinimized(WindowId w) {
    HeadlessWindow* win = Find(w);
    return win && win->minimized;
}

void HeadlessBackend::RaiseWindow(WindowId w) {
    if (HeadlessWindow* win = Find(w)) ++win->raiseCount;
}

void HeadlessBackend::SetWindowTitle(WindowId w, const std::string& title) {
    if (HeadlessWindow* win = Find(w)) win->title = title;
}

void HeadlessBackend::SetWindowIcon(WindowId w, const gfx::Bitmap&) {
    if (HeadlessWindow* win = Find(w)) win->hasIcon = true;
}

void HeadlessBackend::SetWindowPosition(WindowId w, int x, int y) {
    if (HeadlessWindow* win = Find(w)) win->position = {x, y};
}

gfx::Point HeadlessBackend::GetWindowPosition(WindowId w) {
    HeadlessWindow* win = Find(w);
    return win ? win->position : gfx::Point{};
}

void HeadlessBackend::SetWindowSize(WindowId w, int width, int height) {
    HeadlessWindow* win = Find(w);
    if (!win) return;
    width *= scale_;
    height *= scale_;
    win->width = width;
    win->height = height;
    // Like a real window: what was shown is kept where it still fits.
    gfx::Bitmap grown(std::max(width, 0), std::max(height, 0), 0);
    for (int y = 0; y < std::min(height, win->screen.Height()); ++y)
        for (int x = 0; x < std::min(width, win->screen.Width()); ++x) grown.SetRaw(x, y, win->screen.Raw(x, y));
    win->screen = std::move(grown);
}

void HeadlessBackend::SetWindowShape(WindowId w, const gfx::Region& shape) {
    HeadlessWindow* win = Find(w);
    if (!win) return;
    win->shape = MagnifyRegion(shape, scale_);
    win->hasShape = true;
}

void HeadlessBackend::SetHitTest(WindowId w, HitTest test) {
    if (HeadlessWindow* win = Find(w)) win->hitTest = std::move(test);
}

void HeadlessBackend::Present(WindowId w, const gfx::Bitmap& framebuffer, const std::vector<gfx::Rect>& dirty) {
    HeadlessWindow* win = Find(w);
    if (!win) return;
    gfx::Bitmap& scr = win->screen;
    const int s = scale_;
    if (scr.Width() != framebuffer.Width() * s || scr.Height() != framebuffer.Height() * s)
        scr = gfx::Bitmap(framebuffer.Width() * s, framebuffer.Height() * s, 0);
    const gfx::Rect bounds{0, 0, framebuffer.Width(), framebuffer.Height()};
    for (const gfx::Rect& d : dirty) {
        const gfx::Rect r = d.Intersect(bounds);
        if (!r.Empty()) MagnifyRect(framebuffer, r, s, scr.Data(), static_cast<size_t>(scr.Width()) * 4);
    }
    ++win->presentCount;
    win->lastDirty = dirty;
}

void HeadlessBackend::SetCursor(Cursor c) {
    cursor_ = c;
    cursorHistory_.push_back(c);
}

void HeadlessBackend::SetPointerPicture(Cursor c, const gfx::Bitmap& picture, gfx::Point hotSpot) {
    if (c != Cursor::Hand) return;
    handPicture_ = MagnifyBitmap(picture, scale_);
    handHotSpot_ = {hotSpot.x * scale_, hotSpot.y * scale_};
}

void HeadlessBackend::SetCursorImage(const gfx::Bitmap& image, gfx::Point hotSpot) {
    SetCursor(Cursor::Custom);
    cursorImage_ = MagnifyBitmap(image, scale_);
    cursorHotSpot_ = {hotSpot.x * scale_, hotSpot.y * scale_};
}

void HeadlessBackend::CaptureMouse(WindowId w) { capture_ = w; }

gfx::Point HeadlessBackend::GlobalPointer() { return pointer_; }

WindowId HeadlessBackend::WindowUnderPointer() { return pointerWindow_; }

gfx::Point HeadlessBackend::ScreenSize() { return screen_; }

bool HeadlessBackend::TakeEvent(Event& e) {
    while (!queue_.empty()) {
        e = queue_.front();
        queue_.pop_front();
        if (IsMouseEvent(e.type)) {
            if (HeadlessWindow* win = Find(e.window)) {
                pointer_ = {win->position.x + e.x, win->position.y + e.y};
                pointerWindow_ = e.window;
            }
            e.x = ToLogical(e.x, scale_);
            e.y = ToLogical(e.y, scale_);
        } else if (e.type == EventType::MouseLeft && pointerWindow_ == e.window) {
            pointerWindow_ = 0;
        }
        if (e.type == EventType::MouseUp && e.button == kLeftButton && dragSwallow_ == e.window) {
            dragSwallow_ = 0;
            continue;
        }
        if (e.type == EventType::MouseDown && e.button == kLeftButton) {
            HeadlessWindow* win = Find(e.window);
            if (win && win->hitTest && win->hitTest(e.x, e.y)) {
                e.type = EventType::DragStarted;
                dragSwallow_ = e.window;
            }
        }
        return true;
    }
    return false;
}

bool HeadlessBackend::PollEvent(Event& e) { return TakeEvent(e); }

bool HeadlessBackend::WaitEvent(Event& e, int timeoutMs) {
    if (TakeEvent(e)) return true;
    if (idleHook_) {
        idleHook_(*this);
        if (TakeEvent(e)) return true;
    }
    if (timeoutMs > 0) nowMs_ += static_cast<uint64_t>(timeoutMs);
    return false;
}

int HeadlessBackend::SecondsOfMinute() {
    if (secondsHook_) return secondsHook_();
    return static_cast<int>(((nowMs_ - secondsBaseMs_) / 1000) % 60);
}

void HeadlessBackend::SetSecondsOfMinute(int seconds) {
    secondsBaseMs_ = nowMs_ - static_cast<uint64_t>(((seconds % 60) + 60) % 60) * 1000;
}

void HeadlessBackend::PlaySound(const std::string& path) { sounds_.push_back(path); }

void HeadlessBackend::OpenURL(const std::string& url) { urls_.push_back(url); }

void HeadlessBackend::Push(const Event& e) { Queue(e); }

void HeadlessBackend::MouseDown(WindowId w, int x, int y, int button, int shift) {
    Queue(MouseEvent(EventType::MouseDown, w, x, y, button, shift));
}

void HeadlessBackend::MouseUp(WindowId w, int x, int y, int button, int shift) {
    Queue(MouseEvent(EventType::MouseUp, w, x, y, button, shift));
}

void HeadlessBackend::Move(WindowId w, int x, int y, int buttons, int shift) {
    Queue(MouseEvent(EventType::MouseMove, w, x, y, buttons, shift));
}

void HeadlessBackend::Click(WindowId w, int x, int y, int button, int shift) {
    MouseDown(w, x, y, button, shift);
    MouseUp(w, x, y, button, shift);
}

void HeadlessBackend::DoubleClick(WindowId w, int x, int y) {
    Click(w, x, y);
    Queue(MouseEvent(EventType::DoubleClick, w, x, y, kLeftButton, 0));
    MouseUp(w, x, y);
}

void HeadlessBackend::Key(WindowId w, int vk, int shift) {
    Event e;
    e.type = EventType::KeyDown;
    e.window = w;
    e.key = vk;
    e.shift = shift;
    Queue(e);
    e.type = EventType::KeyUp;
    Queue(e);
}

void HeadlessBackend::Char(WindowId w, char32_t ch) {
    Event e;
    e.type = EventType::Char;
    e.window = w;
    e.ch = ch;
    Queue(e);
}

void HeadlessBackend::Type(WindowId w, const std::u32string& text) {
    for (char32_t ch : text) Char(w, ch);
}

void HeadlessBackend::MoveWindowByUser(WindowId w, int x, int y) {
    HeadlessWindow* win = Find(w);
    if (!win) return;
    win->position = {x, y};
    Event e = WindowEvent(EventType::Moved, w);
    e.x = x;
    e.y = y;
    Queue(e);
}

void HeadlessBackend::SetPointer(int screenX, int screenY) {
    pointer_ = {screenX, screenY};
    pointerWindow_ = 0;
    // The most recently created shown window lies on top.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        const HeadlessWindow& win = it->second;
        if (win.destroyed || !win.shown || win.minimized) continue;
        const int lx = screenX - win.position.x, ly = screenY - win.position.y;
        if (!gfx::Rect{0, 0, win.width, win.height}.Contains(lx, ly)) continue;
        if (win.hasShape && !win.shape.Contains(lx, ly)) continue;
        pointerWindow_ = win.id;
        break;
    }
}

const gfx::Bitmap& HeadlessBackend::Screen(WindowId w) const { return Window(w).screen; }

const HeadlessWindow& HeadlessBackend::Window(WindowId w) const {
    auto it = windows_.find(w);
    if (it == windows_.end()) throw std::out_of_range("HeadlessBackend: no such window");
    return it->second;
}

bool HeadlessBackend::Exists(WindowId w) const {
    auto it = windows_.find(w);
    return it != windows_.end() && !it->second.destroyed;
}

std::vector<WindowId> HeadlessBackend::OpenWindows() const {
    std::vector<WindowId> ids;
    for (const auto& [id, win] : windows_)
        if (!win.destroyed) ids.push_back(id);
    return ids;
}

void HeadlessBackend::ClearRecords() {
    sounds_.clear();
    urls_.clear();
    cursorHistory_.clear();
}

void HeadlessBackend::ForgetDestroyedWindows() {
    std::erase_if(windows_, [](const auto& entry) { return entry.second.destroyed; });
}

}  // namespace platform
