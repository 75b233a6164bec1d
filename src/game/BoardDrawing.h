#pragma once
#include <cstdint>

namespace game { class GameWindow; }

namespace game {

// Paints tile picture index stretched into the cell's 40 x 40 square.
void PaintCell(GameWindow& w, int16_t row, int16_t col, int16_t index);
// The outline of every field cell, drawn over the tiles.
void DrawGrid(GameWindow& w);
// Background, every tile in its normal look, then the grid.
void RedrawBoard(GameWindow& w);
// Deals, draws all tiles and hides the continue label.
void StartNewBoard(GameWindow& w);

}  // namespace game
