#include "flow/Levels.h"

#include <string>

#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameControls.h"
#include "game/GameState.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameControls;
using game::gameState;

const LevelRow kLevelTable[12] = {
    {"1", 2500, 10}, {"2", 2000, 9}, {"3", 1750, 8}, {"4", 1500, 7}, {"5", 1250, 6}, {"6", 1000, 5},
    {"7", 750, 4},   {"8", 500, 3},  {"9", 400, 2},  {"10", 300, 1}, {"11", 200, 0}, {"12", 100, 0},
};

namespace {

void ShowBanner(int index) {
    ui::PictureBox* board = gameControls.Picture1;
    if (board && gameControls.banners[index]) board->PaintPicture(*gameControls.banners[index], 140, 220, 360, 40);
}

void ShowContinue(const char* caption) {
    ui::Control* label4 = gameControls.Label4;
    if (!label4) return;
    label4->SetCaption(caption);
    label4->SetVisible(true);
    label4->SetEnabled(true);
}

void StopClock() {
    if (gameControls.Timer2) gameControls.Timer2->SetEnabled(false);
}

}  // namespace

void ApplyLevelSettings(int16_t level) {
    if (level >= 1 && level <= 12) {
        const LevelRow& row = kLevelTable[level - 1];
        if (gameControls.Label3) gameControls.Label3->SetCaption(row.caption);
        if (gameControls.Timer2) gameControls.Timer2->SetInterval(row.interval);
        gameState.hintsLeft = row.hints;
    }
    SetHintCaption();
}

void SetHintCaption() {
    if (gameControls.XPButton5) gameControls.XPButton5->SetCaption("求助 " + std::to_string(gameState.hintsLeft));
}

void LevelCleared() {
    StopClock();
    gameState.boardFinished = true;
    gameState.gameRunning = false;
    ShowBanner(1);
    if (++gameState.level > 12) gameState.level = 12;
    ShowContinue("> 下一关");
    PlayWinSound();
}

void TimeUp() {
    gameState.gameRunning = false;
    StopClock();
    gameState.boardFinished = true;
    if (gameControls.Picture3) gameControls.Picture3->Cls();
    if (gameControls.Picture1) gameControls.Picture1->Cls();
    ShowBanner(0);
    ShowContinue("继续游戏");
    PlayGameOverSound();
}

void Label4_Click() {
    if (gameState.accepting) return;
    game::StartNewBoard();
}

}  // namespace flow
