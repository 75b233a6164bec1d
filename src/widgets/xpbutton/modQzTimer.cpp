#include "widgets/xpbutton/modQzTimer.h"

#include "ui/Control.h"
#include "widgets/xpbutton/XPButton.h"

namespace widgets::modQzTimer {

void HoverTimerProc(ui::Control* window, int /*message*/, int /*timerId*/, uint64_t /*time*/) {
    if (!window) return;
    // The button stops its timer before it goes away, so the identity is live here.
    auto* button = reinterpret_cast<XPButton*>(window->GetProp(kClassIdKey));
    if (!button) return;
    button->CheckHover(static_cast<int>(window->GetProp(kTimerIdKey)));
}

}  // namespace widgets::modQzTimer
