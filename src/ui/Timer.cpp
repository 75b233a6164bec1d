#include "ui/Timer.h"

#include "ui/App.h"

namespace ui {

Timer::Timer(App& app, std::string name) : app_(app), name_(std::move(name)) {}

Timer::~Timer() {
    if (handle_) app_.StopTimer(handle_);
}

void Timer::SetInterval(int ms) {
    interval_ = ms;
    if (enabled_) Restart();
}

void Timer::SetEnabled(bool on) {
    enabled_ = on;
    // Enabling always starts a fresh interval, even when already enabled.
    Restart();
}

void Timer::Restart() {
    if (handle_) app_.StopTimer(handle_);
    handle_ = 0;
    if (!enabled_ || interval_ <= 0) return;
    handle_ = app_.StartTimer(interval_, [this] {
        // A tick never runs into a handler of this timer that is still on the stack.
        if (inHandler_ || !TimerEvent) return;
        inHandler_ = true;
        TimerEvent();
        inHandler_ = false;
    });
}

}  // namespace ui
