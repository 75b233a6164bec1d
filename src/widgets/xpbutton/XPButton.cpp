#include "widgets/xpbutton/XPButton.h"

#include <algorithm>

#include "ui/App.h"
#include "widgets/xpbutton/ButtonLayout.h"
#include "widgets/xpbutton/ButtonPainter.h"
#include "widgets/xpbutton/ButtonShape.h"
#include "widgets/xpbutton/Caption.h"
#include "widgets/xpbutton/modQzTimer.h"

namespace widgets {

XPButton::XPButton(ui::Control* container, std::string name) : ui::Control(container, std::move(name)) {
    containerWindow_ = Container();
    ui::AmbientProperties amb = Ambient();
    p_.caption = amb.displayName.empty() ? Name() : amb.displayName;
    p_.captionAlign = 2;
    p_.showFocusRect = true;
    p_.hoverForeColor = kSysButtonText;
    p_.hoverBackColor = kSysButtonFace;
    containerColour_ = gfx::ResolveColor(amb.backColor);
    p_.backColor = gfx::ResolveColor(kSysButtonFace);
    PrepareResource("Font");
    PrepareResource("BackColor");
    for (const char* key : {"Caption", "CapAlign", "Focus", "cFHover", "cBHover"}) Notify(key);
}

XPButton::~XPButton() {
    behaviour_.Terminate();
    if (p_.mode == 2) OptionToggle(-1);  // a dead member must not stay in its group
}

// --- drawing machinery ---

void XPButton::RenderStyle() {
    UpdateCanvas(true);
    gfx::Canvas canvas(*canvasBitmap_);
    canvas.SetFont(drawingFont_);
    canvas.SetTextTransparent(true);
    gfx::Point screen{1024, 768};
    if (ui::App* app = GetApp()) screen = app->Backend().ScreenSize();
    PaintContext ctx{p_, behaviour_.State(), colours_, layout_, left_, right_, clip_, containerColour_, screen,
                     DesignMode()};
    ButtonPainter(canvas, ctx).Paint();
}

void XPButton::RedrawButton() {
    if (delay_) return;
    RenderStyle();
    UpdateCanvas(false);
    Control::Refresh();
}

void XPButton::UpdateCanvas(bool create) {
    int sw = std::max(PixelWidth(), 1), sh = std::max(PixelHeight(), 1);
    if (create) {
        if (!drawingFont_) PrepareResource("Font");
        if (!canvasBitmap_ || canvasBitmap_->Width() != sw || canvasBitmap_->Height() != sh) {
            canvasBitmap_ = std::make_unique<gfx::Bitmap>(sw, sh, 0);
        }
        return;
    }
    if (canvasBitmap_) surface_ = *canvasBitmap_;  // one copy: no half-drawn state is ever shown
}

void XPButton::BuildRegion() {
    ShapeGeometry g = BuildShapeGeometry(p_.buttonShape, p_.buttonStyle, p_.enabled, PixelWidth(), PixelHeight());
    left_ = g.left;
    right_ = g.right;
    clip_ = g.clip;
    if (g.width != PixelWidth()) {
        bool was = delay_;
        delay_ = true;
        gfx::Rect b = Bounds();
        Control::SetBounds(gfx::Rect{b.left, b.top, b.left + g.width, b.bottom});
        delay_ = was;
    }
    SetRegion(g.window);
}

void XPButton::PrepareResource(const std::string& what) {
    std::string w;
    for (char c : what) w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (w == "font") {
        try {
            if (ui::App* app = GetApp()) {
                drawingFont_ = app->GetFont(p_.font);
            } else {
                drawingFont_ = gfx::Font::Create(p_.font);
            }
        } catch (const std::exception&) {
            drawingFont_.reset();  // no face at all: the caption is left out
        }
    } else if (w == "backcolor") {
        colours_ = DeriveColours(p_);
    }
    // "Picture": the metrics are read straight from the bitmap when needed.
}

void XPButton::LayoutContent() {
    UpdateCanvas(true);
    gfx::Canvas canvas(*canvasBitmap_);
    canvas.SetFont(drawingFont_);
    auto measure = [&](const std::string& text, int maxWidth, int) -> gfx::Size {
        if (!drawingFont_) return {0, 0};
        return canvas.MeasureText(text, std::max(maxWidth, 1), gfx::kDtWordBreak);
    };
    layout_ = ComputeLayout(p_, left_, right_, PixelWidth(), PixelHeight(), measure);
}

void XPButton::ResizeProcessing() {
    if (delay_) return;
    BuildRegion();
    canvasBitmap_.reset();
    UpdateCanvas(true);
    LayoutContent();
    RedrawButton();
}

void XPButton::Refresh() {
    if (delay_) return;  // a batch of changes is still being made
    RenderStyle();
    UpdateCanvas(false);
    Control::Refresh();
}

void XPButton::DelayDrawing(bool bDelay) {
    delay_ = bDelay;
    if (!bDelay) RedrawButton();
}

void XPButton::Paint(gfx::Canvas& canvas) {
    // A host repaint ends any delay and draws the current state.
    if (delay_ || surface_.Width() != PixelWidth() || surface_.Height() != PixelHeight()) {
        delay_ = false;
        RenderStyle();
        UpdateCanvas(false);
    }
    canvas.Blit(0, 0, surface_);
}

void XPButton::SetBounds(const gfx::Rect& r) {
    bool resized = r.Width() != Bounds().Width() || r.Height() != Bounds().Height();
    Control::SetBounds(r);
    if (resized) ResizeProcessing();
}

// --- behaviour glue ---

void XPButton::CheckHover(int timerId) {
    (void)timerId;
    behaviour_.CheckHover();
}

void XPButton::SetCapture(bool on) {
    if (on) {
        Control::SetCapture();
    } else {
        ReleaseCapture();
    }
}

void XPButton::StartHoverTimer() {
    SetProp(modQzTimer::kClassIdKey, 1);
    SetProp(modQzTimer::kTimerIdKey, kHoverTimerId);
    SetTimer(kHoverTimerId, kHoverIntervalMs, [this] {
        uint64_t now = GetApp() ? GetApp()->Now() : 0;
        modQzTimer::HoverTimerProc(this, modQzTimer::kWmTimer, kHoverTimerId, now);
    });
}

void XPButton::StopHoverTimer() { KillTimer(kHoverTimerId); }

void XPButton::PostArrowToContainer(int key, uint32_t /*keyData*/) {
    if (!containerWindow_) return;
    int code = key;
    containerWindow_->OnKeyDown(code, 0);
}

void XPButton::OnMouseDown(int button, int shift, float x, float y) { behaviour_.MouseDown(button, shift, x, y); }
void XPButton::OnMouseMove(int button, int shift, float x, float y) { behaviour_.MouseMove(button, shift, x, y); }
void XPButton::OnMouseUp(int button, int shift, float x, float y) { behaviour_.MouseUp(button, shift, x, y); }
void XPButton::OnClick() { behaviour_.HostClick(); }
void XPButton::OnDblClick(int, int, float x, float y) { behaviour_.DoubleClick(x, y); }

void XPButton::OnKeyDown(int& keyCode, int shift) {
    behaviour_.KeyDown(static_cast<int16_t>(keyCode), static_cast<int16_t>(shift));
}

void XPButton::OnKeyUp(int& keyCode, int shift) {
    behaviour_.KeyUp(static_cast<int16_t>(keyCode), static_cast<int16_t>(shift));
}

void XPButton::OnKeyPress(int& keyAscii) {
    if (KeyPress) KeyPress(keyAscii);
}

void XPButton::OnGotFocus() {
    behaviour_.GotFocus();
    if (GotFocus) GotFocus();
}

void XPButton::OnAccessKey(int keyAscii) { behaviour_.AccessKey(keyAscii); }

void XPButton::OnAmbientChanged(const std::string& name) {
    std::string n;
    for (char c : name) n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (n == "displayasdefault") {
        behaviour_.DisplayAsDefaultChanged(Ambient().displayAsDefault);
    } else if (n == "backcolor") {
        containerColour_ = gfx::ResolveColor(Ambient().backColor);
        if (p_.buttonShape > 3 || p_.buttonStyle == 5) RedrawButton();
    } else if (n == "usermode") {
        RedrawButton();  // style 5 marks its outline only while designed
    }
}

void XPButton::RaiseMouseDown(int button, int shift, float x, float y) {
    if (MouseDown) MouseDown(button, shift, x, y);
}
void XPButton::RaiseMouseUp(int button, int shift, float x, float y) {
    if (MouseUp) MouseUp(button, shift, x, y);
}
void XPButton::RaiseMouseMove(int button, int shift, float x, float y) {
    if (MouseMove) MouseMove(button, shift, x, y);
}
void XPButton::RaiseKeyDown(int16_t& keyCode, int16_t& shift) {
    int code = keyCode;
    if (KeyDown) KeyDown(code, shift);
    keyCode = static_cast<int16_t>(code);
}
void XPButton::RaiseKeyUp(int16_t& keyCode, int16_t& shift) {
    int code = keyCode;
    if (KeyUp) KeyUp(code, shift);
    keyCode = static_cast<int16_t>(code);
}
void XPButton::RaiseMouseOnButton(bool onButton) {
    if (MouseOnButton) MouseOnButton(onButton);
}
void XPButton::RaiseClick() {
    if (Click) Click();
}
void XPButton::RaiseDoubleClick(int16_t button) {
    if (DoubleClick) DoubleClick(button);
}

// --- option groups ---

bool XPButton::OptionToggle(int16_t action) {
    Control* box = containerWindow_.get();
    if (!box) return false;
    const std::vector<ui::ControlRef>* group = box->FindGroup(kOptionGroup);
    const size_t count = group ? group->size() : 0;
    auto member = [group](size_t n) { return dynamic_cast<XPButton*>((*group)[n].get()); };
    if (p_.value) {
        for (size_t n = 0; n < count; ++n) {
            XPButton* other = member(n);
            if (other && other != this) other->SetValue(false);
        }
    }
    if (action == 1) {
        box->Group(kOptionGroup).push_back(this);
    } else if (action == -1) {
        if (!group) return false;
        std::vector<ui::ControlRef>& members = box->Group(kOptionGroup);
        auto at = std::find(members.rbegin(), members.rend(), this);
        if (at == members.rend()) return false;
        members.erase(std::next(at).base());
        if (members.empty()) box->RemoveGroup(kOptionGroup);
    } else if (action == 2) {
        for (size_t n = 0; n < count; ++n) {
            XPButton* m = member(n);
            if (m && m->p_.value) return true;
        }
    }
    return false;
}

}  // namespace widgets
