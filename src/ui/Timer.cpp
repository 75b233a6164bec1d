#include "ui/Timer.h"

#include "ui/App.h"

namespace ui {

Timer::Timer(App& app, std::string name) : app_(app), name_(std::move(name)) {}

Timer::~Timer() {
    *alive_ = false;
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
        // The handler may destroy this timer: run a copy, and touch nothing after it then.
        std::function<void()> handler = TimerEvent;
        std::shared_ptr<bool> alive = alive_;
        inHandler_ = true;
        handler();
        if (*alive) inHandler_ = false;
    });
}

}  // namespace ui
