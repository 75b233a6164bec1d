#include "game/Random.h"

#include <cmath>
#include <optional>

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/GameWindow.h"
#include "ui/App.h"

namespace game {

float NextRandom(GameWindow& w) {
    if (w.observer)
        if (std::optional<float> r = w.observer->NextDraw()) return *r;
    // Full-period 24-bit linear congruential step; the state divided by 2^24
    // is exact in single precision and can never round up to 1.
    uint32_t& s = gameState.randomState;
    s = (s * 0x2C4E35u + 0x9B3A7Fu) & 0xFFFFFFu;
    return static_cast<float>(s) / 16777216.0f;
}

int16_t CurrentSalt(GameWindow& w) {
    return static_cast<int16_t>(w.app.Backend().SecondsOfMinute());
}

int16_t RandomBetween(GameWindow& w, int16_t hi, int16_t lo, int16_t salt) {
    int span = hi - lo + 1;
    float r = NextRandom(w);
    double v = static_cast<double>(static_cast<float>(span)) * r + static_cast<float>(salt);
    // Rounded, not truncated: v can reach salt + span, which folds back.
    long rounded = std::lrint(v);  // default rounding mode: halves to even
    return static_cast<int16_t>(rounded % span + lo);
}

}  // namespace game
