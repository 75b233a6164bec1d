#pragma once
// Helpers to lay out boards by hand and to read the search's stack.
#include <vector>

#include "game/GameState.h"
#include "game/LinkSearch.h"

namespace kelvaro_test {

using game::gameState;

inline void ClearBoard() {
    for (auto& row : gameState.board)
        for (auto& c : row) c = game::BoardCell{};
}

// Every field cell holds a tile of the given face; the ring stays empty.
inline void FillField(int16_t face) {
    for (int16_t r = 2; r <= 11; ++r)
        for (int16_t c = 2; c <= 15; ++c) gameState.board[r][c] = game::BoardCell{int16_t(c * 40), int16_t(r * 40), 1, face};
}

inline void PutTile(int16_t r, int16_t c, int16_t face) {
    gameState.board[r][c] = game::BoardCell{int16_t(c * 40), int16_t(r * 40), 1, face};
}

inline void SetPair(int16_t rA, int16_t cA, int16_t rB, int16_t cB) {
    gameState.rowA = rA;
    gameState.colA = cA;
    gameState.rowB = rB;
    gameState.colB = cB;
}

inline int CountTiles() {
    int n = 0;
    for (int16_t r = 1; r <= game::kRows; ++r)
        for (int16_t c = 1; c <= game::kCols; ++c) n += gameState.board[r][c].state == 1;
    return n;
}

struct StepRec {
    int row, col, dir;
    friend bool operator==(const StepRec&, const StepRec&) = default;
};

inline std::vector<StepRec> StackContents() {
    std::vector<StepRec> v;
    for (int k = 1; k < gameState.pathNext; ++k)
        v.push_back({gameState.pathStack[k].row, gameState.pathStack[k].col, gameState.pathStack[k].dir});
    return v;
}

}  // namespace kelvaro_test
