#pragma once
// The real backend: SDL2 windows on X11 (or Wayland), presented through the
// window surface, shaped with the SHAPE extension, sound through SDL2_mixer.
// No SDL type appears here; the state lives behind a pointer.
#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace platform {

class SdlBackend : public Backend {
public:
    // Opens the display (and the audio device if there is one). On failure returns
    // nullptr and sets `error` to a message fit for the user.
    static std::unique_ptr<SdlBackend> Create(std::string* error);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

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
    void SetScale(int s) override;
    int Scale() const override;
    std::string DesktopResources() override;
    void SetCursor(Cursor c) override;
    void SetPointerPicture(Cursor c, const gfx::Bitmap& picture, gfx::Point hotSpot) override;
    void SetCursorImage(const gfx::Bitmap& image, gfx::Point hotSpot) override;
    void CaptureMouse(WindowId w) override;
    gfx::Point GlobalPointer() override;
    WindowId WindowUnderPointer() override;
    gfx::Point ScreenSize() override;
    bool PollEvent(Event& e) override;
    bool WaitEvent(Event& e, int timeoutMs) override;
    uint64_t NowMs() override;
    int SecondsOfMinute() override;
    void PlaySound(const std::string& path) override;
    void OpenURL(const std::string& url) override;

    // Runs when the connection to the display is lost, just before the program
    // ends with status 1 (it may save, but not draw).
    void SetConnectionLost(std::function<void()> handler);
    // Whether an audio device was opened (sounds are silent otherwise).
    bool HasAudio() const;
    // The video driver in use ("x11" or "wayland").
    std::string VideoDriver() const;

private:
    struct Impl;
    explicit SdlBackend(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
