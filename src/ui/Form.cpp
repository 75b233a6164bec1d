#include "ui/Form.h"

#include <algorithm>

#include "ui/App.h"

namespace ui {

Form::Form(App& app, std::string name) : SurfaceControl(nullptr, std::move(name)), app_(app) {
    app_.RegisterForm(this);
}

Form::~Form() {
    if (toolTipTimer_) app_.StopTimer(toolTipTimer_);
    if (window_) app_.Backend().DestroyWindow(window_);
    window_ = 0;
    app_.UnregisterForm(this);
    // Children go while this is still a Form, so they can drop their references.
    while (!owned_.empty()) owned_.pop_back();
    for (Control* c : Children()) {
        Unhook(c);
        c->container_ = nullptr;
    }
    children_.clear();
}

// --- life cycle ---

void Form::Load() {
    if (loaded_) return;
    if (!initialized_) {
        initialized_ = true;
        OnInitialize();
        if (app_.QuitRequested()) return;
    }
    CreateNativeWindow();
    loaded_ = true;
    OnLoad();
}

void Form::CreateNativeWindow() {
    platform::WindowSpec spec;
    spec.title = Caption();
    spec.x = Bounds().left;
    spec.y = Bounds().top;
    spec.width = std::max(PixelWidth(), 1);
    spec.height = std::max(PixelHeight(), 1);
    spec.taskbarEntry = taskbar_;
    spec.owner = ownerForm_ ? ownerForm_->Window() : 0;
    spec.icon = icon_.get();
    window_ = app_.Backend().CreateWindow(spec);
    framebuffer_ = gfx::Bitmap(PixelWidth(), PixelHeight());
    app_.Backend().SetHitTest(window_, [this](int x, int y) { return DragAt(x, y); });
}

void Form::Show() {
    if (!loaded_) Load();
    if (!loaded_) return;
    if (shown_) {
        app_.Backend().RaiseWindow(window_);
        return;
    }
    app_.Backend().ShowWindow(window_);
    shown_ = true;
    if (!resizedOnce_) {
        resizedOnce_ = true;
        OnResize();
    }
    ApplyOutline();
    UpdateDefaultLook();
    InvalidateArea({0, 0, PixelWidth(), PixelHeight()});
    Flush();
}

void Form::Hide() {
    if (!shown_) return;
    HideToolTip();
    app_.Backend().HideWindow(window_);
    shown_ = false;
}

bool Form::Unload() {
    if (!loaded_) return true;
    int cancel = 0;
    OnQueryUnload(cancel);
    if (cancel) return false;
    if (window_) {
        gfx::Point p = app_.Backend().GetWindowPosition(window_);
        bounds_ = gfx::Rect::FromSize(p.x, p.y, PixelWidth(), PixelHeight());
    }
    OnUnload();
    HideToolTip();
    if (window_) app_.Backend().DestroyWindow(window_);
    window_ = 0;
    loaded_ = shown_ = false;
    resizedOnce_ = false;
    pressed_ = nullptr;
    capture_ = nullptr;
    dirty_.clear();
    app_.PopModal(this);
    return true;
}

void Form::OnInitialize() {
    if (InitializeEvent) InitializeEvent();
}
void Form::OnLoad() {
    if (LoadEvent) LoadEvent();
}
void Form::OnResize() {
    if (ResizeEvent) ResizeEvent();
}
void Form::OnQueryUnload(int& cancel) {
    if (QueryUnloadEvent) QueryUnloadEvent(cancel);
}
void Form::OnUnload() {
    if (UnloadEvent) UnloadEvent();
}

// --- window ---

void Form::SetCaption(const std::string& caption) {
    Control::SetCaption(caption);
    if (window_) app_.Backend().SetWindowTitle(window_, caption);
}

void Form::SetIcon(std::shared_ptr<const gfx::Bitmap> icon) {
    icon_ = std::move(icon);
    if (window_ && icon_) app_.Backend().SetWindowIcon(window_, *icon_);
}

void Form::Minimize() {
    if (window_) app_.Backend().MinimizeWindow(window_);
    if (windowState_ == WindowState::Minimized) return;
    HideToolTip();
    windowState_ = WindowState::Minimized;
    OnResize();
}

void Form::Restore() {
    if (window_) app_.Backend().RestoreWindow(window_);
    if (windowState_ == WindowState::Normal) return;
    windowState_ = WindowState::Normal;
    OnResize();
    InvalidateArea({0, 0, PixelWidth(), PixelHeight()});
}

void Form::SetOutline(std::optional<gfx::Region> outline) {
    outline_ = std::move(outline);
    if (shown_) ApplyOutline();
}

void Form::ApplyOutline() {
    if (!window_) return;
    if (outline_)
        app_.Backend().SetWindowShape(window_, *outline_);
    else
        app_.Backend().SetWindowShape(window_, gfx::Region::FromRect(0, 0, PixelWidth(), PixelHeight()));
    InvalidateArea({0, 0, PixelWidth(), PixelHeight()});
}

void Form::SetBounds(const gfx::Rect& r) {
    bool resized = r.Width() != PixelWidth() || r.Height() != PixelHeight();
    bool moved = r.left != Bounds().left || r.top != Bounds().top;
    if (resized) {
        ResizeSurface(r.Width(), r.Height());
        gfx::Bitmap next(std::max(r.Width(), 0), std::max(r.Height(), 0));
        framebuffer_ = std::move(next);
    }
    bounds_ = r;
    if (window_) {
        if (moved) app_.Backend().SetWindowPosition(window_, r.left, r.top);
        if (resized) app_.Backend().SetWindowSize(window_, std::max(r.Width(), 1), std::max(r.Height(), 1));
    }
    if (resized) {
        dirty_.clear();
        InvalidateArea({0, 0, r.Width(), r.Height()});
        if (shown_) OnResize();
    }
}

// --- focus and default look ---

void Form::SetDefaultButton(Control* c) {
    defaultButton_ = c;
    UpdateDefaultLook();
}

void Form::SetCancelButton(Control* c) { cancelButton_ = c; }

Control* Form::DisplayedDefault() const {
    if (focus_ && focus_->ActsAsButton()) return focus_.get();
    return defaultButton_.get();
}

void Form::UpdateDefaultLook() {
    Control* now = DisplayedDefault();
    if (displayedDefault_ == now) return;
    Control* old = displayedDefault_.get();
    displayedDefault_ = now;
    if (old) old->OnAmbientChanged("DisplayAsDefault");
    if (now) now->OnAmbientChanged("DisplayAsDefault");
}

void Form::SetFocusTo(Control* c) {
    if (focus_ == c) return;
    Control* old = focus_.get();
    focus_ = c;
    if (old) old->OnLostFocus();
    if (c && focus_ == c) c->OnGotFocus();
    UpdateDefaultLook();
}

void Form::SetCaptureTo(Control* c) {
    capture_ = c;
    if (window_) app_.Backend().CaptureMouse(c || pressed_ ? window_ : 0);
}

std::vector<Control*> Form::TabOrder() const {
    std::vector<Control*> out;
    // Tree order first, so equal tab indexes keep their placement order.
    std::function<void(const Control*)> walk = [&](const Control* p) {
        for (Control* c : p->Children()) {
            if (!c->Visible()) continue;
            if (c->CanGetFocus() && c->TabStop() && c->IsEffectivelyEnabled()) out.push_back(c);
            walk(c);
        }
    };
    walk(this);
    std::stable_sort(out.begin(), out.end(), [](Control* a, Control* b) { return a->TabIndex() < b->TabIndex(); });
    return out;
}

void Form::FocusNext(bool backwards) {
    std::vector<Control*> order = TabOrder();
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), focus_.get());
    size_t n = order.size();
    size_t next;
    if (it == order.end())
        next = backwards ? n - 1 : 0;
    else {
        size_t i = static_cast<size_t>(it - order.begin());
        next = backwards ? (i + n - 1) % n : (i + 1) % n;
    }
    SetFocusTo(order[next]);
}

// --- letting go of controls ---

void Form::UnhookOne(Control* c) {
    if (focus_ == c) {
        focus_ = nullptr;
        UpdateDefaultLook();
    }
    if (capture_ == c) SetCaptureTo(nullptr);
    if (pressed_ == c) pressed_ = nullptr;
    if (toolTipFor_ == c) HideToolTip(), toolTipFor_ = nullptr;
}

void Form::Unhook(Control* c) {
    if (c == this) return;
    UnhookOne(c);
    for (Control* child : c->Children()) Unhook(child);
}

void Form::Disown(Control* c) {
    auto within = [c](const ControlRef& r) {
        for (const Control* x = r.get(); x; x = x->Container())
            if (x == c) return true;
        return false;
    };
    for (ControlRef* r : {&defaultButton_, &cancelButton_, &displayedDefault_})
        if (within(*r)) *r = nullptr;
}

}  // namespace ui
