// The real backend against a real X server; skipped without DISPLAY.
#include "platform/sdl/SdlBackend.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include <SDL_syswm.h>

// Xlib's macros (None, Bool) clash with names above; it comes last.
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

// SDL's session-bus connection keeps a buffer for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace platform {
namespace {

TEST(SdlBackend, WithoutADisplayCreateSaysSoClearly) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        std::string error;
        auto backend = SdlBackend::Create(&error);
        const bool clear = error.find("cannot open the display") != std::string::npos;
        _exit(backend == nullptr && clear ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

class SdlSmoke : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no DISPLAY";
        std::string error;
        backend = SdlBackend::Create(&error);
        ASSERT_NE(backend, nullptr) << error;
    }
    // Waits (up to a second) for an event of this type on the window.
    bool WaitFor(EventType type, WindowId w) {
        const uint64_t end = backend->NowMs() + 1000;
        Event e;
        while (backend->NowMs() < end)
            if (backend->WaitEvent(e, 50) && e.type == type && e.window == w) return true;
        return false;
    }
    std::unique_ptr<SdlBackend> backend;
};

TEST_F(SdlSmoke, ShownWindowIsShapedAndPresents) {
    EXPECT_EQ(backend->VideoDriver(), "x11");
    WindowSpec spec;
    spec.title = "Kelvaro smoke";
    spec.x = 40;
    spec.y = 30;
    spec.width = 64;
    spec.height = 48;
    const WindowId w = backend->CreateWindow(spec);
    ASSERT_NE(w, 0u);
    backend->ShowWindow(w);
    EXPECT_TRUE(WaitFor(EventType::Shown, w));
    const gfx::Region shape = gfx::Region::FromRect(0, 0, 64, 40).Union(gfx::Region::FromRect(8, 40, 56, 48));
    backend->SetWindowShape(w, shape);
    gfx::Bitmap frame(64, 48, gfx::Rgb(200, 10, 10));
    backend->Present(w, frame, {gfx::Rect{0, 0, 64, 48}});

    // Read the bounding shape back from the server.
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    int shaped = 0;
    for (unsigned i = 0; i < count; ++i) {
        int n = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(display, children[i], ShapeBounding, &n, &ordering);
        if (n == 2 && rects[1].x == 8 && rects[1].width == 48) ++shaped;
        if (rects) XFree(rects);
    }
    if (children) XFree(children);
    XCloseDisplay(display);
    EXPECT_EQ(shaped, 1);

    const gfx::Point screen = backend->ScreenSize();
    EXPECT_GT(screen.x, 0);
    EXPECT_GT(screen.y, 0);
    backend->PlaySound("/nonexistent/hit.wav");  // silent, not fatal
    backend->DestroyWindow(w);
}

// An X error on a window that is already gone (SDL can cause one when it wakes
// its loop) is logged and ignored: Xlib's default handler would exit().
TEST_F(SdlSmoke, XErrorOnAGoneWindowIsLoggedAndIgnored) {
    WindowSpec spec;
    spec.title = "Kelvaro smoke";
    spec.width = 16;
    spec.height = 16;
    const WindowId w = backend->CreateWindow(spec);
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    ASSERT_EQ(SDL_GetWindowWMInfo(SDL_GetWindowFromID(w), &info), SDL_TRUE);
    Display* display = info.info.x11.display;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = 0x1FFFFFF;  // no such window
    ev.xclient.format = 32;
    ::testing::internal::CaptureStderr();
    XSendEvent(display, 0x1FFFFFF, False, NoEventMask, &ev);
    XSync(display, False);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("X error ignored (the window is already gone)"), std::string::npos) << said;
    backend->DestroyWindow(w);
}

TEST_F(SdlSmoke, WaitEventTimesOutWithoutSpinning) {
    Event e;
    while (backend->PollEvent(e)) {}
    const uint64_t start = backend->NowMs();
    const std::clock_t cpu = std::clock();
    EXPECT_FALSE(backend->WaitEvent(e, 200));
    EXPECT_GE(backend->NowMs() - start, 190u);
    EXPECT_LT(static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC, 0.05);
}

}  // namespace
}  // namespace platform
