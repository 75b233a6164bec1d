#pragma once
// The seeded monkey: the whole program on the headless backend receives random
// presses, releases, moves, drags, keys and timer time, and its message boxes
// are answered at random. After every event the game's invariants are checked.
// The same seed gives the same run.
#include <cstdint>
#include <string>

namespace kelvaro_monkey {

struct MonkeyResult {
    bool ok = true;
    uint64_t events = 0;      // events delivered
    uint64_t failedAt = 0;    // the event after which an invariant broke
    std::string failure;      // what broke
    uint64_t pairs = 0;       // pairs removed over the run
    uint64_t boards = 0;      // boards dealt
    uint64_t boxes = 0;       // message boxes opened
    uint64_t restarts = 0;    // program ends (Alt+F4, the exit question) followed by a new start
};

// Runs the program for `events` events from `seed`; stops at the first broken invariant.
MonkeyResult RunMonkey(uint64_t seed, uint64_t events);

}  // namespace kelvaro_monkey
