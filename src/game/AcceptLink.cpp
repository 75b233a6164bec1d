#include "flow/Clock.h"
#include "flow/Levels.h"
#include "flow/LinkLine.h"
#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/GameWindow.h"
#include "game/LinkSearch.h"

namespace game {

namespace {

void RemovePair(GameWindow& w, int16_t rowA, int16_t colA, int16_t rowB, int16_t colB) {
    GameState& gs = gameState;
    // Events keep arriving during the link display: the guard refuses board
    // presses and the buttons, and holds back a time-up, until this returns.
    gs.accepting = true;
    ++gs.pairsRemoved;
    flow::PlayLinkSound(w);
    flow::ShowLink(w);
    gs.board[rowA][colA].state = 0;
    gs.board[rowB][colB].state = 0;
    RedrawBoard(w);
    ResetSearch();
    gs.rowA = gs.colA = gs.rowB = gs.colB = 1;
    if (gs.timeLeft < kFullTime) ++gs.timeLeft;
    flow::PaintTimeBar(w, gs.timeLeft);
    if (gs.pairsRemoved >= kPairsPerBoard) flow::LevelCleared(w);
    gs.linkFound = true;
    gs.accepting = false;
}

}  // namespace

void AcceptLink(GameWindow& w, int16_t rowA, int16_t colA, int16_t rowB, int16_t colB) {
    if (w.observer) w.observer->LinkAccepted();
    if (gameState.removeOnLink) {
        RemovePair(w, rowA, colA, rowB, colB);
    } else {
        ResetSearch();
        gameState.linkFound = true;
    }
}

}  // namespace game
