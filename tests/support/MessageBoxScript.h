#pragma once
// Answers message boxes from a queue and keeps every box shown, in order,
// with its answer once closed. Install with App::SetObserver.
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/AppObserver.h"

namespace kelvaro_test {

class MessageBoxScript : public ui::AppObserver {
public:
    // The next box closes itself with `answer` once it has been open for afterMs
    // (0: at once, without running a loop).
    void Answer(ui::MsgResult answer, uint64_t afterMs = 0) { queue_.push_back({answer, afterMs}); }
    // Asked before the queue; an answer closes the box at once.
    std::function<std::optional<ui::MsgResult>(const ui::MessageBoxRecord&)> hook;
    std::vector<ui::MessageBoxRecord> log;

    std::optional<ui::AppObserver::Answer> MessageBoxOpened(const ui::MessageBoxRecord& r) override {
        log.push_back(r);
        if (hook)
            if (auto a = hook(r)) return ui::AppObserver::Answer{*a, 0};
        if (queue_.empty()) return std::nullopt;
        ui::AppObserver::Answer a = queue_.front();
        queue_.pop_front();
        return a;
    }
    void MessageBoxClosed(const ui::MessageBoxRecord& r) override {
        for (auto it = log.rbegin(); it != log.rend(); ++it)
            if (it->answer == ui::MsgResult::None && it->prompt == r.prompt) {
                it->answer = r.answer;
                break;
            }
    }

private:
    std::deque<ui::AppObserver::Answer> queue_;
};

}  // namespace kelvaro_test
