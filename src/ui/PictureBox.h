#pragma once
// A picture box: a persistent surface and a container of other controls.
// Everything drawn on it reaches the window through its form's composition.
#include <string>

#include "ui/SurfaceControl.h"

namespace ui {

class PictureBox : public SurfaceControl {
public:
    explicit PictureBox(Control* container = nullptr, std::string name = {});
    // A press on a picture box does not take the keyboard focus here.
    bool CanGetFocus() const override { return false; }
};

}  // namespace ui
