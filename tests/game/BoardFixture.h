#pragma once
// Fresh game state for every test, plus helpers to lay out boards by hand.
#include <gtest/gtest.h>

#include <vector>

#include "game/GameControls.h"
#include "game/GameEnv.h"
#include "game/GameState.h"
#include "game/LinkSearch.h"

namespace game::test {

inline void ClearBoard() {
    for (auto& row : gameState.board)
        for (auto& c : row) c = BoardCell{};
}

// Every field cell holds a tile of the given face; the ring stays empty.
inline void FillField(int16_t face) {
    for (int16_t r = 2; r <= 11; ++r)
        for (int16_t c = 2; c <= 15; ++c) gameState.board[r][c] = BoardCell{int16_t(c * 40), int16_t(r * 40), 1, face};
}

inline void PutTile(int16_t r, int16_t c, int16_t face) { gameState.board[r][c] = BoardCell{int16_t(c * 40), int16_t(r * 40), 1, face}; }

inline void SetPair(int16_t rA, int16_t cA, int16_t rB, int16_t cB) {
    gameState.rowA = rA;
    gameState.colA = cA;
    gameState.rowB = rB;
    gameState.colB = cB;
}

inline int CountTiles() {
    int n = 0;
    for (int16_t r = 1; r <= kRows; ++r)
        for (int16_t c = 1; c <= kCols; ++c) n += gameState.board[r][c].state == 1;
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

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        ResetGameEnv();
        ResetGameControls();
        InitGameState();
        gameEnv.secondsOfMinute = [this] { return seconds; };
        gameEnv.fatalError = [this] { ++fatalCount; };
        gameEnv.onAcceptLink = [this] {
            ++accepts;
            if (gameState.removeOnLink) ++removals;
            acceptedStack = StackContents();
        };
    }
    void TearDown() override {
        ResetGameEnv();
        ResetGameControls();
        ResetGameState();
    }

    // Probes A -> B without removing anything; answers whether a link was accepted.
    bool Probe(int16_t rA, int16_t cA, int16_t rB, int16_t cB) {
        SetPair(rA, cA, rB, cB);
        gameState.removeOnLink = false;
        gameState.linkFound = false;
        ResetSearch();
        ProbeLink(rA, cA);
        return gameState.linkFound;
    }

    int seconds = 0;
    int fatalCount = 0;
    int accepts = 0;   // every accepted link, probes included
    int removals = 0;  // accepted links that remove their pair
    std::vector<StepRec> acceptedStack;
};

}  // namespace game::test
