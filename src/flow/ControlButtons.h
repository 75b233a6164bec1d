#pragma once
// The side panel's game buttons. While a pair is being accepted (the link
// display's wait) restart, pause, help and continue are refused: the click
// has no effect at all, so nothing interleaves with the removal.

namespace game { class GameWindow; }

namespace flow {

void XPButton1_Click(game::GameWindow& w);  // restart, after asking
void XPButton2_Click(game::GameWindow& w);  // hit sound, then pause or resume
void XPButton5_Click(game::GameWindow& w);  // help move
void TogglePause(game::GameWindow& w);

}  // namespace flow
