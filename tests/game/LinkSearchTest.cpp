#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <random>

#include "support/GameFixture.h"
#include "game/LinkSearch.h"

namespace game::test {
namespace {

using LinkSearchTest = BoardTest;

TEST_F(LinkSearchTest, StackPrimitives) {
    ResetSearch();
    EXPECT_EQ(HasSteps(), 0);
    PushStep(2, 2, kRight, 0, 0);
    PushStep(2, 3, kRight, 0, 0);
    EXPECT_EQ(gameState.pathNext, 3);
    // With two steps on the stack a push on the top cell re-aims it, keeping bent/bends.
    gameState.pathStack[2].bends = 7;
    PushStep(2, 3, kDown, 1, 1);
    EXPECT_EQ(gameState.pathNext, 3);
    EXPECT_EQ(gameState.pathStack[2].dir, kDown);
    EXPECT_EQ(gameState.pathStack[2].bends, 7);
    // With one step it pushes a new entry even on the same cell.
    ResetSearch();
    PushStep(2, 2, kRight, 0, 0);
    PushStep(2, 2, kDown, 0, 0);
    EXPECT_EQ(gameState.pathNext, 3);
    PopStep(W());
    EXPECT_EQ(gameState.popped.dir, kDown);
    EXPECT_EQ(gameState.pathNext, 2);
    EXPECT_EQ(fatalCount, 0);
}

TEST_F(LinkSearchTest, PopOnEmptyStackIsFatal) {
    ResetSearch();
    PopStep(W());
    EXPECT_EQ(fatalCount, 1);
}

TEST_F(LinkSearchTest, ResetSearchKeepsEntriesAndZeroesRegisters) {
    PushStep(3, 4, kUp, 1, 2);
    gameState.cursor = PathStep{1, 2, 3, 4, 5};
    gameState.peeked = gameState.popped = gameState.cursor;
    ResetSearch();
    EXPECT_EQ(gameState.pathNext, 1);
    EXPECT_EQ(gameState.cursor.dir, 0);
    EXPECT_EQ(gameState.peeked.row, 0);
    EXPECT_EQ(gameState.popped.bends, 0);
    EXPECT_EQ(gameState.pathStack[1].row, 3);
}

TEST_F(LinkSearchTest, NextRowColAndReversal) {
    EXPECT_EQ(NextRow(5, kDown), 6);
    EXPECT_EQ(NextRow(5, kUp), 4);
    EXPECT_EQ(NextRow(5, kRight), 5);
    EXPECT_EQ(NextRow(5, 7), 0);
    EXPECT_EQ(NextCol(5, kRight), 6);
    EXPECT_EQ(NextCol(5, kLeft), 4);
    EXPECT_EQ(NextCol(5, kUp), 5);
    EXPECT_EQ(NextCol(5, 0), 0);
    ResetSearch();
    PushStep(2, 2, kRight, 0, 0);
    EXPECT_EQ(IsReversal(kLeft), 0);  // a single step never counts
    PushStep(2, 3, kRight, 0, 0);
    EXPECT_EQ(IsReversal(kLeft), 1);
    EXPECT_EQ(IsReversal(kUp), 0);
    PushStep(2, 4, kDown, 0, 0);
    EXPECT_EQ(IsReversal(kUp), 1);
}

TEST_F(LinkSearchTest, ProbeNeighbourBoundsStateAndTarget) {
    PutTile(2, 2, 5);
    PutTile(2, 3, 5);
    SetPair(2, 2, 2, 3);
    EXPECT_EQ(ProbeNeighbour(2, 2, kRight), kTarget);
    EXPECT_EQ(ProbeNeighbour(2, 2, kUp), kFree);
    EXPECT_EQ(ProbeNeighbour(1, 1, kUp), kBlocked);
    EXPECT_EQ(ProbeNeighbour(12, 16, kRight), kBlocked);
    EXPECT_EQ(ProbeNeighbour(2, 2, 9), kFree);
    gameState.board[2][3].face = 6;
    EXPECT_EQ(ProbeNeighbour(2, 2, kRight), kBlocked);
    // An emptied B with the matching face still counts as B.
    gameState.board[2][3] = BoardCell{0, 0, 0, 5};
    EXPECT_EQ(ProbeNeighbour(2, 2, kRight), kTarget);
}

TEST_F(LinkSearchTest, NeighboursLinkInOneStep) {
    FillField(9);
    PutTile(4, 5, 3);
    PutTile(5, 5, 3);
    EXPECT_TRUE(Probe(4, 5, 5, 5));
    EXPECT_EQ(acceptedStack, (std::vector<StepRec>{{4, 5, kDown}}));
}

TEST_F(LinkSearchTest, StraightRowWithoutBend) {
    ClearBoard();
    PutTile(6, 3, 4);
    PutTile(6, 9, 4);
    EXPECT_TRUE(Probe(6, 3, 6, 9));
    ASSERT_EQ(acceptedStack.size(), 6u);
    for (size_t k = 0; k < 6; ++k) EXPECT_EQ(acceptedStack[k], (StepRec{6, int(3 + k), kRight}));
}

TEST_F(LinkSearchTest, WorkedExampleThroughTopRing) {
    FillField(9);
    PutTile(2, 3, 5);
    PutTile(2, 6, 5);
    EXPECT_TRUE(Probe(2, 3, 2, 6));
    EXPECT_EQ(acceptedStack, (std::vector<StepRec>{{2, 3, kUp}, {1, 3, kRight}, {1, 4, kRight}, {1, 5, kRight}, {1, 6, kDown}}));
    EXPECT_EQ(gameState.pathNext, 1);  // the probe resets the search
}

TEST_F(LinkSearchTest, EndsOfRowTwoAfterAbandoningLeftRing) {
    FillField(9);
    PutTile(2, 2, 5);
    PutTile(2, 15, 5);
    EXPECT_TRUE(Probe(2, 2, 2, 15));
    std::vector<StepRec> expected{{2, 2, kUp}};
    for (int c = 2; c <= 14; ++c) expected.push_back({1, c, kRight});
    expected.push_back({1, 15, kDown});
    EXPECT_EQ(acceptedStack, expected);
    EXPECT_EQ(acceptedStack.size(), 15u);
}

TEST_F(LinkSearchTest, OppositeCornersOfFullFieldDoNotLink) {
    FillField(9);
    PutTile(2, 2, 5);
    PutTile(11, 15, 5);
    EXPECT_FALSE(Probe(2, 2, 11, 15));
    EXPECT_FALSE(Probe(11, 15, 2, 2));
    EXPECT_EQ(accepts, 0);
    EXPECT_EQ(HasSteps(), 0);
    EXPECT_GT(gameState.cursor.dir, 4);
    EXPECT_EQ(fatalCount, 0);
}

TEST_F(LinkSearchTest, ThreeBendsOnlyDoesNotLink) {
    // A at (5,5), B at (8,9): the field is full except a staircase needing three bends.
    FillField(9);
    PutTile(5, 5, 2);
    PutTile(8, 9, 2);
    gameState.board[5][6].state = 0;  // right of A
    gameState.board[6][6].state = 0;  // down
    gameState.board[6][7].state = 0;
    gameState.board[6][8].state = 0;  // right along row 6
    gameState.board[7][8].state = 0;  // down to row 7
    EXPECT_FALSE(Probe(5, 5, 8, 9));
    gameState.board[7][9].state = 0;
    gameState.board[6][9].state = 0;  // right, down, right, down: three bends
    EXPECT_FALSE(Probe(5, 5, 8, 9));
    for (int16_t c = 7; c <= 9; ++c) gameState.board[5][c].state = 0;  // right then down: one bend
    EXPECT_TRUE(Probe(5, 5, 8, 9));
    EXPECT_EQ(acceptedStack.size(), 7u);
}

TEST_F(LinkSearchTest, DifferentFacesNeverLink) {
    ClearBoard();
    PutTile(3, 3, 1);
    PutTile(3, 4, 2);
    EXPECT_FALSE(Probe(3, 3, 3, 4));
}

TEST_F(LinkSearchTest, RingCellOneOneNeverMatchesATile) {
    ClearBoard();
    PutTile(2, 2, 4);
    EXPECT_FALSE(Probe(2, 2, 1, 1));
}

// Independent check: breadth-first search over (cell, heading) counting turns.
bool OracleLinked(int rA, int cA, int rB, int cB) {
    const auto& b = gameState.board;
    if (b[rB][cB].face != b[rA][cA].face) return false;
    constexpr int dr[5] = {0, 0, 1, 0, -1}, dc[5] = {0, 1, 0, -1, 0};
    std::array<std::array<std::array<int, 5>, 17>, 13> best{};
    for (auto& x : best)
        for (auto& y : x) y.fill(99);
    struct Node { int r, c, d, turns; };
    std::deque<Node> queue;
    for (int d = 1; d <= 4; ++d) queue.push_back({rA, cA, d, 0});
    while (!queue.empty()) {
        Node n = queue.front();
        queue.pop_front();
        int r = n.r + dr[n.d], c = n.c + dc[n.d];
        if (r < 1 || r > 12 || c < 1 || c > 16) continue;
        if (r == rB && c == cB) return true;
        if (b[r][c].state == 1) continue;
        for (int d = 1; d <= 4; ++d) {
            int t = n.turns + (d != n.d);
            if (t > 2 || t >= best[r][c][d]) continue;
            best[r][c][d] = t;
            queue.push_back({r, c, d, t});
        }
    }
    return false;
}

TEST_F(LinkSearchTest, AgreesWithBreadthFirstSearchOnRandomBoards) {
    std::mt19937 rng(1234);
    int linked = 0, trials = 0;
    for (int board = 0; board < 3000; ++board) {
        ClearBoard();
        int density = 15 + static_cast<int>(rng() % 70);
        for (int16_t r = 2; r <= 11; ++r)
            for (int16_t c = 2; c <= 15; ++c)
                if (static_cast<int>(rng() % 100) < density) PutTile(r, c, int16_t(1 + rng() % 4));
        for (int pick = 0; pick < 4; ++pick) {
            int16_t rA = int16_t(2 + rng() % 10), cA = int16_t(2 + rng() % 14);
            int16_t rB = int16_t(2 + rng() % 10), cB = int16_t(2 + rng() % 14);
            if ((rA == rB && cA == cB) || gameState.board[rA][cA].state != 1 || gameState.board[rB][cB].state != 1) continue;
            if (rng() % 2) gameState.board[rB][cB].face = gameState.board[rA][cA].face;
            bool expected = OracleLinked(rA, cA, rB, cB);
            ASSERT_EQ(Probe(rA, cA, rB, cB), expected) << "board " << board << " A(" << rA << "," << cA << ") B(" << rB << "," << cB << ")";
            if (expected) {
                EXPECT_LE(acceptedStack.size(), 42u);
            }
            linked += expected;
            ++trials;
        }
    }
    EXPECT_EQ(fatalCount, 0);
    // The sample must exercise both answers.
    EXPECT_GT(trials, 3000);
    EXPECT_GT(linked, trials / 20);
    EXPECT_LT(linked, trials * 9 / 10);
}

TEST_F(LinkSearchTest, AcceptedPathHasAtMostTwoBendsAndEndsNextToB) {
    std::mt19937 rng(99);
    for (int board = 0; board < 500; ++board) {
        ClearBoard();
        for (int16_t r = 2; r <= 11; ++r)
            for (int16_t c = 2; c <= 15; ++c)
                if (rng() % 100 < 45) PutTile(r, c, int16_t(1 + rng() % 3));
        int16_t rA = int16_t(2 + rng() % 10), cA = int16_t(2 + rng() % 14);
        int16_t rB = int16_t(2 + rng() % 10), cB = int16_t(2 + rng() % 14);
        PutTile(rA, cA, 7);
        PutTile(rB, cB, 7);
        if ((rA == rB && cA == cB) || !Probe(rA, cA, rB, cB)) continue;
        ASSERT_FALSE(acceptedStack.empty());
        EXPECT_EQ(acceptedStack.front().row, rA);
        EXPECT_EQ(acceptedStack.front().col, cA);
        int bends = 0;
        for (size_t k = 1; k < acceptedStack.size(); ++k) {
            const StepRec& p = acceptedStack[k - 1];
            bends += p.dir != acceptedStack[k].dir;
            EXPECT_EQ(acceptedStack[k].row, NextRow(int16_t(p.row), int16_t(p.dir)));
            EXPECT_EQ(acceptedStack[k].col, NextCol(int16_t(p.col), int16_t(p.dir)));
            EXPECT_EQ(gameState.board[acceptedStack[k].row][acceptedStack[k].col].state, 0);
        }
        EXPECT_LE(bends, 2);
        const StepRec& top = acceptedStack.back();
        EXPECT_EQ(NextRow(int16_t(top.row), int16_t(top.dir)), rB);
        EXPECT_EQ(NextCol(int16_t(top.col), int16_t(top.dir)), cB);
    }
}

}  // namespace
}  // namespace game::test
