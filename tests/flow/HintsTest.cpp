#include <gtest/gtest.h>

#include <array>

#include "flow/Hints.h"
#include "flow/Levels.h"
#include "support/GameFixture.h"
#include "game/Deal.h"

namespace game::test {
namespace {

using HintsTest = BoardTest;

std::array<int, 27> FaceCounts() {
    std::array<int, 27> n{};
    for (int16_t r = 1; r <= kRows; ++r)
        for (int16_t c = 1; c <= kCols; ++c)
            if (gameState.board[r][c].state == 1) ++n[gameState.board[r][c].face];
    return n;
}

// Ten tiles, no linkable pair: the face-3 pair is walled in by other faces.
void LayDeadBoard() {
    ClearBoard();
    PutTile(5, 5, 3);
    PutTile(8, 8, 3);
    int16_t f = 4;
    for (auto [r, c] : {std::pair{4, 5}, {6, 5}, {5, 4}, {5, 6}, {7, 8}, {9, 8}, {8, 7}, {8, 9}})
        PutTile(int16_t(r), int16_t(c), f++);
}

void StartRunning(int16_t hints) {
    gameState.gameRunning = true;
    gameState.boardFinished = false;
    gameState.paused = false;
    gameState.hintsLeft = hints;
    gameState.timeLeft = 100;
}

TEST_F(HintsTest, LevelTable) {
    const int intervals[12] = {2500, 2000, 1750, 1500, 1250, 1000, 750, 500, 400, 300, 200, 100};
    const int hints[12] = {10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0};
    for (int16_t level = 1; level <= 12; ++level) {
        flow::ApplyLevelSettings(W(), level);
        EXPECT_EQ(gameState.hintsLeft, hints[level - 1]);
        EXPECT_EQ(flow::kLevelTable[level - 1].interval, intervals[level - 1]);
        EXPECT_EQ(std::string(flow::kLevelTable[level - 1].caption), std::to_string(level));
    }
    gameState.hintsLeft = 4;
    flow::ApplyLevelSettings(W(), 0);
    EXPECT_EQ(gameState.hintsLeft, 4);
    flow::ApplyLevelSettings(W(), 13);
    EXPECT_EQ(gameState.hintsLeft, 4);
}

TEST_F(HintsTest, HelpMoveRemovesFirstPairInScanOrder) {
    ClearBoard();
    PutTile(3, 10, 5);
    PutTile(5, 10, 5);  // later row: tried after the same-row partner
    PutTile(3, 2, 5);   // same row, left of A: tried first
    PutTile(8, 4, 7);
    PutTile(8, 6, 7);
    StartRunning(3);
    flow::UseHint(W());
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(gameState.board[3][10].state, 0);
    EXPECT_EQ(gameState.board[3][2].state, 0);
    EXPECT_EQ(gameState.board[5][10].state, 1);
    EXPECT_EQ(CountTiles(), 3);
    EXPECT_EQ(gameState.pairsRemoved, 1);
    EXPECT_EQ(gameState.hintsLeft, 2);
    EXPECT_EQ(gameState.timeLeft, 101);
    // The dead-board check found a move and left the selection as the removal set it.
    EXPECT_EQ(gameState.rowA, 1);
    EXPECT_EQ(gameState.colB, 1);
    EXPECT_TRUE(gameState.removeOnLink);
    EXPECT_EQ(gameState.pathNext, 1);
}

TEST_F(HintsTest, HelpMoveRefusedWhenNotPlaying) {
    ClearBoard();
    PutTile(3, 3, 2);
    PutTile(3, 4, 2);
    StartRunning(0);
    flow::UseHint(W());
    gameState.hintsLeft = 2;
    gameState.paused = true;
    flow::UseHint(W());
    gameState.paused = false;
    gameState.gameRunning = false;
    gameState.boardFinished = true;
    flow::UseHint(W());
    EXPECT_EQ(accepts, 0);
    EXPECT_EQ(CountTiles(), 2);
    EXPECT_EQ(gameState.hintsLeft, 2);
}

TEST_F(HintsTest, HelpMoveOnDeadBoardIsChargedAndReshuffles) {
    seconds = 23;
    LayDeadBoard();
    auto before = FaceCounts();
    StartRunning(5);
    flow::UseHint(W());
    EXPECT_EQ(accepts, 0);
    EXPECT_EQ(gameState.hintsLeft, 4);
    EXPECT_EQ(gameState.pairsRemoved, 0);
    EXPECT_EQ(FaceCounts(), before);
    EXPECT_EQ(CountTiles(), 10);
    for (int16_t r = 1; r <= kRows; ++r)
        for (int16_t c = 1; c <= kCols; ++c)
            if (r == 1 || r == 12 || c == 1 || c == 16) {
                EXPECT_EQ(gameState.board[r][c].state, 0);
            }
    // Faces go out in ascending order, so the walled-in layout cannot survive.
    EXPECT_FALSE(gameState.board[5][5].state == 1 && gameState.board[5][5].face == 3 &&
                 gameState.board[8][8].state == 1 && gameState.board[8][8].face == 3 &&
                 gameState.board[4][5].face == 4);
    EXPECT_TRUE(gameState.removeOnLink);
}

TEST_F(HintsTest, ReshuffleHandsOutFacesInAscendingOrder) {
    seconds = 41;
    ClearBoard();
    PutTile(4, 4, 7);
    PutTile(6, 9, 3);
    PutTile(10, 2, 7);
    PutTile(2, 15, 3);
    uint32_t state = gameState.randomState;
    int16_t order[kFieldCells + 1];
    MakePermutation(W(), order);
    gameState.randomState = state;
    flow::ReshuffleBoard(W());
    const int16_t expected[4] = {3, 3, 7, 7};
    for (int k = 1; k <= 4; ++k) {
        const BoardCell& cell = gameState.board[PositionRow(order[k])][PositionCol(order[k])];
        EXPECT_EQ(cell.state, 1);
        EXPECT_EQ(cell.face, expected[k - 1]);
        EXPECT_EQ(cell.x, PositionCol(order[k]) * 40);
        EXPECT_EQ(cell.y, PositionRow(order[k]) * 40);
    }
    EXPECT_EQ(CountTiles(), 4);
    // A cell that lost its tile keeps its face number.
    bool reused = false;
    for (int k = 1; k <= 4; ++k) reused |= order[k] == 1 + (4 - 2) * 14 + (4 - 2);
    if (!reused) {
        EXPECT_EQ(gameState.board[4][4].state, 0);
        EXPECT_EQ(gameState.board[4][4].face, 7);
    }
}

TEST_F(HintsTest, DeadBoardCheckRestoresSelectionWhenAMoveExists) {
    ClearBoard();
    PutTile(7, 7, 9);
    PutTile(7, 12, 9);
    PutTile(3, 3, 1);
    SetPair(3, 3, 11, 15);
    flow::CheckDeadBoard(W());
    EXPECT_TRUE(gameState.linkFound);
    EXPECT_TRUE(gameState.removeOnLink);
    EXPECT_EQ(gameState.rowA, 3);
    EXPECT_EQ(gameState.colA, 3);
    EXPECT_EQ(gameState.rowB, 11);
    EXPECT_EQ(gameState.colB, 15);
    EXPECT_EQ(CountTiles(), 3);
    EXPECT_EQ(gameState.board[7][7].state, 1);
    EXPECT_EQ(gameState.pathNext, 1);
}

TEST_F(HintsTest, ClickAfterReshufflePairsNothingAndClearsTheSelection) {
    seconds = 5;
    LayDeadBoard();
    auto before = FaceCounts();
    StartRunning(3);
    SetPair(5, 5, 8, 8);  // the press on (5,5) after (8,8)
    FindLink(W(), 5, 5, 1);
    EXPECT_EQ(accepts, 0);
    // The pressed cell may now hold another tile: nothing stays selected.
    EXPECT_EQ(gameState.rowA, 1);
    EXPECT_EQ(gameState.colA, 1);
    EXPECT_EQ(gameState.rowB, 1);
    EXPECT_EQ(gameState.colB, 1);
    EXPECT_EQ(FaceCounts(), before);
    EXPECT_EQ(gameState.pathNext, 1);
    EXPECT_EQ(gameState.cursor.dir, 0);
}

// A help move that reshuffles leaves nothing selected: A was left on an empty
// cell with its old face, and the next press removed a lone tile as a pair.
TEST_F(HintsTest, HelpMoveReshuffleLeavesNothingSelected) {
    seconds = 23;
    LayDeadBoard();
    StartRunning(5);
    flow::UseHint(W());
    EXPECT_EQ(gameState.rowA, 1);
    EXPECT_EQ(gameState.colA, 1);
    EXPECT_EQ(gameState.rowB, 1);
    EXPECT_EQ(gameState.colB, 1);
    ASSERT_EQ(gameState.board[8][13].state, 1);
    ASSERT_EQ(gameState.board[8][13].face, 9);
    // The press on (8, 13), as the board's press handler makes it.
    SetPair(8, 13, gameState.rowA, gameState.colA);
    FindLink(W(), 8, 13, 1);
    EXPECT_EQ(removals, 0);
    EXPECT_EQ(CountTiles(), 10);
    EXPECT_EQ(gameState.pairsRemoved, 0);
}

TEST_F(HintsTest, EveryPairClearedByHelpMovesCountsOnce) {
    seconds = 12;
    ClearBoard();
    DealTiles(W());
    StartRunning(100);
    gameState.level = 3;
    int moves = 0;
    while (gameState.gameRunning && moves < 500) {
        flow::UseHint(W());
        ++moves;
    }
    EXPECT_FALSE(gameState.gameRunning);
    EXPECT_TRUE(gameState.boardFinished);
    EXPECT_EQ(gameState.pairsRemoved, 70);
    EXPECT_EQ(removals, 70);
    EXPECT_EQ(CountTiles(), 0);
    EXPECT_EQ(gameState.level, 4);
}

}  // namespace
}  // namespace game::test
