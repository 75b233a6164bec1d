#pragma once
// What a watcher of the game sees and may decide: tests and tools install one
// on the game window; the program runs without one.
#include <optional>

namespace game {

class GameObserver {
public:
    virtual ~GameObserver() = default;
    // An accepted link, probes included, with its path still on the stack.
    virtual void LinkAccepted() {}
    // A fatal error; true takes it over, and the program goes on instead of ending.
    virtual bool FatalErrorRaised() { return false; }
    // A value 0 <= r < 1 replaces the generator's next draw (tests pin draws).
    virtual std::optional<float> NextDraw() { return std::nullopt; }
};

}  // namespace game
