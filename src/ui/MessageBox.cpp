#include "ui/MessageBox.h"

#include <algorithm>

#include "ui/App.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace ui {

namespace {

constexpr int kTitleHeight = 24;
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 8;
constexpr int kMaxTextWidth = 420;
constexpr gfx::Colour kFace = 0xF0F0F0;

// A plain push button: flat face, a blue border while it is the default.
class PushButton : public Control {
public:
    PushButton(Control* container, std::string caption, MsgResult answer, std::shared_ptr<const gfx::Font> font)
        : Control(container, caption), answer_(answer), font_(std::move(font)) {
        SetCaption(caption);
    }
    MsgResult Answer() const { return answer_; }
    bool ActsAsButton() const override { return true; }

    void OnMouseDown(int button, int shift, float x, float y) override {
        if (button == platform::kLeftButton) SetHeld(true);
        Control::OnMouseDown(button, shift, x, y);
    }
    void OnMouseMove(int button, int shift, float x, float y) override {
        if (button & platform::kLeftButton) SetHeld(HitTest(static_cast<int>(x), static_cast<int>(y)));
        Control::OnMouseMove(button, shift, x, y);
    }
    void OnMouseUp(int button, int shift, float x, float y) override {
        SetHeld(false);
        Control::OnMouseUp(button, shift, x, y);
    }
    void OnKeyUp(int& keyCode, int shift) override {
        if (keyCode == platform::kVkSpace) OnClick();
        Control::OnKeyUp(keyCode, shift);
    }
    void OnAmbientChanged(const std::string&) override { Invalidate(); }

    void Paint(gfx::Canvas& c) override {
        gfx::Rect r{0, 0, PixelWidth(), PixelHeight()};
        bool isDefault = Ambient().displayAsDefault;
        c.FillRect(r, held_ ? 0xCCE4F7 : 0xE1E1E1);
        c.SetBrush(gfx::Brush::Hollow());
        c.SetPen(isDefault ? 0xD77800 : 0xADADAD);
        c.Rectangle(r);
        if (isDefault) c.Rectangle({1, 1, r.right - 1, r.bottom - 1});
        if (HasFocus()) c.DrawFocusRect({3, 3, r.right - 3, r.bottom - 3});
        c.SetFont(font_);
        c.SetTextColour(0);
        c.SetTextTransparent(true);
        c.DrawText(Caption(), r, gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtSingleLine);
    }

private:
    void SetHeld(bool held) {
        if (held == held_) return;
        held_ = held;
        Invalidate();
    }

    MsgResult answer_;
    std::shared_ptr<const gfx::Font> font_;
    bool held_ = false;
};

void PaintIcon(gfx::Canvas& c, MsgIcon icon, int x, int y) {
    gfx::Rect r = gfx::Rect::FromSize(x, y, kIconSize, kIconSize);
    gfx::Colour fill = icon == MsgIcon::Error ? 0x2B2BE8 : 0xD77800;  // red, blue
    c.SetPen(fill);
    c.SetBrush(gfx::Brush::Solid(fill));
    c.Ellipse(r);
    const int cx = x + kIconSize / 2;
    if (icon == MsgIcon::Error) {  // a white cross
        for (int d = -1; d <= 1; ++d) {
            c.SetPen(0xFFFFFF);
            c.Line(x + 9 + d, y + 9, x + 23 + d, y + 23);
            c.Line(x + 23 + d, y + 9, x + 9 + d, y + 23);
        }
    } else if (icon == MsgIcon::Information) {  // "i": a dot and a stem
        c.FillRect({cx - 2, y + 7, cx + 2, y + 11}, 0xFFFFFF);
        c.FillRect({cx - 2, y + 13, cx + 2, y + 25}, 0xFFFFFF);
    } else {  // "?": a hook and a dot
        c.FillRect({cx - 6, y + 7, cx + 6, y + 10}, 0xFFFFFF);
        c.FillRect({cx + 3, y + 7, cx + 6, y + 16}, 0xFFFFFF);
        c.FillRect({cx - 2, y + 14, cx + 6, y + 17}, 0xFFFFFF);
        c.FillRect({cx - 2, y + 14, cx + 1, y + 21}, 0xFFFFFF);
        c.FillRect({cx - 2, y + 23, cx + 1, y + 26}, 0xFFFFFF);
    }
}

class MessageBoxForm : public Form {
public:
    MessageBoxForm(App& app, Form* owner, const MessageBoxRecord& rec) : Form(app, "MessageBox"), rec_(rec) {
        SetScaleMode(ScaleMode::Pixels);
        SetShowInTaskbar(false);
        SetOwnerForm(owner);
        SetCaption(rec.title);
        SetStartsDrag(true);  // the box moves by any free point
        Build(app);
    }

    MsgResult result = MsgResult::None;

    MsgResult EscapeAnswer() const { return rec_.buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok; }
    PushButton* DefaultPush() const { return buttons_[std::min<size_t>(rec_.defaultButton, buttons_.size() - 1)]; }

private:
    void Build(App& app) {
        auto font = app.DefaultFont();
        gfx::Bitmap scratch(1, 1);
        gfx::Canvas measure(scratch);
        measure.SetFont(font);
        unsigned flags = gfx::kDtWordBreak | gfx::kDtNoPrefix;
        gfx::Size text = measure.MeasureText(rec_.prompt, kMaxTextWidth, flags);
        bool hasIcon = rec_.icon != MsgIcon::None;
        int textX = hasIcon ? kMargin * 2 + kIconSize : kMargin * 2;
        int contentTop = kTitleHeight + kMargin + 4;
        int textY = contentTop + (hasIcon && text.height < kIconSize ? (kIconSize - text.height) / 2 : 0);
        int contentBottom = std::max(textY + text.height, hasIcon ? contentTop + kIconSize : 0);

        std::vector<std::pair<std::string, MsgResult>> specs;
        if (rec_.buttons == MsgButtons::YesNo)
            specs = {{"是(&Y)", MsgResult::Yes}, {"否(&N)", MsgResult::No}};
        else
            specs = {{"确定", MsgResult::Ok}};
        int rowWidth = static_cast<int>(specs.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
        int width = std::max({textX + text.width + kMargin * 2, rowWidth + kMargin * 2, 180});
        int buttonsY = contentBottom + kMargin + 4;
        int height = buttonsY + kButtonHeight + kMargin;
        SetBounds(gfx::Rect::FromSize(0, 0, width, height));

        auto& label = Add<Label>("Prompt");
        label.SetBackStyle(BackStyle::Transparent);
        label.SetUseMnemonic(false);
        label.SetFont(font->Desc());
        label.SetForeColor(0);
        label.SetBounds(gfx::Rect::FromSize(textX, textY, text.width + 1, text.height));
        label.SetCaption(rec_.prompt);
        label.SetStartsDrag(true);

        int x = (width - rowWidth) / 2;
        for (size_t i = 0; i < specs.size(); ++i) {
            auto& b = Add<PushButton>(specs[i].first, specs[i].second, font);
            b.SetBounds(gfx::Rect::FromSize(x, buttonsY, kButtonWidth, kButtonHeight));
            b.SetTabIndex(static_cast<int>(i));
            b.Click = [this, answer = specs[i].second] { result = answer; };
            buttons_.push_back(&b);
            x += kButtonWidth + kButtonGap;
        }
        SetDefaultButton(DefaultPush());
        SetCancelButton(buttons_.back());
        PaintFrame(font, hasIcon ? gfx::Point{kMargin + 4, contentTop} : gfx::Point{-1, -1});
    }

    void PaintFrame(const std::shared_ptr<const gfx::Font>& font, gfx::Point iconAt) {
        SetBackColor(kFace);
        gfx::Canvas& c = Canvas();
        int w = PixelWidth(), h = PixelHeight();
        c.FillRect({0, 0, w, kTitleHeight}, gfx::ResolveColor(0x80000002));
        c.SetBrush(gfx::Brush::Hollow());
        c.SetPen(0x808080);
        c.Rectangle({0, 0, w, h});
        c.SetFont(font);
        c.SetTextColour(0x000000);
        c.SetTextTransparent(true);
        gfx::Rect title{8, 0, w - 8, kTitleHeight};
        c.DrawText(rec_.title, title, gfx::kDtVCenter | gfx::kDtSingleLine | gfx::kDtNoPrefix);
        if (iconAt.x >= 0) PaintIcon(c, rec_.icon, iconAt.x, iconAt.y);
    }

    MessageBoxRecord rec_;
    std::vector<PushButton*> buttons_;
};

// Positions are screen pixels, sizes 1x: the sizes are magnified first.
gfx::Point CentreOn(App& app, Form* owner, int w, int h) {
    platform::Backend& be = app.Backend();
    const int s = be.Scale();
    if (owner && owner->Window()) {
        gfx::Point p = be.GetWindowPosition(owner->Window());
        return {p.x + (owner->PixelWidth() - w) * s / 2, p.y + (owner->PixelHeight() - h) * s / 2};
    }
    gfx::Point screen = be.ScreenSize();
    return {(screen.x - w * s) / 2, (screen.y - h * s) / 2};
}

}  // namespace

MsgResult MessageBox(App& app, Form* owner, const std::string& prompt, MsgButtons buttons, MsgIcon icon,
                     int defaultButton, const std::string& title) {
    MessageBoxRecord rec{prompt, title, buttons, icon, defaultButton, MsgResult::None};
    AppObserver* observer = app.Observer();
    auto finish = [&](MsgResult r) {
        rec.answer = r;
        if (observer) observer->MessageBoxClosed(rec);
        return r;
    };
    std::optional<AppObserver::Answer> scripted;
    if (observer) scripted = observer->MessageBoxOpened(rec);
    if (scripted && scripted->afterMs == 0) return finish(scripted->answer);

    MessageBoxForm box(app, owner, rec);
    gfx::Point at = CentreOn(app, owner, box.PixelWidth(), box.PixelHeight());
    box.SetBounds(gfx::Rect::FromSize(at.x, at.y, box.PixelWidth(), box.PixelHeight()));
    box.Load();
    box.Show();
    // The box takes the keyboard at once, so Y, N, Enter and Escape answer it.
    app.Backend().RaiseWindow(box.Window());
    box.DefaultPush()->SetFocus();
    app.PushModal(&box);
    uint64_t timer = 0;
    if (scripted) timer = app.StartTimer(static_cast<int>(scripted->afterMs), [&] { box.result = scripted->answer; });
    bool answered = app.RunUntil([&] { return box.result != MsgResult::None || !box.IsLoaded(); });
    if (timer) app.StopTimer(timer);
    app.PopModal(&box);
    MsgResult result = box.result;
    // Closed by the window manager, or the loop ended: the Escape answer.
    if (!answered || result == MsgResult::None) result = box.EscapeAnswer();
    box.Unload();
    app.PresentAll();
    return finish(result);
}

}  // namespace ui
