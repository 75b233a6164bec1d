#include "game/Deal.h"

#include "flow/Clock.h"
#include "flow/Levels.h"
#include "game/GameState.h"
#include "game/GameWindow.h"
#include "game/Random.h"

namespace game {

void MakePermutation(GameWindow& w, int16_t* order) {
    int16_t skip[kFieldCells + 1];
    int16_t used[kFieldCells + 1];
    for (int16_t i = 1; i <= kFieldCells; ++i) {
        skip[i] = RandomBetween(w, 30, 1, CurrentSalt(w));
        used[i] = 0;
    }
    int16_t n = RandomBetween(w, 10, 1, CurrentSalt(w));
    int16_t at = 1;
    for (int16_t j = 1; j <= kFieldCells; ++j) {
        // Walk to the n-th position not yet taken, wrapping from 140 to 1.
        do {
            ++at;
            if (at == kFieldCells + 1) at = 1;
            if (used[at] == 0) --n;
        } while (n > 0);
        used[at] = 1;
        n = skip[at];
        order[j] = at;
    }
}

void DealTiles(GameWindow& w) {
    int16_t base = RandomBetween(w, 5, 1, CurrentSalt(w));
    int16_t count[26] = {};
    int16_t order[kFieldCells + 1];
    MakePermutation(w, order);
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
            v = RandomBetween(w, 25, 1, CurrentSalt(w));
            bool favoured = v > base && v <= base + 20;
            if (count[v] < 4 || (favoured && count[v] < 6)) break;
        }
        cell.face = v;
        ++count[v];
    }
}

void DealBoard(GameWindow& w) {
    DealTiles(w);
    gameState.boardFinished = false;
    gameState.gameRunning = true;
    gameState.timeLeft = kFullTime;
    gameState.pairsRemoved = 0;
    flow::StartClock(w);
    flow::PaintFullTimeBar(w);
    flow::ApplyLevelSettings(w, gameState.level);
}

}  // namespace game
