#pragma once
// What the game takes from its surroundings besides the controls: the clock's
// seconds, the runtime's random generator and the fatal-error exit. Tests
// replace the hooks; ResetGameEnv restores the start-of-program state.
#include <cstdint>
#include <functional>

namespace game {

struct GameEnv {
    // Seconds of the current minute, 0..59, read at every random draw.
    std::function<int()> secondsOfMinute;
    // When set, replaces the generator (tests pin r exactly).
    std::function<float()> randomDraw;
    // Shows the error and ends the program; tests observe it instead.
    std::function<void()> fatalError;
    // Called as an accepted link is taken, with the path still on the stack;
    // lets tests and tools see exactly what the search found.
    std::function<void()> onAcceptLink;
    // The generator's state: the same start at every run, never reseeded.
    uint32_t randomState = kRandomStart;

    static constexpr uint32_t kRandomStart = 0x50A3E1u;
};

extern GameEnv gameEnv;

void ResetGameEnv();

}  // namespace game
