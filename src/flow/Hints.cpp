#include "flow/Hints.h"

#include <string>

#include "flow/Levels.h"
#include "game/BoardDrawing.h"
#include "game/Deal.h"
#include "game/GameState.h"
#include "game/LinkSearch.h"

namespace flow {

using game::gameState;

void ScanPairs(game::GameWindow& w) {
    auto& b = gameState.board;
    // Bounds include the empty ring row and column; partners in A's own row
    // are tried from column 1, so a pair in one row is probed from either end.
    for (int16_t r1 = 1; r1 <= 11; ++r1) {
        for (int16_t c1 = 1; c1 <= 15; ++c1) {
            if (b[r1][c1].state != 1) continue;
            gameState.rowA = r1;
            gameState.colA = c1;
            for (int16_t r2 = r1; r2 <= 11; ++r2) {
                for (int16_t c2 = 1; c2 <= 15; ++c2) {
                    if ((r2 == r1 && c2 == c1) || b[r2][c2].state != 1) continue;
                    if (b[r2][c2].face != b[r1][c1].face) continue;
                    gameState.rowB = r2;
                    gameState.colB = c2;
                    game::ProbeLink(w, r1, c1);
                    if (gameState.linkFound) return;
                }
            }
        }
    }
}

void UseHint(game::GameWindow& w) {
    if (!gameState.gameRunning || gameState.paused || gameState.hintsLeft <= 0) return;
    if (gameState.accepting) return;
    gameState.linkFound = false;
    ScanPairs(w);
    game::ResetSearch();
    --gameState.hintsLeft;
    SetHintCaption(w);
    // A help move that cleared the board leaves its banner: an ended board
    // is neither reshuffled nor redrawn.
    if (gameState.gameRunning) CheckDeadBoard(w);
}

void CheckDeadBoard(game::GameWindow& w) {
    gameState.linkFound = false;
    int16_t rowA = gameState.rowA, colA = gameState.colA;
    int16_t rowB = gameState.rowB, colB = gameState.colB;
    gameState.removeOnLink = false;
    ScanPairs(w);
    if (gameState.linkFound) {
        gameState.removeOnLink = true;
        game::ResetSearch();
        gameState.rowA = rowA;
        gameState.colA = colA;
        gameState.rowB = rowB;
        gameState.colB = colB;
        return;
    }
    game::ResetSearch();
    ReshuffleBoard(w);
    // A and B are left on the last probed pair, and A may now be an empty cell
    // with its old face: nothing stays selected after a reshuffle.
    gameState.rowA = gameState.colA = 1;
    gameState.rowB = gameState.colB = 1;
    gameState.removeOnLink = true;
}

void ReshuffleBoard(game::GameWindow& w) {
    int16_t count[27] = {};
    int16_t tiles = 0;
    auto& b = gameState.board;
    for (int16_t row = 2; row <= 11; ++row) {
        for (int16_t col = 2; col <= 15; ++col) {
            if (b[row][col].state != 1) continue;
            ++count[b[row][col].face];
            ++tiles;
            b[row][col].state = 0;
        }
    }
    int16_t order[game::kFieldCells + 1];
    game::MakePermutation(w, order);
    int16_t f = 1;
    // Faces go out in ascending order along the shuffled positions.
    for (int16_t k = 1; k <= tiles; ++k) {
        int16_t p = order[k];
        int16_t row = game::PositionRow(p);
        int16_t col = game::PositionCol(p);
        game::BoardCell& cell = b[row][col];
        cell.x = static_cast<int16_t>(col * game::kCellPixels);
        cell.y = static_cast<int16_t>(row * game::kCellPixels);
        cell.state = 1;
        while (count[f] == 0 && f < 26) ++f;
        cell.face = f;
        --count[f];
    }
    game::RedrawBoard(w);
}

}  // namespace flow
