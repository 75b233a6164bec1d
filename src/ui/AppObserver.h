#pragma once
// What a watcher of the runtime sees: every message box as it opens and as it
// closes. Tests install one to answer boxes and to read what was asked; the
// program runs without one.
#include <cstdint>
#include <optional>

#include "ui/MessageBoxTypes.h"

namespace ui {

class AppObserver {
public:
    struct Answer {
        MsgResult answer;
        uint64_t afterMs = 0;  // 0: at once, without showing the box
    };

    virtual ~AppObserver() = default;
    // A box is about to show; an answer closes it by itself after afterMs of loop time.
    virtual std::optional<Answer> MessageBoxOpened(const MessageBoxRecord&) { return std::nullopt; }
    // The box closed; the record holds its answer.
    virtual void MessageBoxClosed(const MessageBoxRecord&) {}
};

}  // namespace ui
