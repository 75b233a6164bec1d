#pragma once
// The button gallery's window: every style and shape of the skinned button and
// panels for modes, option groups, pictures, gradients, captions and states,
// all placed from form data. A tool bar above the sheet switches the sheet to
// design mode, resets its colours, provokes the design-time messages and saves
// the layout back as form data.
#include <string>
#include <string_view>
#include <vector>

#include "gallery/LayoutFile.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "widgets/xpbutton/XPButton.h"

namespace gallery {

// One control of the layout, under its section name.
struct Placed {
    std::string name;
    std::string kind;  // "Panel", "Label" or "XPButton"
    ui::Control* control = nullptr;
};

class FrmButtons : public ui::Form {
public:
    static constexpr const char* kTitle = "Kelvaro Buttons";

    // Places every control of the layout text; throws std::runtime_error on a
    // section that names an unknown kind or container.
    FrmButtons(ui::App& app, const std::string& layout);

    // The layout as it stands now, as form data text.
    std::string SaveText() const;
    // Writes SaveText() to savePath and says where in a message box.
    void SaveLayout();
    std::string savePath = DefaultSavePath();

    // Design mode for every button on the sheet; the tool bar keeps running.
    void SetSheetDesignMode(bool on);
    bool SheetDesignMode() const { return sheet_->DesignMode(); }

    // Lookups by section name; they throw std::out_of_range when it is missing.
    widgets::XPButton& Button(std::string_view name) const;
    ui::Control& Placement(std::string_view name) const;
    const std::vector<Placed>& Placements() const { return placed_; }
    // The buttons on the sheet (not the tool bar), in layout order.
    std::vector<widgets::XPButton*> SheetButtons() const;

private:
    void Place(const std::string& name, ui::PropertyBag& bag);
    void WireTools();
    widgets::XPButton* ShownDefault() const;

    AssetPictures pictures_;
    std::vector<Placed> placed_;
    ui::Control* sheet_ = nullptr;
};

}  // namespace gallery
