#pragma once
// Mouse activity on the board picture turned into selections.
#include <cstdint>

namespace game { class GameWindow; }

namespace game {

// Pointer shapes of the board picture: the arrow and the board's own hand.
constexpr int kPointerDefault = 0;
constexpr int kPointerCustom = 99;

// A board pixel position to its row or column: rounded half to even, then / 40 + 1.
int16_t CellIndexOf(float pixel);

void Picture1_MouseDown(GameWindow& w, int button, int shift, float x, float y);
void Picture1_MouseMove(GameWindow& w, int button, int shift, float x, float y);
void Picture1_MouseUp(GameWindow& w, int button, int shift, float x, float y);
void SelectCell(GameWindow& w);

}  // namespace game
