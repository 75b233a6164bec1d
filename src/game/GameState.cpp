#include "game/GameState.h"

namespace game {

GameState gameState;

void ResetGameState() { gameState = GameState{}; }

void InitGameState() {
    gameState.pathNext = 1;
    gameState.rowA = 2;
    gameState.colA = 2;
    gameState.linkFound = false;
    gameState.removeOnLink = true;
    gameState.paused = false;
    gameState.level = 1;
}

}  // namespace game
