#include "ui/PictureBox.h"

namespace ui {

PictureBox::PictureBox(Control* container, std::string name) : SurfaceControl(container, std::move(name)) {
    SetBackColor(0x8000000F);
    SetTabStop(false);
}

}  // namespace ui
