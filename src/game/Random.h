#pragma once
#include <cstdint>

namespace game { class GameWindow; }

namespace game {

// Next value r of the runtime's generator, 0 <= r < 1, in steps of 2^-24.
float NextRandom(GameWindow& w);
// The salt: seconds of the current minute, read afresh at each call.
int16_t CurrentSalt(GameWindow& w);
// A salted random integer in lo..hi (upper bound first).
int16_t RandomBetween(GameWindow& w, int16_t hi, int16_t lo, int16_t salt);

}  // namespace game
