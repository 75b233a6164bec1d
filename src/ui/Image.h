#pragma once
// An image control: shows its picture unscaled at its top-left corner (Stretch
// off) or stretched to its size; with no picture what lies beneath shows.
// Transparent pixels of the picture let the background through.
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "ui/Control.h"

namespace ui {

class Image : public Control {
public:
    explicit Image(Control* container = nullptr, std::string name = {});

    const std::shared_ptr<const gfx::Bitmap>& Picture() const { return picture_; }
    void SetPicture(std::shared_ptr<const gfx::Bitmap> picture);  // nullptr: none
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);

    bool CanGetFocus() const override { return false; }
    ScaleMode OwnScale() const override { return ContainerScale(); }
    void Paint(gfx::Canvas& canvas) override;

private:
    std::shared_ptr<const gfx::Bitmap> picture_;
    bool stretch_ = false;
};

}  // namespace ui
