#include "flow/Clock.h"

#include "flow/Levels.h"
#include "game/GameControls.h"
#include "game/GameState.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameControls;
using game::gameState;

namespace {

void PaintBarAt(int x) {
    ui::PictureBox* box = gameControls.Picture3;
    if (!box || !gameControls.timeBar) return;
    box->PaintPicture(*gameControls.timeBar, static_cast<float>(x), 0, 450, 10);
}

}  // namespace

void StartClock() {
    if (gameControls.Timer2) gameControls.Timer2->SetEnabled(true);
}

void PaintFullTimeBar() { PaintBarAt(0); }

void PaintTimeBar(int16_t units) { PaintBarAt(units * 3 - 450); }

void ClockTick() {
    if (gameState.timeUpHeld && !gameState.accepting) {
        RunHeldTimeUp();
        return;
    }
    if (gameState.timeLeft > 0) {
        --gameState.timeLeft;
        if (gameControls.Picture3) gameControls.Picture3->Cls();
        // The last unit leaves a one-pixel sliver rather than nothing.
        if (gameState.timeLeft < 1)
            PaintBarAt(-449);
        else
            PaintTimeBar(gameState.timeLeft);
        return;
    }
    // A board must not end in the middle of an acceptance.
    if (gameState.accepting) {
        gameState.timeUpHeld = true;
        return;
    }
    TimeUp();
}

void RunHeldTimeUp() {
    if (!gameState.timeUpHeld || gameState.accepting) return;
    gameState.timeUpHeld = false;
    if (gameState.gameRunning) TimeUp();
}

}  // namespace flow
