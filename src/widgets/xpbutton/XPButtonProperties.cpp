// Property setters: range checks, the hover-colour locks and what each change
// rebuilds. A value out of range is ignored silently.
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "widgets/xpbutton/Caption.h"
#include "widgets/xpbutton/XPButton.h"

namespace widgets {

namespace {
bool InRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

// A pointer picture needs a mask, as icon and cursor files carry one; an opaque bitmap has none.
bool IsPointerPicture(const gfx::Bitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if ((b.Raw(x, y) & gfx::Bitmap::kOpaque) != gfx::Bitmap::kOpaque) return true;
    return false;
}

// The tip of the pointer: the middle of the first run of mostly opaque pixels in the topmost such row.
gfx::Point PointerHotSpot(const gfx::Bitmap& b) {
    auto solid = [&b](int x, int y) { return (b.Raw(x, y) >> 24) >= 0x80; };
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (solid(x, y)) {
                int end = x;
                while (end + 1 < b.Width() && solid(end + 1, y)) ++end;
                return {(x + end) / 2, y};
            }
    return {};
}
}  // namespace

void XPButton::Inform(const std::string& text, const std::string& title) {
    ui::App* app = GetApp();
    if (!app) return;
    ui::MessageBox(*app, ParentForm(), text, ui::MsgButtons::Ok, ui::MsgIcon::Information, 0,
                   title.empty() ? app->Title() : title);
}

void XPButton::SetButtonStyle(int32_t v) {
    if (!InRange(v, 0, 7)) return;
    p_.buttonStyle = v;
    BuildRegion();
    LayoutContent();
    PrepareResource("BackColor");
    RedrawButton();
    Notify("BackStyle");
}

void XPButton::SetMode(int32_t v) {
    if (!InRange(v, 0, 2)) return;
    int32_t old = p_.mode;
    if (old == 2 && v != 2) OptionToggle(-1);
    if (v == 2 && old != 2) OptionToggle(1);
    if (v == 0 && old != 0) p_.value = false;
    p_.mode = v;
    RedrawButton();
    Notify("Mode");
}

void XPButton::SetValue(bool v) {
    if (v && p_.mode == 0) {
        if (DesignMode()) Inform(kMsgNotForCommand);
        return;
    }
    p_.value = v;
    if (v && p_.mode == 2) OptionToggle(0);
    RedrawButton();
    Notify("Value");
}

void XPButton::SetCaption(const std::string& caption) {
    // Without an "&" of its own the caption keeps the access key set before.
    if (char key = ParseAccessKey(caption)) SetAccessKey(key);
    p_.caption = caption;
    LayoutContent();
    RedrawButton();
    Notify("Caption");
}

void XPButton::SetCaptionAlign(int32_t v) {
    if (!InRange(v, 0, 2)) return;
    bool hasPicture = p_.picture.Present();
    if (!(v == 2 || p_.pictureAlign < 4 || !hasPicture)) {  // top/bottom pictures need a centred caption
        if (DesignMode()) Inform(kMsgCentreOnly);
        return;
    }
    p_.captionAlign = v;
    LayoutContent();
    RedrawButton();
    Notify("CapAlign");
}

void XPButton::SetCaptionStyle(int32_t v) {
    if (!InRange(v, 0, 2)) return;
    p_.captionStyle = v;
    Notify("CapStyle");
    if (!p_.caption.empty()) {
        LayoutContent();
        RedrawButton();
    }
}

void XPButton::SetButtonShape(int32_t v) {
    if (!InRange(v, 0, 6)) return;
    p_.buttonShape = v;
    if (v == 3) p_.captionAlign = 2;
    delay_ = false;
    ResizeProcessing();
    Notify("Shape");
}

void XPButton::SetPicture(ButtonPicture picture) {
    p_.picture = std::move(picture);
    if (p_.pictureSize == 0) p_.pictureSize = 16;
    PrepareResource("Picture");
    LayoutContent();
    RedrawButton();
    Notify("Image");
}

void XPButton::SetPictureAlign(int32_t v) {
    if (!InRange(v, 0, 5)) return;
    p_.pictureAlign = v;
    if (v >= 4) SetCaptionAlign(2);
    LayoutContent();
    RedrawButton();
    Notify("ImgAlign");
}

void XPButton::SetEnabled(bool e) {
    if (e == p_.enabled) return;
    p_.enabled = e;
    Control::SetEnabled(e);
    if (p_.buttonStyle == 3 && p_.mode == 0) {
        DelayDrawing(true);
        BuildRegion();  // style 3 has its corner cuts only while enabled
        LayoutContent();
        DelayDrawing(false);
    } else {
        RedrawButton();
    }
    Notify("Enabled");
}

void XPButton::SetShowFocusRect(bool v) {
    p_.showFocusRect = v;
    if (behaviour_.State().DefaultLook() && !DesignMode()) {
        behaviour_.DisplayAsDefaultChanged(false);  // clears the look and redraws
    } else if (behaviour_.State().DefaultLook()) {
        Inform(kMsgFocusRect);
    } else {
        RedrawButton();
    }
    Notify("Focus");
}

int32_t XPButton::PictureSize() const {
    int size = p_.pictureSize == 0 ? 16 : p_.pictureSize;
    return size / 8 - 2;
}

void XPButton::SetPictureSize(int32_t index) {
    if (!InRange(index, 0, 4)) return;
    p_.pictureSize = static_cast<int16_t>((index + 2) * 8);
    LayoutContent();
    RedrawButton();
    Notify("ImgSize");
}

void XPButton::SetButtonMousePointer(int16_t code) {
    p_.mousePointer = code;
    SetMousePointer(code);
    Notify("mPointer");
}

void XPButton::SetButtonMouseIcon(std::shared_ptr<const gfx::Bitmap> icon) {
    if (icon && !IsPointerPicture(*icon)) {
        if (DesignMode()) Inform(kMsgBadPointer, kMsgBadPointerTitle);
        return;
    }
    p_.mouseIcon = icon;
    SetMouseIcon(icon, icon ? PointerHotSpot(*icon) : gfx::Point{});
    if (icon) {
        SetButtonMousePointer(ui::kPointerCustom);
        Notify("mIcon");
    }
}

void XPButton::SetFont(const gfx::FontDesc& font) {
    p_.font = font;
    PrepareResource("Font");
    LayoutContent();
    RedrawButton();
    Notify("Font");
}

int32_t XPButton::FontStyle() const {
    return (p_.font.bold ? 2 : 0) | (p_.font.italic ? 4 : 0) | (p_.font.underline ? 8 : 0);
}

void XPButton::SetFontStyle(int32_t bits) {
    p_.font.bold = (bits & 2) != 0;
    p_.font.italic = (bits & 4) != 0;
    p_.font.underline = (bits & 8) != 0;
    PrepareResource("Font");
    LayoutContent();
    Notify("Font");
    RedrawButton();
}

void XPButton::SetForeColor(gfx::Colour c) {
    if (c == p_.foreColor) return;
    p_.foreColor = c;
    if (p_.hoverColorLocks == 0 || p_.hoverColorLocks == 1) SetHoverForeColor(c);
    delay_ = false;
    RedrawButton();
    Notify("cFore");
}

void XPButton::SetBackColor(gfx::Colour c) {
    p_.backColor = gfx::ResolveColor(c);
    if (p_.hoverColorLocks == 0 || p_.hoverColorLocks == 2) {
        // The colour as given: a system colour differs from its stored RGB and so unlocks.
        SetHoverBackColor(p_.gradientMode != 0 ? p_.gradientColor : c);
    }
    PrepareResource("BackColor");
    RedrawButton();
    Notify("cBack");
}

void XPButton::SetGradientColor(gfx::Colour c) {
    if ((p_.hoverColorLocks == 0 || p_.hoverColorLocks == 2) && p_.gradientMode != 0) p_.hoverBackColor = c;
    p_.gradientColor = c;
    PrepareResource("BackColor");
    if (p_.gradientMode != 0) RedrawButton();
    Notify("cGradient");
}

void XPButton::SetGradientMode(int32_t v) {
    if (!InRange(v, 0, 4)) return;
    p_.gradientMode = v;
    if (p_.hoverColorLocks == 0 || p_.hoverColorLocks == 2) {
        p_.hoverBackColor = v == 0 ? p_.backColor : p_.gradientColor;
        PrepareResource("BackColor");
    }
    RedrawButton();
    Notify("Gradient");
}

void XPButton::SetResetDefaultColors(bool v) {
    if (!v || !DesignMode()) return;
    DelayDrawing(true);
    SetBackColor(kSysButtonFace);
    SetForeColor(kSysButtonText);
    SetGradientColor(kSysButtonFace);
    SetGradientMode(0);
    SetHoverColorLocks(0);
    PrepareResource("BackColor");
    DelayDrawing(false);
    Notify("cGradient");
    Notify("cBack");
}

void XPButton::SetHoverColorLocks(int32_t v) {
    p_.hoverColorLocks = v;  // stored as given, no range check
    if (v == 0 || v == 2) {
        p_.hoverBackColor = p_.gradientMode != 0 ? p_.gradientColor : p_.backColor;
        Notify("cBHover");
    }
    if (v == 0 || v == 1) {
        p_.hoverForeColor = p_.foreColor;
        Notify("cFHover");
    }
    PrepareResource("BackColor");
    Notify("LockHover");
}

void XPButton::SetHoverForeColor(gfx::Colour c) {
    if (c == p_.hoverForeColor) return;
    p_.hoverForeColor = c;
    Notify("cFHover");
    if (c != p_.foreColor) {
        if (p_.hoverColorLocks == 0) p_.hoverColorLocks = 2;
        if (p_.hoverColorLocks == 1) p_.hoverColorLocks = 3;
    }
    Notify("cFHover");
}

void XPButton::SetHoverBackColor(gfx::Colour c) {
    if (c == p_.hoverBackColor) return;
    p_.hoverBackColor = c;
    if (c != p_.backColor) {
        if (p_.hoverColorLocks == 0) p_.hoverColorLocks = 1;
        if (p_.hoverColorLocks == 2) p_.hoverColorLocks = 3;
    }
    PrepareResource("BackColor");
    Notify("cBHover");
}

}  // namespace widgets
