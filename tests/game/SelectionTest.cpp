#include <gtest/gtest.h>

#include "support/GameFixture.h"
#include "game/BoardDrawing.h"
#include "game/Selection.h"

namespace game::test {
namespace {

class SelectionTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        seconds = 30;
        StartNewBoard(W());
        // Known faces on the top row; the deal's faces elsewhere.
        for (int16_t c = 2; c <= 15; ++c) gameState.board[2][c].face = int16_t(c <= 8 ? 20 + c % 3 : 1 + c);
        RedrawBoard(W());
        backend.ClearRecords();
    }
    size_t HitCount() const {
        size_t n = 0;
        for (const auto& s : backend.Sounds()) n += s == "/opt/kelvaro/hit.wav";
        return n;
    }
};

TEST_F(SelectionTest, CellIndexRoundsHalfToEven) {
    EXPECT_EQ(CellIndexOf(39.4f), 1);
    EXPECT_EQ(CellIndexOf(39.5f), 2);  // 40
    EXPECT_EQ(CellIndexOf(40.5f), 2);  // 40
    EXPECT_EQ(CellIndexOf(79.5f), 3);  // 80
    EXPECT_EQ(CellIndexOf(78.5f), 2);  // 78
}

TEST_F(SelectionTest, FirstPressPairsWithTwoTwo) {
    gameState.board[2][3].face = gameState.board[2][2].face;
    ClickCell(2, 3);
    EXPECT_EQ(gameState.board[2][2].state, 0);
    EXPECT_EQ(gameState.board[2][3].state, 0);
    EXPECT_EQ(gameState.pairsRemoved, 1);
    EXPECT_EQ(gameState.rowA, 1);
    EXPECT_EQ(gameState.colB, 1);
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/hit.wav", "/opt/kelvaro/and.wav"}));
    EXPECT_EQ(CellColour(2, 2), kBoardWhite);
}

TEST_F(SelectionTest, FirstPressOnTwoTwoOnlyRedrawsGrid) {
    ClickCell(2, 2);
    EXPECT_TRUE(backend.Sounds().empty());
    EXPECT_EQ(CellColour(2, 2), FaceColour(gameState.board[2][2].face));
    EXPECT_EQ(gameState.rowB, 2);
    EXPECT_EQ(gameState.colB, 2);
}

TEST_F(SelectionTest, DifferentFacesMoveTheHighlight) {
    ClickCell(2, 10);
    EXPECT_EQ(CellColour(2, 10), HighlightColour(11));
    ClickCell(2, 12, platform::kRightButton);
    EXPECT_EQ(CellColour(2, 10), FaceColour(11));
    EXPECT_EQ(CellColour(2, 12), HighlightColour(13));
    EXPECT_EQ(HitCount(), 2u);
    EXPECT_EQ(gameState.pairsRemoved, 0);
    ClickCell(2, 12);  // the same tile again: no sound, still highlighted
    EXPECT_EQ(HitCount(), 2u);
    EXPECT_EQ(CellColour(2, 12), HighlightColour(13));
}

TEST_F(SelectionTest, LinkedPairRemovedThenNextPressStartsAfresh) {
    gameState.board[2][9].face = gameState.board[2][10].face;
    ClickCell(2, 9);
    ClickCell(2, 10);
    EXPECT_EQ(gameState.board[2][9].state, 0);
    EXPECT_EQ(gameState.board[2][10].state, 0);
    ClickCell(5, 5);
    EXPECT_EQ(gameState.rowB, 1);
    EXPECT_EQ(CellColour(5, 5), HighlightColour(gameState.board[5][5].face));
    EXPECT_EQ(gameState.pairsRemoved, 1);
}

TEST_F(SelectionTest, IgnoredPresses) {
    ClickCell(1, 5);    // ring
    ClickCell(6, 16);   // right ring column
    gameState.board[7][7].state = 0;
    ClickCell(7, 7);    // empty cell
    EXPECT_TRUE(backend.Sounds().empty());
    EXPECT_EQ(gameState.rowA, 2);
    gameState.boardFinished = true;
    Picture1_MouseDown(W(), 1, 0, 200, 200);
    EXPECT_EQ(gameState.rowA, 2);
    EXPECT_TRUE(backend.Sounds().empty());
}

TEST_F(SelectionTest, PointerShapes) {
    Main().Picture1->SetMousePointer(5);
    Picture1_MouseMove(W(), 0, 0, 100, 100);  // tile
    EXPECT_EQ(Main().Picture1->MousePointer(), kPointerCustom);
    Picture1_MouseMove(W(), 0, 0, 10, 100);   // left ring column
    EXPECT_EQ(Main().Picture1->MousePointer(), kPointerDefault);
    gameState.board[5][5].state = 0;
    Picture1_MouseMove(W(), 0, 0, 180, 180);  // empty cell: unchanged
    EXPECT_EQ(Main().Picture1->MousePointer(), kPointerDefault);
    Picture1_MouseMove(W(), 0, 0, 100, 100);
    Picture1_MouseMove(W(), 0, 0, 620, 100);  // right ring column counts as inside
    EXPECT_EQ(Main().Picture1->MousePointer(), kPointerCustom);
    Picture1_MouseMove(W(), 0, 0, 100, 460);  // bottom ring row
    EXPECT_EQ(Main().Picture1->MousePointer(), kPointerDefault);
}

TEST_F(SelectionTest, ReleaseResumesPausedGameWithoutSelecting) {
    QueueClickControl(Main().XPButton2);
    app_->DoEvents();
    ASSERT_TRUE(gameState.paused);
    ClickCell(4, 4);
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(gameState.rowA, 2);
    EXPECT_EQ(HitCount(), 2u);
    EXPECT_EQ(CellColour(4, 4), FaceColour(gameState.board[4][4].face));
}

TEST_F(SelectionTest, ReleaseAfterTimeUpDealsNextBoard) {
    gameState.timeLeft = 0;
    Main().Timer2->SetInterval(100);
    app_->RunFor(100);
    ASSERT_TRUE(gameState.boardFinished);
    ClickCell(4, 4);
    EXPECT_TRUE(gameState.gameRunning);
    EXPECT_EQ(gameState.timeLeft, 150);
    EXPECT_FALSE(Main().Label4->Visible());
    EXPECT_EQ(CountTiles(), 140);
}

}  // namespace
}  // namespace game::test
