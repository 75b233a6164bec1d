#pragma once
#include <cstdint>

namespace game {

// Next value r of the runtime's generator, 0 <= r < 1, in steps of 2^-24.
float NextRandom();
// The salt: seconds of the current minute, read afresh at each call.
int16_t CurrentSalt();
// A salted random integer in lo..hi (upper bound first).
int16_t RandomBetween(int16_t hi, int16_t lo, int16_t salt);

}  // namespace game
