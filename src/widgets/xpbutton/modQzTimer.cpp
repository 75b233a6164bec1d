#include "widgets/xpbutton/modQzTimer.h"

#include "ui/Control.h"
#include "widgets/xpbutton/XPButton.h"

namespace widgets::modQzTimer {

void HoverTimerProc(ui::Control* window, int /*message*/, int /*timerId*/, uint64_t /*time*/) {
    if (!window) return;
    // The window is the button itself; the mark says it runs a hover timer.
    auto* button = dynamic_cast<XPButton*>(window);
    if (!button || !window->GetProp(kClassIdKey)) return;
    button->CheckHover(static_cast<int>(window->GetProp(kTimerIdKey)));
}

}  // namespace widgets::modQzTimer
