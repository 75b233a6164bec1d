#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "support/GameFixture.h"
#include "game/Deal.h"
#include "game/Random.h"

namespace game::test {
namespace {

using RandomTest = BoardTest;
using DealTest = BoardTest;

TEST_F(RandomTest, EdgeDrawsWithSaltZeroGiveLo) {
    float r = 0.0f;
    randomDraw = [&] { return r; };
    EXPECT_EQ(RandomBetween(W(), 25, 1, 0), 1);
    EXPECT_EQ(RandomBetween(W(), 30, 1, 0), 1);
    r = 16777215.0f / 16777216.0f;  // just below 1
    EXPECT_EQ(RandomBetween(W(), 25, 1, 0), 1);
    EXPECT_EQ(RandomBetween(W(), 5, 1, 0), 1);
    EXPECT_EQ(RandomBetween(W(), 10, 1, 0), 1);
}

TEST_F(RandomTest, RoundingHalvesToEvenAndSaltShifts) {
    float r = 0.5f;
    randomDraw = [&] { return r; };
    EXPECT_EQ(RandomBetween(W(), 5, 1, 0), 3);   // 2.5 -> 2 -> 3
    EXPECT_EQ(RandomBetween(W(), 5, 1, 1), 5);   // 3.5 -> 4 -> 5
    EXPECT_EQ(RandomBetween(W(), 5, 1, 59), 3);  // 61.5 -> 62 -> 2 + 1
}

TEST_F(RandomTest, GeneratorStaysBelowOneAndRepeatsFromStart) {
    std::array<float, 8> first{};
    for (float& v : first) v = NextRandom(W());
    for (int i = 0; i < 200000; ++i) {
        float v = NextRandom(W());
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
    gameState.randomState = kRandomStart;
    for (float v : first) EXPECT_EQ(NextRandom(W()), v);
}

TEST_F(RandomTest, EveryValueReachableForEverySalt) {
    for (int16_t salt = 0; salt < 60; ++salt) {
        std::set<int> seen;
        for (int i = 0; i < 2000 && seen.size() < 25; ++i) {
            int v = RandomBetween(W(), 25, 1, salt);
            ASSERT_GE(v, 1);
            ASSERT_LE(v, 25);
            seen.insert(v);
        }
        EXPECT_EQ(seen.size(), 25u) << "salt " << salt;
    }
}

TEST_F(RandomTest, SaltReadAtEveryDraw) {
    int reads = 0;
    backend.secondsOfMinute = [&] { ++reads; return 7; };
    int16_t order[kFieldCells + 1];
    MakePermutation(W(), order);
    EXPECT_EQ(reads, 141);
}

TEST_F(DealTest, PositionsMapRowByRow) {
    EXPECT_EQ(PositionRow(1), 2);
    EXPECT_EQ(PositionCol(1), 2);
    EXPECT_EQ(PositionRow(14), 2);
    EXPECT_EQ(PositionCol(14), 15);
    EXPECT_EQ(PositionRow(15), 3);
    EXPECT_EQ(PositionCol(15), 2);
    EXPECT_EQ(PositionRow(140), 11);
    EXPECT_EQ(PositionCol(140), 15);
}

TEST_F(DealTest, PermutationIsAPermutationStartingTwoToEleven) {
    for (int run = 0; run < 300; ++run) {
        seconds = run % 60;
        int16_t order[kFieldCells + 1];
        MakePermutation(W(), order);
        std::vector<int16_t> v(order + 1, order + kFieldCells + 1);
        EXPECT_GE(v[0], 2);
        EXPECT_LE(v[0], 11);
        std::sort(v.begin(), v.end());
        for (int i = 0; i < kFieldCells; ++i) ASSERT_EQ(v[i], i + 1);
    }
}

TEST_F(DealTest, FaceCountsOverManySalts) {
    for (int run = 0; run < 240; ++run) {
        seconds = (run * 7) % 60;
        ClearBoard();
        DealTiles(W());
        std::array<int, 26> count{};
        for (int16_t r = 1; r <= kRows; ++r) {
            for (int16_t c = 1; c <= kCols; ++c) {
                const BoardCell& cell = gameState.board[r][c];
                bool field = r >= 2 && r <= 11 && c >= 2 && c <= 15;
                if (!field) {
                    ASSERT_EQ(cell.state, 0);
                    ASSERT_EQ(cell.face, 0);
                    continue;
                }
                ASSERT_EQ(cell.state, 1);
                ASSERT_GE(cell.face, 1);
                ASSERT_LE(cell.face, 25);
                ASSERT_EQ(cell.x, c * 40);
                ASSERT_EQ(cell.y, r * 40);
                ++count[cell.face];
            }
        }
        EXPECT_EQ(count[1], 4);
        // One run of twenty sixes, four elsewhere.
        int first6 = 0, sixes = 0;
        for (int f = 1; f <= 25; ++f) {
            ASSERT_TRUE(count[f] == 4 || count[f] == 6) << "face " << f << " count " << count[f];
            if (count[f] == 6) {
                if (!first6) first6 = f;
                ++sixes;
            }
        }
        EXPECT_EQ(sixes, 20);
        for (int f = first6; f < first6 + 20; ++f) EXPECT_EQ(count[f], 6);
        EXPECT_GE(first6, 2);
        EXPECT_LE(first6, 6);
    }
}

TEST_F(DealTest, SameSecondsGiveSameBoard) {
    seconds = 17;
    DealTiles(W());
    Board first;
    std::copy(&gameState.board[0][0], &gameState.board[0][0] + sizeof(Board) / sizeof(BoardCell), &first[0][0]);
    gameState.randomState = kRandomStart;
    backend.secondsOfMinute = [] { return 17; };
    ClearBoard();
    DealTiles(W());
    for (int16_t r = 2; r <= 11; ++r)
        for (int16_t c = 2; c <= 15; ++c) EXPECT_EQ(gameState.board[r][c].face, first[r][c].face);
}

TEST_F(DealTest, DealBoardResetsCountersButNotSelection) {
    gameState.timeLeft = 3;
    gameState.pairsRemoved = 69;
    gameState.gameRunning = false;
    gameState.boardFinished = true;
    gameState.level = 5;
    SetPair(4, 4, 6, 6);
    gameState.paused = true;
    DealBoard(W());
    EXPECT_EQ(gameState.timeLeft, 150);
    EXPECT_EQ(gameState.pairsRemoved, 0);
    EXPECT_TRUE(gameState.gameRunning);
    EXPECT_FALSE(gameState.boardFinished);
    EXPECT_EQ(gameState.hintsLeft, 6);
    EXPECT_EQ(gameState.rowA, 4);
    EXPECT_EQ(gameState.colB, 6);
    EXPECT_TRUE(gameState.paused);
    EXPECT_EQ(CountTiles(), 140);
}

}  // namespace
}  // namespace game::test
