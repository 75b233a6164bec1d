#include "ui/Control.h"

#include <algorithm>
#include <cctype>

#include "platform/DisplayScale.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "ui/SurfaceControl.h"

namespace ui {

Control::Control(Control* container, std::string name) : name_(std::move(name)) {
    if (container) SetContainer(container);
}

Control::~Control() {
    // Owned children first: they unregister themselves from children_.
    while (!owned_.empty()) owned_.pop_back();
    Form* form = ParentForm();
    // Focus, capture and tool tip let go first, with their usual effects; then
    // every handle to this control reads null.
    if (form) form->Unhook(this);
    *self_ = nullptr;
    // Children it did not own live on outside any form.
    for (Control* c : children_) {
        if (form) form->Disown(c);
        c->container_ = nullptr;
    }
    children_.clear();
    if (!timers_.empty()) {
        if (App* app = GetApp())
            for (auto& [id, handle] : timers_) app->StopTimer(handle);
        timers_.clear();
    }
    if (container_) container_->RemoveChild(this);
}

void Control::RemoveChild(Control* child) {
    children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Control::SetContainer(Control* container) {
    if (container == container_) return;
    Invalidate();
    DetachFromForm();
    if (container_) container_->RemoveChild(this);
    container_ = container;
    if (container_) container_->children_.push_back(this);
    Invalidate();
}

Form* Control::ParentForm() {
    Control* c = this;
    while (c->container_) c = c->container_;
    return dynamic_cast<Form*>(c);
}

const Form* Control::ParentForm() const { return const_cast<Control*>(this)->ParentForm(); }

App* Control::GetApp() const {
    const Form* f = ParentForm();
    return f ? &f->GetApp() : nullptr;
}

Control* Control::FindChild(std::string_view name) {
    for (Control* c : children_) {
        if (c->name_ == name) return c;
        if (Control* d = c->FindChild(name)) return d;
    }
    return nullptr;
}

void Control::SetBounds(const gfx::Rect& r) {
    if (r == bounds_) return;
    bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
    Invalidate();
    bounds_ = r;
    Invalidate();
    if (resized) OnResized();
}

gfx::Point Control::ToForm(gfx::Point p) const {
    for (const Control* c = this; c->container_; c = c->container_) {
        p.x += c->bounds_.left;
        p.y += c->bounds_.top;
    }
    return p;
}

gfx::Rect Control::FormRect() const {
    if (!container_) return {0, 0, bounds_.Width(), bounds_.Height()};
    gfx::Point o = ToForm({0, 0});
    return gfx::Rect::FromSize(o.x, o.y, bounds_.Width(), bounds_.Height());
}

ScaleMode Control::ContainerScale() const { return container_ ? container_->OwnScale() : ScaleMode::Twips; }

float Control::Left() const { return PixelsToScale(bounds_.left, ContainerScale()); }
float Control::Top() const { return PixelsToScale(bounds_.top, ContainerScale()); }
float Control::Width() const { return PixelsToScale(bounds_.Width(), ContainerScale()); }
float Control::Height() const { return PixelsToScale(bounds_.Height(), ContainerScale()); }

void Control::SetLeft(float v) { Move(v, Top()); }
void Control::SetTop(float v) { Move(Left(), v); }
void Control::SetWidth(float v) { Move(Left(), Top(), v, Height()); }
void Control::SetHeight(float v) { Move(Left(), Top(), Width(), v); }

void Control::Move(float left, float top, std::optional<float> width, std::optional<float> height) {
    ScaleMode s = ContainerScale();
    int x = ScaleToPixels(left, s);
    int y = ScaleToPixels(top, s);
    int w = width ? ScaleToPixels(*width, s) : bounds_.Width();
    int h = height ? ScaleToPixels(*height, s) : bounds_.Height();
    SetBounds(gfx::Rect::FromSize(x, y, std::max(w, 0), std::max(h, 0)));
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    Invalidate();
    if (!v) DetachFromForm();
    visible_ = v;
    Invalidate();
}

void Control::SetEnabled(bool e) {
    if (e == enabled_) return;
    if (!e) DetachFromForm();
    enabled_ = e;
    Invalidate();
}

bool Control::IsShownInForm() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return true;
}

bool Control::IsEffectivelyEnabled() const {
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return true;
}

void Control::ZOrder(int position) {
    if (!container_) return;
    auto& sib = container_->children_;
    sib.erase(std::remove(sib.begin(), sib.end(), this), sib.end());
    if (position == 0)
        sib.push_back(this);
    else
        sib.insert(sib.begin(), this);
    Invalidate();
}

void Control::SetMouseIcon(std::shared_ptr<const gfx::Bitmap> icon, gfx::Point hotSpot) {
    mouseIcon_ = std::move(icon);
    hotSpot_ = hotSpot;
}

intptr_t Control::GetProp(const std::string& key) const {
    auto it = props_.find(key);
    return it == props_.end() ? 0 : it->second;
}

intptr_t Control::RemoveProp(const std::string& key) {
    auto it = props_.find(key);
    if (it == props_.end()) return 0;
    intptr_t v = it->second;
    props_.erase(it);
    return v;
}

const std::vector<ControlRef>* Control::FindGroup(const std::string& name) const {
    auto it = groups_.find(name);
    return it == groups_.end() ? nullptr : &it->second;
}

void Control::SetRegion(std::optional<gfx::Region> region) {
    Invalidate();
    region_ = std::move(region);
    Invalidate();
}

bool Control::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x >= bounds_.Width() || y >= bounds_.Height()) return false;
    return !region_ || region_->Contains(x, y);
}

void Control::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (char key = ParseAccessKey(caption)) accessKey_ = key;
    Invalidate();
}

void Control::SetAccessKey(char key) {
    accessKey_ = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

char Control::ParseAccessKey(std::string_view caption) {
    for (size_t i = caption.size(); i-- > 0;) {
        if (caption[i] != '&') continue;
        if (i > 0 && caption[i - 1] == '&') {  // "&&" is a literal ampersand
            --i;
            continue;
        }
        if (i + 1 >= caption.size()) return 0;
        unsigned char c = static_cast<unsigned char>(caption[i + 1]);
        return c < 0x80 && std::isalnum(c) ? static_cast<char>(std::toupper(c)) : 0;
    }
    return 0;
}

bool Control::SetFocus() {
    Form* form = ParentForm();
    if (!form || !CanGetFocus() || !IsShownInForm() || !IsEffectivelyEnabled()) return false;
    form->SetFocusTo(this);
    return true;
}

bool Control::HasFocus() const {
    const Form* form = ParentForm();
    return form && form->ActiveControl() == this;
}

void Control::SetCapture() {
    if (Form* form = ParentForm()) form->SetCaptureTo(this);
}

void Control::ReleaseCapture() {
    Form* form = ParentForm();
    if (form && form->CapturedControl() == this) form->SetCaptureTo(nullptr);
}

bool Control::HasCapture() const {
    const Form* form = ParentForm();
    return form && form->CapturedControl() == this;
}

bool Control::IsUnderPointer() const {
    Form* form = const_cast<Control*>(this)->ParentForm();
    if (!form || !form->IsShown() || form->GetWindowState() == WindowState::Minimized) return false;
    if (!IsShownInForm()) return false;
    platform::Backend& be = form->GetApp().Backend();
    if (be.WindowUnderPointer() != form->Window()) return false;
    gfx::Point g = be.GlobalPointer();
    gfx::Point w = be.GetWindowPosition(form->Window());
    const int scale = be.Scale();
    int x = platform::ToLogical(g.x - w.x, scale), y = platform::ToLogical(g.y - w.y, scale);
    if (form->Outline() && !form->Outline()->Contains(x, y)) return false;
    return form->ControlAt(x, y) == this;
}

void Control::Paint(gfx::Canvas& canvas) { (void)canvas; }

void Control::Invalidate() { Invalidate(gfx::Rect{0, 0, bounds_.Width(), bounds_.Height()}); }

void Control::Invalidate(const gfx::Rect& r) {
    if (!IsShownInForm()) return;
    Form* form = ParentForm();
    if (!form) return;
    gfx::Point o = ToForm({0, 0});
    gfx::Rect own = r.Intersect({0, 0, bounds_.Width(), bounds_.Height()});
    if (!own.Empty()) form->InvalidateArea(own.Offset(o.x, o.y));
}

void Control::Refresh() {
    Invalidate();
    if (Form* form = ParentForm()) form->Flush();
}

AmbientProperties Control::Ambient() const {
    AmbientProperties a;
    if (auto* s = dynamic_cast<const SurfaceControl*>(container_)) a.backColor = s->BackColor();
    a.displayName = name_;
    for (const Control* c = container_; c; c = c->container_)
        if (c->designMode_) a.userMode = false;
    const Form* form = ParentForm();
    a.displayAsDefault = form && form->DisplayedDefault() == this;
    return a;
}

void Control::SetDesignMode(bool on) {
    if (on == designMode_) return;
    designMode_ = on;
    std::vector<Control*> pending(children_.begin(), children_.end());
    while (!pending.empty()) {
        Control* c = pending.back();
        pending.pop_back();
        c->OnAmbientChanged("UserMode");
        pending.insert(pending.end(), c->children_.begin(), c->children_.end());
    }
}

bool Control::SetTimer(int id, int intervalMs, std::function<void()> callback) {
    App* app = GetApp();
    if (!app) return false;
    KillTimer(id);
    timers_[id] = app->StartTimer(intervalMs, std::move(callback));
    return true;
}

bool Control::KillTimer(int id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return false;
    if (App* app = GetApp()) app->StopTimer(it->second);
    timers_.erase(it);
    return true;
}

void Control::PropertyChanged(const std::string& key) {
    propertiesDirty_ = true;
    lastChanged_ = key;
}

void Control::OnMouseDown(int button, int shift, float x, float y) {
    if (MouseDown) MouseDown(button, shift, x, y);
}
void Control::OnMouseMove(int button, int shift, float x, float y) {
    if (MouseMove) MouseMove(button, shift, x, y);
}
void Control::OnMouseUp(int button, int shift, float x, float y) {
    if (MouseUp) MouseUp(button, shift, x, y);
}
void Control::OnClick() {
    if (Click) Click();
}
void Control::OnDblClick(int button, int shift, float x, float y) {
    (void)button, (void)shift, (void)x, (void)y;
    if (DblClick) DblClick();
}
void Control::OnKeyDown(int& keyCode, int shift) {
    if (KeyDown) KeyDown(keyCode, shift);
}
void Control::OnKeyUp(int& keyCode, int shift) {
    if (KeyUp) KeyUp(keyCode, shift);
}
void Control::OnKeyPress(int& keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
}
void Control::OnGotFocus() {
    if (GotFocus) GotFocus();
}
void Control::OnLostFocus() {
    if (LostFocus) LostFocus();
}
void Control::OnAccessKey(int keyAscii) {
    (void)keyAscii;
    OnClick();
}

void Control::DetachFromForm() {
    if (Form* form = ParentForm()) form->Unhook(this);
}

}  // namespace ui
