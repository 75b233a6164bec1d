#include "game/Deal.h"

#include "flow/Clock.h"
#include "flow/Levels.h"
#include "game/GameState.h"
#include "game/Random.h"

namespace game {

void MakePermutation(int16_t* order) {
    int16_t skip[kFieldCells + 1];
    int16_t used[kFieldCells + 1];
    for (int16_t i = 1; i <= kFieldCells; ++i) {
        skip[i] = RandomBetween(30, 1, CurrentSalt());
        used[i] = 0;
    }
    int16_t n = RandomBetween(10, 1, CurrentSalt());
    int16_t w = 1;
    for (int16_t j = 1; j <= kFieldCells; ++j) {
        // Walk to the n-th position not yet taken, wrapping from 140 to 1.
        do {
            ++w;
            if (w == kFieldCells + 1) w = 1;
            if (used[w] == 0) --n;
        } while (n > 0);
        used[w] = 1;
        n = skip[w];
        order[j] = w;
    }
}

void DealTiles() {
    int16_t base = RandomBetween(5, 1, CurrentSalt());
    int16_t count[26] = {};
    int16_t order[kFieldCells + 1];
    MakePermutation(order);
    for (int16_t k = 1; k <= kFieldCells; ++k) {
        int16_t p = order[k];
        int16_t row = PositionRow(p);
        int16_t col = PositionCol(p);
        BoardCell& cell = gameState.board[row][col];
        cell.x = static_cast<int16_t>(col * kCellPixels);
        cell.y = static_cast<int16_t>(row * kCellPixels);
        cell.state = 1;
        // Twenty favoured faces base+1..base+20 take six tiles, the rest four:
        // the caps add up to exactly 140, so every face count ends even.
        int16_t v;
        for (;;) {
            v = RandomBetween(25, 1, CurrentSalt());
            bool favoured = v > base && v <= base + 20;
            if (count[v] < 4 || (favoured && count[v] < 6)) break;
        }
        cell.face = v;
        ++count[v];
    }
}

void DealBoard() {
    DealTiles();
    gameState.boardFinished = false;
    gameState.gameRunning = true;
    gameState.timeLeft = kFullTime;
    gameState.pairsRemoved = 0;
    flow::StartClock();
    flow::PaintFullTimeBar();
    flow::ApplyLevelSettings(gameState.level);
}

}  // namespace game
