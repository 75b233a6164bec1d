#include "ui/Label.h"

#include "ui/App.h"

namespace ui {

Label::Label(Control* container, std::string name) : Control(container, std::move(name)) { SetTabStop(false); }

void Label::SetCaption(const std::string& caption) {
    Control::SetCaption(caption);
    ApplyAutoSize();
}

void Label::SetFont(const gfx::FontDesc& desc) {
    fontDesc_ = desc;
    font_.reset();
    ApplyAutoSize();
    Invalidate();
}

void Label::SetForeColor(gfx::Colour c) {
    foreColor_ = c;
    Invalidate();
}

void Label::SetBackColor(gfx::Colour c) {
    backColor_ = c;
    Invalidate();
}

void Label::SetBackStyle(BackStyle s) {
    backStyle_ = s;
    Invalidate();
}

void Label::SetAlignment(Alignment a) {
    alignment_ = a;
    Invalidate();
}

void Label::SetAutoSize(bool on) {
    autoSize_ = on;
    ApplyAutoSize();
}

void Label::SetWordWrap(bool on) {
    wordWrap_ = on;
    ApplyAutoSize();
    Invalidate();
}

void Label::SetUseMnemonic(bool on) {
    useMnemonic_ = on;
    ApplyAutoSize();
    Invalidate();
}

const gfx::Font& Label::GetFontObject() const {
    if (!font_) {
        App* app = GetApp();
        font_ = app ? app->GetFont(fontDesc_) : gfx::Font::Create(fontDesc_);
    }
    return *font_;
}

static unsigned TextFlags(Alignment a, bool mnemonic) {
    unsigned f = gfx::kDtWordBreak;
    if (a == Alignment::Center) f |= gfx::kDtCenter;
    if (a == Alignment::Right) f |= gfx::kDtRight;
    if (!mnemonic) f |= gfx::kDtNoPrefix;
    return f;
}

gfx::Size Label::TextSize() const {
    gfx::Bitmap scratch(1, 1);
    gfx::Canvas c(scratch);
    GetFontObject();
    c.SetFont(font_);
    // Without WordWrap an auto-sized label grows sideways: measure on one line.
    int maxWidth = (autoSize_ && !wordWrap_) ? 1 << 20 : PixelWidth();
    return c.MeasureText(Caption(), maxWidth, TextFlags(alignment_, useMnemonic_));
}

void Label::ApplyAutoSize() {
    if (!autoSize_) return;
    gfx::Size s = TextSize();
    gfx::Rect b = Bounds();
    SetBounds(gfx::Rect::FromSize(b.left, b.top, s.width, s.height));
}

void Label::Paint(gfx::Canvas& canvas) {
    gfx::Rect r{0, 0, PixelWidth(), PixelHeight()};
    if (backStyle_ == BackStyle::Opaque) canvas.FillRect(r, gfx::ResolveColor(backColor_));
    if (Caption().empty()) return;
    GetFontObject();
    canvas.SetFont(font_);
    canvas.SetTextTransparent(true);
    canvas.SetTextColour(gfx::ResolveColor(IsEffectivelyEnabled() ? foreColor_ : gfx::Colour(0x80000011)));
    canvas.DrawText(Caption(), r, TextFlags(alignment_, useMnemonic_));
}

}  // namespace ui
