#pragma once
// Help moves and dead boards, both driven by one scan of candidate pairs.
#include <cstdint>

namespace game { class GameWindow; }

namespace flow {

// Probes every same-face pair in scan order until the search accepts one.
void ScanPairs(game::GameWindow& w);
void UseHint(game::GameWindow& w);
void CheckDeadBoard(game::GameWindow& w);
void ReshuffleBoard(game::GameWindow& w);

}  // namespace flow
