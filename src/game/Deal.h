#pragma once
#include <cstdint>

namespace game { class GameWindow; }

namespace game {

// order[1..140] receives the 140 field positions in a salted skipping order.
void MakePermutation(GameWindow& w, int16_t* order);
// Fills the field with 140 tiles whose faces pair up (board only).
void DealTiles(GameWindow& w);
// A fresh board: tiles, counters, clock, time bar and level settings.
void DealBoard(GameWindow& w);

}  // namespace game
