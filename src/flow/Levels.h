#pragma once
#include <cstdint>

namespace flow {

struct LevelRow {
    const char* caption;
    int interval;  // ms per clock unit
    int16_t hints;
};
// Levels 1..12 at index level - 1.
extern const LevelRow kLevelTable[12];

void ApplyLevelSettings(int16_t level);
// "求助 " followed by the hints left, on XPButton5.
void SetHintCaption();
void LevelCleared();
void TimeUp();
void Label4_Click();

}  // namespace flow
