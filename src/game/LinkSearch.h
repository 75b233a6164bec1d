#pragma once
// The depth-first link search over GameState.pathStack. Procedures report
// through GameState (cursor, linkFound) rather than through results.
#include <cstdint>

namespace game { class GameWindow; }

namespace game {

void PushStep(int16_t row, int16_t col, int16_t dir, int16_t bent, int16_t bends);
void PeekStep();
void PopStep(GameWindow& w);
int16_t HasSteps();
void ResetSearch();
int16_t NextRow(int16_t row, int16_t dir);
int16_t NextCol(int16_t col, int16_t dir);
int16_t IsReversal(int16_t dir);
int16_t ProbeNeighbour(int16_t row, int16_t col, int16_t dir);
// Direction changes between consecutive entries of the stack.
int16_t CountBends();
void SearchStep(GameWindow& w, int16_t row, int16_t col, int16_t dir);
// Click-started driver: dead-board check first, then the search from A for B.
void FindLink(GameWindow& w, int16_t row, int16_t col, int16_t dir);
// Probing driver used by the pair scans.
void ProbeLink(GameWindow& w, int16_t row, int16_t col);
// The search reached B: remove the pair in play, or only report it.
void AcceptLink(GameWindow& w, int16_t rowA, int16_t colA, int16_t rowB, int16_t colB);
// Shows "程序执行错误!" and ends the program.
void FatalError(GameWindow& w);

}  // namespace game
