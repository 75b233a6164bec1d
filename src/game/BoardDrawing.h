#pragma once
#include <cstdint>

namespace game {

// Paints tile picture index stretched into the cell's 40 x 40 square.
void PaintCell(int16_t row, int16_t col, int16_t index);
// The outline of every field cell, drawn over the tiles.
void DrawGrid();
// Background, every tile in its normal look, then the grid.
void RedrawBoard();
// Deals, draws all tiles and hides the continue label.
void StartNewBoard();

}  // namespace game
