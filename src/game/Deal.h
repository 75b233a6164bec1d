#pragma once
#include <cstdint>

namespace game {

// order[1..140] receives the 140 field positions in a salted skipping order.
void MakePermutation(int16_t* order);
// Fills the field with 140 tiles whose faces pair up (board only).
void DealTiles();
// A fresh board: tiles, counters, clock, time bar and level settings.
void DealBoard();

}  // namespace game
