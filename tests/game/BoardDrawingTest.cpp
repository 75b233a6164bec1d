#include <gtest/gtest.h>

#include "support/GameFixture.h"
#include "game/BoardDrawing.h"
#include "flow/ControlButtons.h"

namespace game::test {
namespace {

using BoardDrawingTest = GameTest;

TEST_F(BoardDrawingTest, PaintCellStretchesToFullCell) {
    PaintCell(W(), 3, 4, 6);  // face 7
    EXPECT_EQ(Px(120, 80), FaceColour(7));
    EXPECT_EQ(Px(159, 119), FaceColour(7));  // a 39-pixel copy would leave this pixel white
    EXPECT_EQ(Px(160, 120), kBoardWhite);
    PaintCell(W(), 3, 4, 31);  // face 7 highlighted
    EXPECT_EQ(Px(140, 100), HighlightColour(7));
}

TEST_F(BoardDrawingTest, GridOutlinesFieldCellsOnly) {
    RedrawBoard(W());
    for (int y = 40; y <= 440; y += 40) {
        EXPECT_EQ(Px(300, y), 0u) << "horizontal line y=" << y;
        EXPECT_EQ(Px(599, y), 0u);
    }
    for (int x = 40; x <= 600; x += 40) {
        EXPECT_EQ(Px(x, 300), 0u) << "vertical line x=" << x;
        EXPECT_EQ(Px(x, 439), 0u);
    }
    // Nothing in the ring: the lines stop at the field's edges.
    EXPECT_EQ(Px(39, 40), kBorderGreen);
    EXPECT_EQ(Px(601, 40), kBorderGreen);
    EXPECT_EQ(Px(40, 441), kBorderGreen);
    EXPECT_EQ(Px(40, 39), kBorderGreen);
    EXPECT_EQ(Px(620, 440), kBorderGreen);
    EXPECT_EQ(Px(300, 300 + 1), kBoardWhite);  // empty board: only background and grid
}

TEST_F(BoardDrawingTest, RedrawShowsNoHighlight) {
    StartNewBoard(W());
    int16_t face = gameState.board[4][4].face;
    PaintCell(W(), 4, 4, int16_t(face + 24));
    gameState.board[6][6].state = 0;
    RedrawBoard(W());
    EXPECT_EQ(CellColour(4, 4), FaceColour(face));
    EXPECT_EQ(CellColour(6, 6), kBoardWhite);
    EXPECT_EQ(CellColour(1, 1), kBorderGreen);
}

TEST_F(BoardDrawingTest, StartNewBoardCoversPausePictureAndHidesLabel4) {
    StartNewBoard(W());
    flow::TogglePause(W());
    EXPECT_EQ(Px(320, 240), kPauseColour);
    Main().Label4->SetVisible(true);
    Main().Label4->SetEnabled(true);
    StartNewBoard(W());
    for (int16_t r = 2; r <= 11; ++r)
        for (int16_t c = 2; c <= 15; ++c) ASSERT_EQ(CellColour(r, c), FaceColour(gameState.board[r][c].face));
    EXPECT_EQ(Px(320, 240), 0u);  // grid crossing
    EXPECT_FALSE(Main().Label4->Visible());
    EXPECT_FALSE(Main().Label4->Enabled());
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 10");
    EXPECT_EQ(Main().Label3->Caption(), "1");
    EXPECT_TRUE(Main().Timer2->Enabled());
    EXPECT_EQ(Main().Timer2->Interval(), 2500);
    EXPECT_EQ(BarLength(), 450);
}

}  // namespace
}  // namespace game::test
