#include "game/Random.h"

#include <chrono>
#include <cmath>

#include "game/GameEnv.h"

namespace game {

GameEnv gameEnv;

void ResetGameEnv() { gameEnv = GameEnv{}; }

float NextRandom() {
    if (gameEnv.randomDraw) return gameEnv.randomDraw();
    // Full-period 24-bit linear congruential step; the state divided by 2^24
    // is exact in single precision and can never round up to 1.
    uint32_t& s = gameEnv.randomState;
    s = (s * 0x2C4E35u + 0x9B3A7Fu) & 0xFFFFFFu;
    return static_cast<float>(s) / 16777216.0f;
}

int16_t CurrentSalt() {
    if (gameEnv.secondsOfMinute) return static_cast<int16_t>(gameEnv.secondsOfMinute());
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<int16_t>(std::chrono::duration_cast<std::chrono::seconds>(now).count() % 60);
}

int16_t RandomBetween(int16_t hi, int16_t lo, int16_t salt) {
    int span = hi - lo + 1;
    float r = NextRandom();
    double v = static_cast<double>(static_cast<float>(span)) * r + static_cast<float>(salt);
    // Rounded, not truncated: v can reach salt + span, which folds back.
    long rounded = std::lrint(v);  // default rounding mode: halves to even
    return static_cast<int16_t>(rounded % span + lo);
}

}  // namespace game
