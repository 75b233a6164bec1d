#include "platform/sdl/SdlBackend.h"

#include <csignal>
#include <ctime>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/DisplayScale.h"
#include "platform/sdl/SdlBackendImpl.h"
#include "platform/sdl/SdlPixels.h"
#include "platform/sdl/X11Resources.h"
#include "platform/sdl/X11Session.h"
#include "platform/sdl/X11Shape.h"

namespace platform {

namespace {

constexpr const char* kNoDisplay =
    "Kelvaro: cannot open the display (DISPLAY is not set or the X server is not reachable)";

// "Kelvaro: cannot <what> "<title>" <tail>: " for a failure that ends the program.
std::string WindowFailure(std::string_view what, const SdlWindowRecord& rec, std::string_view tail = "") {
    std::string text = "Kelvaro: cannot " + std::string(what) + " \"" + SDL_GetWindowTitle(rec.window.get()) + "\"";
    if (!tail.empty()) text += " " + std::string(tail);
    return text + ": ";
}

SDL_HitTestResult DragHitTest(SDL_Window*, const SDL_Point* p, void* data) {
    auto* rec = static_cast<SdlWindowRecord*>(data);
    // Left button only. X11 asks before SDL records the press, so the server's
    // button state (the global one) is consulted as well as SDL's.
    const Uint32 held = SDL_GetMouseState(nullptr, nullptr) | SDL_GetGlobalMouseState(nullptr, nullptr);
    if (!(held & SDL_BUTTON_LMASK) || (held & (SDL_BUTTON_RMASK | SDL_BUTTON_MMASK))) return SDL_HITTEST_NORMAL;
    const gfx::Point at{ToLogical(p->x, rec->scale), ToLogical(p->y, rec->scale)};
    if (!rec->hitTest || !rec->hitTest(at.x, at.y)) return SDL_HITTEST_NORMAL;
    rec->lastDragPoint = at;
    return SDL_HITTEST_DRAGGABLE;
}

// A pointer from a picture magnified by s, with its hot spot; empty on failure.
sdl::CursorHandle PictureCursor(const gfx::Bitmap& picture, gfx::Point hotSpot, int s) {
    sdl::SurfaceHandle surface(sdl::SurfaceOf(MagnifyBitmap(picture, s)));
    if (!surface) return {};
    return sdl::CursorHandle(SDL_CreateColorCursor(surface.get(), hotSpot.x * s, hotSpot.y * s));
}

// A hang-up ends the game like SIGTERM: through SDL's own handler, which
// turns it into a quit event, so the window is unloaded and its place saved.
void OnHangUp(int) { std::raise(SIGTERM); }

void TreatHangUpAsTerminate() {
    struct sigaction old {};
    if (sigaction(SIGHUP, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) return;  // nohup stays
    struct sigaction act {};
    act.sa_handler = OnHangUp;
    sigemptyset(&act.sa_mask);
    sigaction(SIGHUP, &act, nullptr);
}

}  // namespace

SdlBackend::Impl::~Impl() {
    windows.clear();
    arrow.reset();
    hand.reset();
    custom.reset();
    sound.reset();
    SDL_Quit();
}

SdlWindowRecord* SdlBackend::Impl::Find(WindowId w) {
    auto it = windows.find(w);
    return it == windows.end() ? nullptr : it->second.get();
}

void SdlBackend::Impl::ApplyShape(SdlWindowRecord& rec, bool force) {
    if (!rec.shape || !rec.shown) return;
    const unsigned long xwindow = sdl::X11WindowOf(rec.window.get());
    if (xwindow == 0 || (!force && xwindow == rec.shapedXWindow)) return;  // not X11: no outline to keep
    std::string why;
    if (!sdl::ApplyX11Shape(rec.window.get(), *rec.shape, &why))
        throw std::runtime_error(WindowFailure("give the window", rec, "its outline") + why);
    rec.shapedXWindow = xwindow;
}

SdlBackend::SdlBackend(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
SdlBackend::~SdlBackend() = default;

std::unique_ptr<SdlBackend> SdlBackend::Create(std::string* error) {
    // Without this the first SDL_GetWindowSurface may re-create the X window
    // and lose its shape.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // A second press counts as a double click only within 4 pixels of the first,
    // as on the desktop the game was made for; quick presses on neighbouring
    // tiles are two presses.
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "4");
    // Video and timer only here (audio is optional, see SdlSound); the joystick
    // subsystem would turn idle waits into polling.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        if (error) *error = std::string(kNoDisplay) + ": " + SDL_GetError();
        return nullptr;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    const std::string_view name = driver ? driver : "";
    if (name != "x11" && name != "wayland") {
        // SDL may settle on the offscreen or dummy driver without failing.
        SDL_Quit();
        if (error) *error = kNoDisplay;
        return nullptr;
    }
    if (name == "x11") sdl::InstallX11Handlers();
    TreatHangUpAsTerminate();
    auto impl = std::make_unique<Impl>();
    impl->arrow = sdl::CursorHandle(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
    impl->hand = sdl::CursorHandle(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND));
    impl->sound = std::make_unique<sdl::SdlSound>();
    SDL_StartTextInput();
    return std::unique_ptr<SdlBackend>(new SdlBackend(std::move(impl)));
}

void SdlBackend::SetConnectionLost(std::function<void()> handler) { sdl::SetX11ConnectionLost(std::move(handler)); }

bool SdlBackend::HasAudio() const { return impl_->sound && impl_->sound->HasDevice(); }

std::string SdlBackend::VideoDriver() const {
    const char* d = SDL_GetCurrentVideoDriver();
    return d ? d : "";
}

WindowId SdlBackend::CreateWindow(const WindowSpec& spec) {
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (!spec.taskbarEntry) flags |= SDL_WINDOW_SKIP_TASKBAR;
    std::string error;
    // A box with an owner is a dialog the window manager keeps above it.
    SDL_SetHint(SDL_HINT_X11_WINDOW_TYPE, spec.owner != 0 ? "_NET_WM_WINDOW_TYPE_DIALOG" : "_NET_WM_WINDOW_TYPE_NORMAL");
    auto window = sdl::Own<sdl::WindowHandle>(
        SDL_CreateWindow(spec.title.c_str(), spec.x, spec.y, spec.width * impl_->scale, spec.height * impl_->scale,
                         flags),
        "SDL_CreateWindow", &error);
    if (!window) throw std::runtime_error("Kelvaro: cannot create the window \"" + spec.title + "\": " + error);
    auto rec = std::make_unique<SdlWindowRecord>();
    rec->window = std::move(window);
    rec->scale = impl_->scale;
    const WindowId id = SDL_GetWindowID(rec->window.get());
    if (spec.owner != 0) {
        if (SdlWindowRecord* owner = impl_->Find(spec.owner)) {
            SDL_SetWindowModalFor(rec->window.get(), owner->window.get());  // transient for its owner
            sdl::MarkX11ModalDialog(rec->window.get());
        }
    }
    impl_->windows[id] = std::move(rec);
    if (spec.icon) SetWindowIcon(id, *spec.icon);
    return id;
}

void SdlBackend::DestroyWindow(WindowId w) {
    impl_->windows.erase(w);
    std::erase_if(impl_->pending, [w](const Event& e) { return e.window == w; });
}

void SdlBackend::ShowWindow(WindowId w) {
    SdlWindowRecord* rec = impl_->Find(w);
    if (!rec) return;
    SDL_ShowWindow(rec->window.get());  // waits for the map on X11
    rec->shown = true;
    impl_->ApplyShape(*rec, true);
}

void SdlBackend::HideWindow(WindowId w) {
    if (SdlWindowRecord* rec = impl_->Find(w)) {
        SDL_HideWindow(rec->window.get());
        rec->shown = false;
    }
}

void SdlBackend::MinimizeWindow(WindowId w) {
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_MinimizeWindow(rec->window.get());
}

void SdlBackend::RestoreWindow(WindowId w) {
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_RestoreWindow(rec->window.get());
}

bool SdlBackend::IsMinimized(WindowId w) {
    SdlWindowRecord* rec = impl_->Find(w);
    return rec && (SDL_GetWindowFlags(rec->window.get()) & SDL_WINDOW_MINIMIZED) != 0;
}

void SdlBackend::RaiseWindow(WindowId w) {
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_RaiseWindow(rec->window.get());
}

void SdlBackend::SetWindowTitle(WindowId w, const std::string& title) {
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_SetWindowTitle(rec->window.get(), title.c_str());
}

void SdlBackend::SetWindowIcon(WindowId w, const gfx::Bitmap& icon) {
    SdlWindowRecord* rec = impl_->Find(w);
    if (!rec) return;
    sdl::SurfaceHandle surface(sdl::SurfaceOf(icon));
    if (surface) SDL_SetWindowIcon(rec->window.get(), surface.get());
}

void SdlBackend::SetWindowPosition(WindowId w, int x, int y) {
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_SetWindowPosition(rec->window.get(), x, y);
}

gfx::Point SdlBackend::GetWindowPosition(WindowId w) {
    gfx::Point p;
    if (SdlWindowRecord* rec = impl_->Find(w)) SDL_GetWindowPosition(rec->window.get(), &p.x, &p.y);
    return p;
}

void SdlBackend::SetWindowSize(WindowId w, int width, int height) {
    if (SdlWindowRecord* rec = impl_->Find(w))
        SDL_SetWindowSize(rec->window.get(), width * rec->scale, height * rec->scale);
}

void SdlBackend::SetWindowShape(WindowId w, const gfx::Region& shape) {
    SdlWindowRecord* rec = impl_->Find(w);
    if (!rec) return;
    rec->shape = MagnifyRegion(shape, rec->scale);
    impl_->ApplyShape(*rec, true);
}

void SdlBackend::SetHitTest(WindowId w, HitTest test) {
    SdlWindowRecord* rec = impl_->Find(w);
    if (!rec) return;
    rec->hitTest = std::move(test);
    SDL_SetWindowHitTest(rec->window.get(), rec->hitTest ? DragHitTest : nullptr, rec);
}

void SdlBackend::Present(WindowId w, const gfx::Bitmap& framebuffer, const std::vector<gfx::Rect>& dirty) {
    SdlWindowRecord* rec = impl_->Find(w);
    if (!rec) return;
    SDL_Surface* surface = SDL_GetWindowSurface(rec->window.get());
    if (!surface) throw std::runtime_error(WindowFailure("draw into the window", *rec) + SDL_GetError());
    impl_->ApplyShape(*rec, false);  // in case getting the surface replaced the X window
    const int s = rec->scale;
    const gfx::Rect bounds = gfx::Rect{0, 0, framebuffer.Width(), framebuffer.Height()}.Intersect(
        gfx::Rect{0, 0, surface->w / s, surface->h / s});
    std::vector<SDL_Rect> rects;
    for (const gfx::Rect& d : dirty) {
        const gfx::Rect r = d.Intersect(bounds);
        if (r.Empty()) continue;
        sdl::CopyToSurface(framebuffer, surface, r, s);
        rects.push_back({r.left * s, r.top * s, r.Width() * s, r.Height() * s});
    }
    if (!rects.empty()) SDL_UpdateWindowSurfaceRects(rec->window.get(), rects.data(), static_cast<int>(rects.size()));
}

void SdlBackend::SetScale(int s) { impl_->scale = s < 1 ? 1 : s; }

int SdlBackend::Scale() const { return impl_->scale; }

std::string SdlBackend::DesktopResources() { return VideoDriver() == "x11" ? sdl::X11Resources() : std::string(); }

void SdlBackend::SetPointerPicture(Cursor c, const gfx::Bitmap& picture, gfx::Point hotSpot) {
    if (c != Cursor::Hand || picture.Empty()) return;
    sdl::CursorHandle cursor = PictureCursor(picture, hotSpot, impl_->scale);
    if (!cursor) return;  // the system's hand stays
    const bool showing = SDL_GetCursor() == impl_->hand.get();
    impl_->hand = std::move(cursor);
    if (showing) SDL_SetCursor(impl_->hand.get());
}

void SdlBackend::SetCursor(Cursor c) {
    SDL_Cursor* cursor = (c == Cursor::Hand ? impl_->hand : impl_->arrow).get();
    if (cursor) SDL_SetCursor(cursor);
}

void SdlBackend::SetCursorImage(const gfx::Bitmap& image, gfx::Point hotSpot) {
    sdl::CursorHandle cursor = PictureCursor(image, hotSpot, impl_->scale);
    if (!cursor) return SetCursor(Cursor::Hand);  // no picture pointer: the stock hand stands in
    SDL_SetCursor(cursor.get());
    impl_->custom = std::move(cursor);  // freed only once another pointer is shown
}

void SdlBackend::CaptureMouse(WindowId w) { SDL_CaptureMouse(w != 0 ? SDL_TRUE : SDL_FALSE); }

gfx::Point SdlBackend::GlobalPointer() {
    gfx::Point p;
    SDL_GetGlobalMouseState(&p.x, &p.y);
    return p;
}

WindowId SdlBackend::WindowUnderPointer() {
    SDL_Window* focus = SDL_GetMouseFocus();
    if (!focus) return 0;
    const WindowId id = SDL_GetWindowID(focus);
    return impl_->Find(id) ? id : 0;
}

gfx::Point SdlBackend::ScreenSize() {
    SDL_Rect usable{0, 0, 1024, 768};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) SDL_GetDisplayBounds(0, &usable);
    return {usable.w, usable.h};
}

bool SdlBackend::PollEvent(Event& e) {
    SDL_Event ev;
    while (impl_->pending.empty() && SDL_PollEvent(&ev)) impl_->Translate(ev);
    if (impl_->pending.empty()) return false;
    e = impl_->pending.front();
    impl_->pending.pop_front();
    return true;
}

bool SdlBackend::WaitEvent(Event& e, int timeoutMs) {
    if (PollEvent(e)) return true;
    const Uint64 deadline = SDL_GetTicks64() + static_cast<Uint64>(timeoutMs < 0 ? 0 : timeoutMs);
    SDL_Event ev;
    // Events the program ignores must not end the wait early.
    while (impl_->pending.empty()) {
        int got = 0;
        if (timeoutMs < 0) {
            got = SDL_WaitEvent(&ev);
        } else {
            const Uint64 now = SDL_GetTicks64();
            if (now >= deadline) return false;
            got = SDL_WaitEventTimeout(&ev, static_cast<int>(deadline - now));
        }
        if (!got) {
            if (timeoutMs < 0) return false;  // SDL failed; do not spin
            continue;
        }
        impl_->Translate(ev);
    }
    return PollEvent(e);
}

uint64_t SdlBackend::NowMs() { return SDL_GetTicks64(); }

int SdlBackend::SecondsOfMinute() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second reads as 59
}

void SdlBackend::PlaySound(const std::string& path) {
    if (impl_->sound) impl_->sound->Play(path);
}

void SdlBackend::OpenURL(const std::string& url) { SDL_OpenURL(url.c_str()); }

}  // namespace platform
