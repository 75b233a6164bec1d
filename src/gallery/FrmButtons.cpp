#include "gallery/FrmButtons.h"

#include <stdexcept>

#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

namespace gallery {

namespace {

constexpr gfx::Colour kSheetDefault = 0x8000000F;

}  // namespace

FrmButtons::FrmButtons(ui::App& app, const std::string& layout) : ui::Form(app, "frmButtons") {
    SetCaption(kTitle);
    SetBounds(gfx::Rect::FromSize(40, 40, 1000, 684));
    SetBackColor(kSheetDefault);
    ui::FormData data = ui::FormData::Parse(layout);
    data.SetPictureResolver([this](const std::string& name) { return pictures_.Get(name); });
    for (const std::string& name : data.Names()) Place(name, data.Section(name));
    sheet_ = &Placement("Sheet");
    SetDefaultButton(&Button("cmdDefault"));
    SetCancelButton(&Button("cmdClose"));
    WireTools();
    SetSheetDesignMode(Button("cmdDesign").Value());
}

void FrmButtons::Place(const std::string& name, ui::PropertyBag& bag) {
    std::string kind = bag.ReadString("Kind", "");
    std::string in = bag.ReadString("Container", "");
    ui::Control* container = in.empty() ? static_cast<ui::Control*>(this) : &Placement(in);
    gfx::Rect r = gfx::Rect::FromSize(bag.ReadLong("Left", 0), bag.ReadLong("Top", 0), bag.ReadLong("Width", 0),
                                      bag.ReadLong("Height", 0));
    ui::Control* c = nullptr;
    if (kind == "Panel") {
        auto& box = container->Add<ui::PictureBox>(name);
        box.SetScaleMode(ui::ScaleMode::Pixels);
        box.SetBounds(r);
        box.SetBackColor(bag.ReadColour("BackColor", kSheetDefault));
        c = &box;
    } else if (kind == "Label") {
        auto& label = container->Add<ui::Label>(name);
        label.SetFont({"DejaVu Sans", 8});
        label.SetBackStyle(ui::BackStyle::Transparent);
        label.SetCaption(bag.ReadString("Caption", ""));
        label.SetBounds(r);
        c = &label;
    } else if (kind == "XPButton") {
        auto& button = container->Add<widgets::XPButton>(name);
        button.SetBounds(r);
        button.SetTabIndex(static_cast<int>(placed_.size()));
        button.ReadProperties(bag);
        c = &button;
    } else {
        throw std::runtime_error("kelvaro-buttons: section [" + name + "] has an unknown Kind \"" + kind + "\"");
    }
    placed_.push_back({name, kind, c});
}

std::string FrmButtons::SaveText() const {
    ui::FormData data;
    for (const Placed& p : placed_) {
        ui::PropertyBag& bag = data.Section(p.name);
        bag.WriteString("Kind", p.kind, std::nullopt);
        ui::Control* container = p.control->Container();
        if (container != this) bag.WriteString("Container", container->Name(), std::nullopt);
        const gfx::Rect& r = p.control->Bounds();
        bag.WriteLong("Left", r.left, std::nullopt);
        bag.WriteLong("Top", r.top, std::nullopt);
        bag.WriteLong("Width", r.Width(), std::nullopt);
        bag.WriteLong("Height", r.Height(), std::nullopt);
        if (p.kind == "Panel") {
            bag.WriteColour("BackColor", static_cast<ui::PictureBox*>(p.control)->BackColor(), std::nullopt);
        } else if (p.kind == "Label") {
            bag.WriteString("Caption", p.control->Caption(), std::nullopt);
        } else {
            auto* b = static_cast<widgets::XPButton*>(p.control);
            b->WriteProperties(bag);
            // Our own pictures go back under their names rather than as pixels.
            std::string image = pictures_.NameOf(b->Picture().image.get());
            if (!image.empty()) bag.WriteString("Image", image, std::nullopt);
            std::string icon = pictures_.NameOf(b->MouseIcon().get());
            if (!icon.empty()) bag.WriteString("mIcon", icon, std::nullopt);
        }
    }
    return data.Serialize();
}

void FrmButtons::SaveLayout() {
    std::string error;
    if (WriteLayoutFile(savePath, SaveText(), &error)) {
        ui::MessageBox(GetApp(), this, "The layout was saved to\n" + savePath, ui::MsgButtons::Ok,
                       ui::MsgIcon::Information, 0, GetApp().Title());
    } else {
        ui::MessageBox(GetApp(), this, "The layout was not saved: " + error, ui::MsgButtons::Ok, ui::MsgIcon::Error, 0,
                       GetApp().Title());
    }
}

void FrmButtons::SetSheetDesignMode(bool on) { sheet_->SetDesignMode(on); }

widgets::XPButton& FrmButtons::Button(std::string_view name) const {
    auto* b = dynamic_cast<widgets::XPButton*>(&Placement(name));
    if (!b) throw std::out_of_range("kelvaro-buttons: " + std::string(name) + " is not a button");
    return *b;
}

ui::Control& FrmButtons::Placement(std::string_view name) const {
    for (const Placed& p : placed_)
        if (p.name == name) return *p.control;
    throw std::out_of_range("kelvaro-buttons: the layout has no " + std::string(name));
}

std::vector<widgets::XPButton*> FrmButtons::SheetButtons() const {
    std::vector<widgets::XPButton*> out;
    for (const Placed& p : placed_) {
        if (p.kind != "XPButton") continue;
        for (ui::Control* c = p.control; c; c = c->Container())
            if (c == sheet_) out.push_back(static_cast<widgets::XPButton*>(p.control));
    }
    return out;
}

widgets::XPButton* FrmButtons::ShownDefault() const {
    auto* shown = dynamic_cast<widgets::XPButton*>(DisplayedDefault());
    return shown ? shown : &Button("cmdDefault");
}

void FrmButtons::WireTools() {
    for (const Placed& p : placed_)
        if (p.control->Container() == &Placement("Tools")) p.control->SetTabStop(false);
    Placement("Tools").SetStartsDrag(true);
    Button("cmdDesign").Click = [this] { SetSheetDesignMode(Button("cmdDesign").Value()); };
    Button("cmdReset").Click = [this] {
        for (widgets::XPButton* b : SheetButtons()) b->SetResetDefaultColors(true);
    };
    Button("cmdSave").Click = [this] { SaveLayout(); };
    // The three situations that have a design-time message, and a rejected pointer picture.
    Button("cmdCheckCommand").Click = [this] { Button("G20").SetValue(true); };
    Button("cmdLeftCaption").Click = [this] { Button("pic4").SetCaptionAlign(0); };
    Button("chkFocusRect").Click = [this] { ShownDefault()->SetShowFocusRect(Button("chkFocusRect").Value()); };
    Button("cmdBitmapPointer").Click = [this] {
        Button("cmdPointer").SetButtonMouseIcon(pictures_.Get("keyed.png"));
    };
    Button("cmdClose").Click = [this] { Unload(); };
}

}  // namespace gallery
