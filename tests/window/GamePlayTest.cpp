// Playing through the real main window: presses reach the board through its
// container, the link line shows on screen, boards end and continue, and the
// pointer follows the tiles.
#include "flow/Clock.h"
#include "game/BoardDrawing.h"
#include "game/GameWindow.h"
#include "support/ProgramFixture.h"

namespace kelvaro_test {
namespace {

constexpr gfx::Colour kLinkColour = 0xF93A74;  // RGB (116, 58, 249)

// Leaves exactly two tiles of face 9 on the board, at a and b.
void LeaveOnePair(game::GameWindow& w, gfx::Point a, gfx::Point b) {
    game::GameState& g = game::gameState;
    for (int r = 2; r <= 11; ++r)
        for (int c = 2; c <= 15; ++c) g.board[r][c].state = 0;
    for (gfx::Point p : {a, b}) g.board[p.y][p.x] = {int16_t(p.x * 40), int16_t(p.y * 40), 1, 9};
    g.pairsRemoved = 69;
    game::RedrawBoard(w);
}

TEST_F(ProgramTest, LinkedPairShowsTheLineThenEmptiesBothCells) {
    ASSERT_TRUE(Start());
    game::GameState& g = game::gameState;
    // Two neighbours of one face in row 4; the first press pairs with (2, 2), so
    // give them a face (2, 2) does not have.
    int16_t face = g.board[2][2].face == 3 ? 4 : 3;
    g.board[4][6].face = face;
    g.board[4][7].face = face;
    game::RedrawBoard(*Prog().game);
    int timeBefore = g.timeLeft = 100;
    Main().Picture3->Cls();
    flow::PaintTimeBar(*Prog().game, 100);
    ClickCell(4, 6);
    // During the display the line runs from the middle of A into B.
    bool sawLine = false;
    Main().Timer1->TimerEvent = [&, tick = Main().Timer1->TimerEvent] {
        sawLine = sawLine || Screen().GetPixel(CellX(7) - 10, CellY(4)) == kLinkColour;
        tick();
    };
    ClickCell(4, 7);
    EXPECT_TRUE(sawLine);
    EXPECT_EQ(g.board[4][6].state, 0);
    EXPECT_EQ(g.board[4][7].state, 0);
    EXPECT_EQ(g.pairsRemoved, 1);
    EXPECT_EQ(g.timeLeft, timeBefore + 1);
    EXPECT_EQ(g.rowA, 1);
    EXPECT_EQ(g.colB, 1);
    // Both cells show the white field again, the line is gone.
    EXPECT_EQ(Screen().GetPixel(CellX(6), CellY(4)), 0xFFFFFF);
    EXPECT_EQ(Screen().GetPixel(CellX(7) - 10, CellY(4)), 0xFFFFFF);
    // The bar shows 101 units: 303 pixels of the time bar box at (4 + 170, 32 + 4).
    EXPECT_NE(Screen().GetPixel(174 + 302, 36 + 5), 0xFFFFFF);
    EXPECT_EQ(Screen().GetPixel(174 + 303, 36 + 5), 0xFFFFFF);
    const auto& sounds = backend_.Sounds();
    ASSERT_GE(sounds.size(), 2u);
    EXPECT_EQ(sounds.back(), env_.programFolder + "/and.wav");
}

TEST_F(ProgramTest, ClearingTheLastPairRaisesTheLevelAndTheBoardClickContinues) {
    ASSERT_TRUE(Start());
    LeaveOnePair(*Prog().game, {3, 2}, {5, 2});  // (row 2, columns 3 and 5): linked through the top ring
    ClickCell(2, 3);
    ClickCell(2, 5);
    game::GameState& g = game::gameState;
    EXPECT_TRUE(g.boardFinished);
    EXPECT_FALSE(g.gameRunning);
    EXPECT_EQ(g.level, 2);
    EXPECT_FALSE(Main().Timer2->Enabled());
    EXPECT_TRUE(Main().Label4->Visible());
    EXPECT_EQ(Main().Label4->Caption(), "> 下一关");
    EXPECT_EQ(backend_.Sounds().back(), env_.programFolder + "/gamewin.wav");
    // The banner at (140, 220) on the board, 360 x 40: its middle is not the white field.
    int banner = 0;
    for (int x = 140; x < 500; x += 4) banner += Screen().GetPixel(kBoardLeft + x, kBoardTop + 240) != 0xFFFFFF;
    EXPECT_GT(banner, 10);
    // A click on the board deals the next board at level 2.
    ClickCell(6, 6);
    EXPECT_TRUE(g.gameRunning);
    EXPECT_EQ(g.pairsRemoved, 0);
    EXPECT_EQ(Main().Label3->Caption(), "2");
    EXPECT_EQ(Main().Timer2->Interval(), 2000);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 9");
    EXPECT_FALSE(Main().Label4->Visible());
}

TEST_F(ProgramTest, TimeUpShowsGameOverAndContinueKeepsTheLevel) {
    ASSERT_TRUE(Start());
    game::gameState.level = 12;
    game::StartNewBoard(*Prog().game);
    uint64_t dealt = app_->Now();
    app_->RunUntil([] { return game::gameState.boardFinished; });
    EXPECT_EQ(app_->Now() - dealt, 15100u);
    EXPECT_EQ(Main().Label4->Caption(), "继续游戏");
    EXPECT_EQ(backend_.Sounds().back(), env_.programFolder + "/gameover.wav");
    // The time bar is cleared.
    EXPECT_EQ(Screen().GetPixel(174 + 1, 36 + 5), 0xFFFFFF);
    gfx::Rect l4 = Main().Label4->FormRect();
    Click((l4.left + l4.right) / 2, (l4.top + l4.bottom) / 2);
    EXPECT_TRUE(game::gameState.gameRunning);
    EXPECT_EQ(game::gameState.level, 12);
    EXPECT_EQ(game::gameState.timeLeft, 150);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 0");
}

TEST_F(ProgramTest, PointerIsAHandOverTilesOnly) {
    ASSERT_TRUE(Start());
    backend_.Move(Win(), CellX(5), CellY(5));
    app_->DoEvents();
    EXPECT_EQ(backend_.CurrentCursor(), platform::Cursor::Custom);  // the hand picture itself
    EXPECT_EQ(backend_.CursorHotSpot(), (gfx::Point{11, 1}));
    backend_.Move(Win(), CellX(5), CellY(1));  // the top ring row
    app_->DoEvents();
    EXPECT_EQ(Main().Picture1->MousePointer(), 0);
    EXPECT_EQ(backend_.CurrentCursor(), platform::Cursor::Arrow);
    // Back over a tile, then the right ring column leaves the hand as it was.
    backend_.Move(Win(), CellX(15), CellY(5));
    backend_.Move(Win(), CellX(16), CellY(5));
    app_->DoEvents();
    EXPECT_EQ(Main().Picture1->MousePointer(), 99);
}

TEST_F(ProgramTest, PauseButtonHidesTheBoardAndABoardClickResumes) {
    ASSERT_TRUE(Start());
    ClickCell(5, 5);
    gfx::Rect b2 = Main().XPButton2->FormRect();
    Click(b2.left + 40, b2.top + 16);
    EXPECT_TRUE(game::gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "开始");
    EXPECT_FALSE(Main().Timer2->Enabled());
    // No tile is left on screen: a field cell away from the pause picture is white.
    EXPECT_EQ(Screen().GetPixel(CellX(3), CellY(3)), 0xFFFFFF);
    ClickCell(3, 3);
    EXPECT_FALSE(game::gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "暂停");
    EXPECT_TRUE(Main().Timer2->Enabled());
    // The press that resumed selected nothing.
    EXPECT_EQ(game::gameState.rowA, 5);
    EXPECT_NE(Screen().GetPixel(CellX(3), CellY(3)), 0xFFFFFF);
}

}  // namespace
}  // namespace kelvaro_test
