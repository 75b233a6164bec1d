#include "flow/Clock.h"

#include "flow/Levels.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameState;

namespace {

void PaintBarAt(game::GameWindow& w, int x) {
    w.Picture3.PaintPicture(w.TimeBar(), static_cast<float>(x), 0, 450, 10);
}

}  // namespace

void StartClock(game::GameWindow& w) {
    w.Timer2.SetEnabled(true);
}

void PaintFullTimeBar(game::GameWindow& w) { PaintBarAt(w, 0); }

void PaintTimeBar(game::GameWindow& w, int16_t units) { PaintBarAt(w, units * 3 - 450); }

void ClockTick(game::GameWindow& w) {
    if (gameState.timeUpHeld && !gameState.accepting) {
        RunHeldTimeUp(w);
        return;
    }
    if (gameState.timeLeft > 0) {
        --gameState.timeLeft;
        w.Picture3.Cls();
        // The last unit leaves a one-pixel sliver rather than nothing.
        if (gameState.timeLeft < 1)
            PaintBarAt(w, -449);
        else
            PaintTimeBar(w, gameState.timeLeft);
        return;
    }
    // A board must not end in the middle of an acceptance.
    if (gameState.accepting) {
        gameState.timeUpHeld = true;
        return;
    }
    TimeUp(w);
}

void RunHeldTimeUp(game::GameWindow& w) {
    if (!gameState.timeUpHeld || gameState.accepting) return;
    gameState.timeUpHeld = false;
    if (gameState.gameRunning) TimeUp(w);
}

}  // namespace flow
