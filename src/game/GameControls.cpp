#include "game/GameControls.h"

namespace game {

GameControls gameControls;

void ResetGameControls() { gameControls = GameControls{}; }

}  // namespace game
