#pragma once
#include <cstdint>
#include <vector>

#include "gfx/Geometry.h"

namespace game { class GameWindow; }

namespace flow {

enum class Piece { Straight, Entry, Exit };
// A piece of the link line in cell (row, col) for direction dir, in board pixels.
gfx::Rect LinkPieceRect(int16_t row, int16_t col, int16_t dir, Piece piece);

// Every piece of the line for the path on the stack, in paint order.
std::vector<gfx::Rect> LinkPathRects();

// Draws the path on the stack and waits two Timer1 ticks.
void ShowLink(game::GameWindow& w);
void DrawLinkPath(game::GameWindow& w);
void Timer1_Timer();

constexpr uint32_t kLinkColour = 0xF93A74;  // RGB 116, 58, 249

}  // namespace flow
