#pragma once
#include <cstdint>

namespace game { class GameWindow; }

namespace flow {

struct LevelRow {
    const char* caption;
    int interval;  // ms per clock unit
    int16_t hints;
};
// Levels 1..12 at index level - 1.
extern const LevelRow kLevelTable[12];

void ApplyLevelSettings(game::GameWindow& w, int16_t level);
// "求助 " followed by the hints left, on XPButton5.
void SetHintCaption(game::GameWindow& w);
void LevelCleared(game::GameWindow& w);
void TimeUp(game::GameWindow& w);
void Label4_Click(game::GameWindow& w);

}  // namespace flow
