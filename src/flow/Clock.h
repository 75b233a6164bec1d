#pragma once
#include <cstdint>

namespace game { class GameWindow; }

namespace flow {

void StartClock(game::GameWindow& w);
// The bar picture at x 0: the full 150 units.
void PaintFullTimeBar(game::GameWindow& w);
// The bar picture at x = units * 3 - 450, over what is there.
void PaintTimeBar(game::GameWindow& w, int16_t units);
// Timer2's tick: one unit less, or the end of the board.
void ClockTick(game::GameWindow& w);
// Runs a time-up that a tick held back while a pair was being accepted,
// unless the board has ended meanwhile.
void RunHeldTimeUp(game::GameWindow& w);

}  // namespace flow
