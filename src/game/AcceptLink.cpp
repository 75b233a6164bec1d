#include "flow/Clock.h"
#include "flow/Levels.h"
#include "flow/LinkLine.h"
#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameEnv.h"
#include "game/GameState.h"
#include "game/LinkSearch.h"

namespace game {

namespace {

void RemovePair(int16_t rowA, int16_t colA, int16_t rowB, int16_t colB) {
    GameState& gs = gameState;
    // Events keep arriving during the link display: the guard refuses board
    // presses and the buttons, and holds back a time-up, until this returns.
    gs.accepting = true;
    ++gs.pairsRemoved;
    flow::PlayLinkSound();
    flow::ShowLink();
    gs.board[rowA][colA].state = 0;
    gs.board[rowB][colB].state = 0;
    RedrawBoard();
    ResetSearch();
    gs.rowA = gs.colA = gs.rowB = gs.colB = 1;
    if (gs.timeLeft < kFullTime) ++gs.timeLeft;
    flow::PaintTimeBar(gs.timeLeft);
    if (gs.pairsRemoved >= kPairsPerBoard) flow::LevelCleared();
    gs.linkFound = true;
    gs.accepting = false;
}

}  // namespace

void AcceptLink(int16_t rowA, int16_t colA, int16_t rowB, int16_t colB) {
    if (gameEnv.onAcceptLink) gameEnv.onAcceptLink();
    if (gameState.removeOnLink) {
        RemovePair(rowA, colA, rowB, colB);
    } else {
        ResetSearch();
        gameState.linkFound = true;
    }
}

}  // namespace game
