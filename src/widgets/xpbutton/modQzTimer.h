#pragma once
// The hover timer's callback. The button's window carries two properties: the
// button object (qz_ClassID) and the timer id (qz_TimerID); the callback finds
// the button through them.
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
