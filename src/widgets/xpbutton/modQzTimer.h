#pragma once
// The hover timer's callback. The button's window carries two properties: a
// mark that it is a skinned button with a hover timer (qz_ClassID) and the
// timer id (qz_TimerID). The window is the button, so no address is stored.
#include <cstdint>

namespace ui {
class Control;
}

namespace widgets::modQzTimer {

inline constexpr const char* kClassIdKey = "qz_ClassID";
inline constexpr const char* kTimerIdKey = "qz_TimerID";
inline constexpr int kWmTimer = 0x0113;

void HoverTimerProc(ui::Control* window, int message, int timerId, uint64_t time);

}  // namespace widgets::modQzTimer
