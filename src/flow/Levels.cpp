#include "flow/Levels.h"

#include <string>

#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameState;

const LevelRow kLevelTable[12] = {
    {"1", 2500, 10}, {"2", 2000, 9}, {"3", 1750, 8}, {"4", 1500, 7}, {"5", 1250, 6}, {"6", 1000, 5},
    {"7", 750, 4},   {"8", 500, 3},  {"9", 400, 2},  {"10", 300, 1}, {"11", 200, 0}, {"12", 100, 0},
};

namespace {

void ShowBanner(game::GameWindow& w, int index) {
    w.Picture1.PaintPicture(w.Banner(index), 140, 220, 360, 40);
}

void ShowContinue(game::GameWindow& w, const char* caption) {
    w.Label4.SetCaption(caption);
    w.Label4.SetVisible(true);
    w.Label4.SetEnabled(true);
}

void StopClock(game::GameWindow& w) {
    w.Timer2.SetEnabled(false);
}

}  // namespace

void ApplyLevelSettings(game::GameWindow& w, int16_t level) {
    if (level >= 1 && level <= 12) {
        const LevelRow& row = kLevelTable[level - 1];
        w.Label3.SetCaption(row.caption);
        w.Timer2.SetInterval(row.interval);
        gameState.hintsLeft = row.hints;
    }
    SetHintCaption(w);
}

void SetHintCaption(game::GameWindow& w) {
    w.XPButton5.SetCaption("求助 " + std::to_string(gameState.hintsLeft));
}

void LevelCleared(game::GameWindow& w) {
    StopClock(w);
    gameState.boardFinished = true;
    gameState.gameRunning = false;
    ShowBanner(w, 1);
    if (++gameState.level > 12) gameState.level = 12;
    ShowContinue(w, "> 下一关");
    PlayWinSound(w);
}

void TimeUp(game::GameWindow& w) {
    gameState.gameRunning = false;
    StopClock(w);
    gameState.boardFinished = true;
    w.Picture3.Cls();
    w.Picture1.Cls();
    ShowBanner(w, 0);
    ShowContinue(w, "继续游戏");
    PlayGameOverSound(w);
}

void Label4_Click(game::GameWindow& w) {
    if (gameState.accepting) return;
    game::StartNewBoard(w);
}

}  // namespace flow
