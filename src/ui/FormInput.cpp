// Routing of the backend's events to the controls of a form.
#include <cctype>

#include "ui/App.h"
#include "ui/Form.h"

namespace ui {

using platform::EventType;

void Form::HandleEvent(const platform::Event& e) {
    switch (e.type) {
        case EventType::MouseDown:
        case EventType::DoubleClick: HandleMouseDown(e); break;
        case EventType::MouseUp: HandleMouseUp(e); break;
        case EventType::MouseMove: HandleMouseMove(e); break;
        case EventType::KeyDown: HandleKeyDown(e); break;
        case EventType::KeyUp: HandleKeyUp(e); break;
        case EventType::Char: HandleChar(e); break;
        case EventType::Exposed:
            InvalidateArea({0, 0, PixelWidth(), PixelHeight()});
            Flush();
            break;
        case EventType::Minimized:
            if (windowState_ != WindowState::Minimized) {
                HideToolTip();
                windowState_ = WindowState::Minimized;
                OnResize();
            }
            break;
        case EventType::Restored:
            if (windowState_ != WindowState::Normal) {
                windowState_ = WindowState::Normal;
                OnResize();
            }
            InvalidateArea({0, 0, PixelWidth(), PixelHeight()});
            break;
        case EventType::Moved: bounds_ = gfx::Rect::FromSize(e.x, e.y, PixelWidth(), PixelHeight()); break;
        case EventType::CloseRequested: Unload(); break;
        case EventType::MouseLeft:
        case EventType::DragStarted:
            HideToolTip();
            toolTipFor_ = nullptr;
            break;
        default: break;
    }
}

Control* Form::HitChild(Control* parent, int x, int y) {
    const auto& kids = parent->Children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible()) continue;
        int lx = x - c->Bounds().left, ly = y - c->Bounds().top;
        if (!c->HitTest(lx, ly)) continue;
        Control* deeper = HitChild(c, lx, ly);
        return deeper ? deeper : c;
    }
    return nullptr;
}

Control* Form::ControlAt(int x, int y) {
    Control* c = HitChild(this, x, y);
    return c ? c : this;
}

bool Form::DragAt(int x, int y) {
    Control* c = ControlAt(x, y);
    return c->StartsDrag() && c->IsEffectivelyEnabled();
}

gfx::Point Form::LocalPoint(const Control* c, int x, int y) const {
    gfx::Point o = c->ToForm({0, 0});
    return {x - o.x, y - o.y};
}

void Form::HandleMouseDown(const platform::Event& e) {
    HideToolTip();
    lastPointer_ = {e.x, e.y};
    Control* target = capture_ ? capture_.get() : (pressed_ ? pressed_.get() : ControlAt(e.x, e.y));
    if (!pressed_) {
        pressed_ = target;
        pressWasDouble_ = e.type == EventType::DoubleClick;
    }
    pressedButtons_ |= e.button;
    if (window_) app_.Backend().CaptureMouse(window_);
    if (!target->IsEffectivelyEnabled()) return;
    if (target->CanGetFocus() && target->TabStop() && target != focus_) target->SetFocus();
    if (target != pressed_ && target != capture_) return;  // removed by a focus handler
    gfx::Point p = LocalPoint(target, e.x, e.y);
    float x = target->ToOwnScale(p.x), y = target->ToOwnScale(p.y);
    if (e.type == EventType::DoubleClick)
        target->OnDblClick(e.button, e.shift, x, y);
    else
        target->OnMouseDown(e.button, e.shift, x, y);
}

void Form::HandleMouseUp(const platform::Event& e) {
    lastPointer_ = {e.x, e.y};
    Control* target = capture_ ? capture_.get() : (pressed_ ? pressed_.get() : ControlAt(e.x, e.y));
    pressedButtons_ &= ~e.button;
    gfx::Point p = LocalPoint(target, e.x, e.y);
    bool enabled = target->IsEffectivelyEnabled();
    if (enabled) target->OnMouseUp(e.button, e.shift, target->ToOwnScale(p.x), target->ToOwnScale(p.y));
    // Click: a left press and release on the same control, released inside it.
    // The release that ends a double click gives none.
    bool click = e.button == platform::kLeftButton && pressed_ == target && !pressWasDouble_ && enabled &&
                 target->HitTest(p.x, p.y) && target->IsEffectivelyEnabled();
    if (pressedButtons_ == 0) {
        pressed_ = nullptr;
        pressWasDouble_ = false;
        if (!capture_ && window_) app_.Backend().CaptureMouse(0);
    }
    if (click) target->OnClick();
}

void Form::HandleMouseMove(const platform::Event& e) {
    lastPointer_ = {e.x, e.y};
    Control* under = ControlAt(e.x, e.y);
    Control* target = capture_ ? capture_.get() : (pressed_ ? pressed_.get() : under);
    UpdateCursor(target);
    UpdateToolTip(pressed_ ? nullptr : under);
    if (!target->IsEffectivelyEnabled()) return;
    ControlRef stillUnder = under;  // the move handler may destroy it
    gfx::Point p = LocalPoint(target, e.x, e.y);
    target->OnMouseMove(e.button, e.shift, target->ToOwnScale(p.x), target->ToOwnScale(p.y));
    // A move handler may change the pointer (the board does); show it at once.
    UpdateCursor(capture_ ? capture_.get() : (pressed_ ? pressed_.get() : stillUnder.get()));
}

void Form::UpdateCursor(Control* c) {
    int code = kPointerDefault;
    Control* owner = nullptr;
    // A control with the default pointer shows its container's.
    for (Control* x = c; x && code == kPointerDefault; x = x->Container()) {
        code = x->MousePointer();
        owner = x;
    }
    std::shared_ptr<const gfx::Bitmap> picture = code == kPointerCustom && owner ? owner->MouseIcon() : nullptr;
    int shape = (code == kPointerCustom || code == kPointerHand) ? 1 : 0;
    if (shape == cursorShown_ && picture == cursorPicture_) return;
    cursorShown_ = shape;
    cursorPicture_ = picture;
    if (picture) {
        app_.Backend().SetCursorImage(*picture, owner->MouseIconHotSpot());
    } else {
        app_.Backend().SetCursor(shape ? platform::Cursor::Hand : platform::Cursor::Arrow);
    }
}

// --- keyboard ---

void Form::HandleKeyDown(const platform::Event& e) {
    HideToolTip();
    swallowChar_ = false;
    int key = e.key;
    int shift = e.shift;
    bool letter = key < 128 && std::isalnum(key);
    if (key == platform::kVkF1 && HelpRequested) {
        HelpRequested();
        return;
    }
    if (key == platform::kVkTab && !(shift & (platform::kCtrlMask | platform::kAltMask))) {
        FocusNext(shift & platform::kShiftMask);
        swallowChar_ = true;
        return;
    }
    if (letter && (shift & platform::kAltMask) && RouteAccessKey(static_cast<char>(key))) {
        swallowChar_ = true;
        return;
    }
    if (key == platform::kVkReturn || key == platform::kVkEscape) {
        Control* b = key == platform::kVkReturn ? DisplayedDefault() : cancelButton_.get();
        if (b && b->IsShownInForm() && b->IsEffectivelyEnabled()) {
            swallowChar_ = true;
            b->OnAccessKey(key);
            return;
        }
    }
    // A letter alone is an access key when the focused control takes no characters.
    if (letter && !(shift & (platform::kCtrlMask | platform::kAltMask)) && !(focus_ && focus_->WantsChars()) &&
        RouteAccessKey(static_cast<char>(key))) {
        swallowChar_ = true;
        return;
    }
    Control* t = focus_ ? focus_.get() : this;
    t->OnKeyDown(key, shift);
}

void Form::HandleKeyUp(const platform::Event& e) {
    int key = e.key;
    Control* t = focus_ ? focus_.get() : this;
    t->OnKeyUp(key, e.shift);
}

void Form::HandleChar(const platform::Event& e) {
    if (swallowChar_) {
        swallowChar_ = false;
        return;
    }
    int ascii = static_cast<int>(e.ch);
    Control* t = focus_ ? focus_.get() : this;
    t->OnKeyPress(ascii);
}

bool Form::RouteAccessKey(char key) {
    char want = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    Control* found = nullptr;
    std::function<void(Control*)> walk = [&](Control* p) {
        for (Control* c : p->Children()) {
            if (found || !c->Visible() || !c->IsEffectivelyEnabled()) continue;
            if (c->AccessKey() == want) found = c;
            else walk(c);
        }
    };
    walk(this);
    if (!found) return false;
    if (found->CanGetFocus()) {
        if (found->TabStop()) found->SetFocus();
        found->OnAccessKey(want);
        return true;
    }
    // A label's access key moves the focus to the control after it in Tab order.
    for (Control* c : TabOrder())
        if (c->TabIndex() > found->TabIndex()) {
            c->SetFocus();
            return true;
        }
    return true;
}

// --- tool tips ---

void Form::UpdateToolTip(Control* c) {
    if (toolTipFor_ != c) {
        HideToolTip();
        toolTipFor_ = c;
    }
    if (!c || c->ToolTipText().empty() || !toolTipText_.empty()) return;
    // Shown once the pointer has rested: every move starts the wait again.
    if (toolTipTimer_) app_.StopTimer(toolTipTimer_);
    toolTipTimer_ = app_.StartTimer(500, [this] { ShowToolTip(); });
}

}  // namespace ui
