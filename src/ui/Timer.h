#pragma once
// A forms timer: fires its TimerEvent every Interval milliseconds while
// Enabled, from the App's loop on the UI thread. Enabling it (also when it was
// already enabled) and changing Interval while enabled start a fresh interval.
// Interval 0 never fires. A tick is never delivered into a handler of the same
// timer that is still running (a nested loop inside the handler).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ui {

class App;

class Timer {
public:
    explicit Timer(App& app, std::string name = {});
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    // The Timer event.
    std::function<void()> TimerEvent;

private:
    void Restart();

    App& app_;
    std::string name_;
    int interval_ = 0;
    bool enabled_ = false;
    uint64_t handle_ = 0;  // App timer, 0 when not scheduled
    bool inHandler_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace ui
