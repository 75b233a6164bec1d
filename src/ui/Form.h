#pragma once
// A top-level window: a persistent surface (its own drawing, e.g. a painted
// frame) under its controls, composed in z-order, clipped by each control's
// region, and presented by changed areas only. It routes the backend's events
// to its controls: hit testing by z-order and region, mouse capture, focus and
// Tab order, keys to the focused control, access keys, Enter/Escape to the
// default/cancel buttons, drag areas and tool tips.
//
// Left/Top/Width/Height are twips of the screen (15 per pixel); the ScaleMode
// of the form's own surface is twips unless set otherwise.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "platform/Platform.h"
#include "ui/SurfaceControl.h"

namespace ui {

class App;

enum class WindowState { Normal = 0, Minimized = 1 };

class Form : public SurfaceControl {
public:
    explicit Form(App& app, std::string name = {});
    ~Form() override;

    App& GetApp() const { return app_; }
    platform::WindowId Window() const { return window_; }

    // --- life cycle ---
    // Raises Initialize (once) and Load; creates the window (not shown).
    void Load();
    bool IsLoaded() const { return loaded_; }
    // Loads if needed, shows the window, applies the outline, raises Resize the
    // first time and presents everything.
    void Show();
    void Hide();
    bool IsShown() const { return shown_; }
    // Raises QueryUnload (which may cancel) and Unload, then destroys the window.
    // Returns false when cancelled.
    bool Unload();

    // Events; the virtual hooks below raise them.
    std::function<void()> InitializeEvent;
    std::function<void()> LoadEvent;
    std::function<void()> ResizeEvent;
    std::function<void(int& cancel)> QueryUnloadEvent;
    std::function<void()> UnloadEvent;
    // F1 while the window is active, whatever control has the focus.
    std::function<void()> HelpRequested;
    virtual void OnInitialize();
    virtual void OnLoad();
    virtual void OnResize();
    virtual void OnQueryUnload(int& cancel);
    virtual void OnUnload();

    // --- window ---
    void SetCaption(const std::string& caption) override;
    void SetIcon(std::shared_ptr<const gfx::Bitmap> icon);
    const std::shared_ptr<const gfx::Bitmap>& Icon() const { return icon_; }
    // Whether the window has an entry in the task list (message boxes have none).
    void SetShowInTaskbar(bool on) { taskbar_ = on; }
    // The owner of a box window (set before Load).
    void SetOwnerForm(Form* owner) { ownerForm_ = owner; }
    Form* OwnerForm() const { return ownerForm_; }
    WindowState GetWindowState() const { return windowState_; }
    void Minimize();
    void Restore();
    // Window outline in pixels; applied when shown (and again at once if it is).
    void SetOutline(std::optional<gfx::Region> outline);
    const std::optional<gfx::Region>& Outline() const { return outline_; }
    // Position on the screen and size (pixels); SetBounds moves/resizes the window.
    void SetBounds(const gfx::Rect& r) override;
    ScaleMode OwnScale() const override { return GetScaleMode(); }
    bool CanGetFocus() const override { return false; }

    // --- keyboard ---
    Control* ActiveControl() const { return focus_.get(); }
    // Enter goes to the default button (or a focused button), Escape to the cancel one.
    void SetDefaultButton(Control* c);
    void SetCancelButton(Control* c);
    Control* DefaultButton() const { return defaultButton_.get(); }
    Control* CancelButton() const { return cancelButton_.get(); }
    // The control that is to be drawn as the default button now.
    Control* DisplayedDefault() const;
    // Moves the focus to the next (or previous) control in Tab order.
    void FocusNext(bool backwards = false);
    // The controls that can take the focus now, in Tab order.
    std::vector<Control*> TabOrder() const;

    // --- hit testing ---
    // Topmost shown control at (x, y) of the client area (pixels), the form itself
    // when none; disabled controls are found too.
    Control* ControlAt(int x, int y);
    // Whether a left press at (x, y) starts a window drag.
    bool DragAt(int x, int y);
    Control* CapturedControl() const { return capture_.get(); }

    // --- composition ---
    // Adds r (client pixels) to what must be presented.
    void InvalidateArea(const gfx::Rect& r);
    // Composes and presents the changed areas (nothing when none).
    void Flush();
    // The composed picture of the window (what was presented last).
    const gfx::Bitmap& Framebuffer() const { return framebuffer_; }
    // The tool tip currently shown ("" when none).
    const std::string& ShownToolTip() const { return toolTipText_; }

    // --- called by the App and by controls ---
    void HandleEvent(const platform::Event& e);
    void SetFocusTo(Control* c);
    void SetCaptureTo(Control* c);
    // Drops focus, capture, press and tool tip of c and its descendants (hidden,
    // disabled, moved or destroyed); default and cancel buttons stay.
    void Unhook(Control* c);
    // c outlives its destroyed container and so leaves the form: neither it nor
    // anything in it stays the default or cancel button.
    void Disown(Control* c);

private:
    void CreateNativeWindow();
    void ApplyOutline();
    void HandleMouse(const platform::Event& e);
    void HandleMouseDown(const platform::Event& e);
    void HandleMouseUp(const platform::Event& e);
    void HandleMouseMove(const platform::Event& e);
    void HandleKeyDown(const platform::Event& e);
    void HandleKeyUp(const platform::Event& e);
    void HandleChar(const platform::Event& e);
    bool RouteAccessKey(char key);
    void UpdateCursor(Control* c);
    void UpdateToolTip(Control* c);
    void ShowToolTip();
    void HideToolTip();
    void UpdateDefaultLook();
    void Compose(const gfx::Rect& area);
    void ComposeChildren(Control* parent, gfx::Canvas& canvas, const gfx::Region& clip, gfx::Point origin);
    void PaintToolTip(gfx::Canvas& canvas);
    gfx::Point LocalPoint(const Control* c, int x, int y) const;
    Control* HitChild(Control* parent, int x, int y);
    void UnhookOne(Control* c);

    App& app_;
    platform::WindowId window_ = 0;
    bool initialized_ = false;
    bool loaded_ = false;
    bool shown_ = false;
    bool resizedOnce_ = false;
    bool taskbar_ = true;
    Form* ownerForm_ = nullptr;
    std::shared_ptr<const gfx::Bitmap> icon_;
    WindowState windowState_ = WindowState::Normal;
    std::optional<gfx::Region> outline_;

    // Handles: each reads null once its control is destroyed.
    ControlRef focus_;
    ControlRef capture_;  // explicit SetCapture
    ControlRef pressed_;  // implicit capture from a press until release
    int pressedButtons_ = 0;
    bool pressWasDouble_ = false;
    ControlRef defaultButton_;
    ControlRef cancelButton_;
    ControlRef displayedDefault_;  // the one last told it is drawn as the default
    bool swallowChar_ = false;
    int cursorShown_ = -1;
    std::shared_ptr<const gfx::Bitmap> cursorPicture_;  // the custom picture shown, if any

    gfx::Bitmap framebuffer_;
    std::vector<gfx::Rect> dirty_;

    uint64_t toolTipTimer_ = 0;
    ControlRef toolTipFor_;
    std::string toolTipText_;
    gfx::Rect toolTipRect_;
    gfx::Point lastPointer_;
};

}  // namespace ui
