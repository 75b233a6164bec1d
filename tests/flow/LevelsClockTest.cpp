#include <gtest/gtest.h>

#include "flow/Clock.h"
#include "flow/Levels.h"
#include "game/BoardDrawing.h"
#include "support/GameFixture.h"

namespace game::test {
namespace {

using LevelsClockTest = GameTest;

TEST_F(LevelsClockTest, LevelSettingsReachTheControls) {
    flow::ApplyLevelSettings(W(), 9);
    EXPECT_EQ(Main().Label3->Caption(), "9");
    EXPECT_EQ(Main().Timer2->Interval(), 400);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 2");
    flow::ApplyLevelSettings(W(), 11);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 0");
    flow::ApplyLevelSettings(W(), 0);  // out of range: only the caption is rewritten
    EXPECT_EQ(Main().Label3->Caption(), "11");
    EXPECT_EQ(Main().Timer2->Interval(), 200);
}

TEST_F(LevelsClockTest, BarPositions) {
    flow::PaintTimeBar(W(), 100);
    EXPECT_EQ(BarLength(), 300);
    EXPECT_EQ(BarPx(299), kBarRed);
    EXPECT_EQ(BarPx(300), kBoardWhite);
    gameState.timeLeft = 1;
    gameState.gameRunning = true;
    flow::ClockTick(W());
    EXPECT_EQ(gameState.timeLeft, 0);
    EXPECT_EQ(BarLength(), 1);
    EXPECT_EQ(BarPx(0), kBarRed);
}

TEST_F(LevelsClockTest, LevelTwelveEndsFifteenPointOneSecondsAfterDeal) {
    gameState.level = 12;
    StartNewBoard(W());
    app_->RunFor(15099);
    EXPECT_TRUE(gameState.gameRunning);
    EXPECT_EQ(gameState.timeLeft, 0);
    EXPECT_EQ(BarLength(), 1);
    app_->RunFor(1);
    EXPECT_FALSE(gameState.gameRunning);
    EXPECT_TRUE(gameState.boardFinished);
    EXPECT_FALSE(Main().Timer2->Enabled());
    EXPECT_EQ(BarLength(), 0);
}

TEST_F(LevelsClockTest, TimeUpShowsBannerLabelAndSound) {
    gameState.level = 4;
    StartNewBoard(W());
    backend.ClearRecords();
    gameState.timeLeft = 0;
    flow::ClockTick(W());
    EXPECT_EQ(Px(140, 220), kBannerColour[0]);
    EXPECT_EQ(Px(499, 259), kBannerColour[0]);
    EXPECT_EQ(Px(500, 259), kBoardWhite);
    EXPECT_EQ(Px(139, 240), kBoardWhite);
    EXPECT_EQ(CellColour(2, 2), kBoardWhite);  // tiles and grid gone
    EXPECT_EQ(Px(40, 100), kBoardWhite);
    EXPECT_EQ(BarLength(), 0);
    EXPECT_EQ(Main().Label4->Caption(), "继续游戏");
    EXPECT_TRUE(Main().Label4->Visible());
    EXPECT_TRUE(Main().Label4->Enabled());
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/gameover.wav"}));
    EXPECT_EQ(gameState.level, 4);
    // Continue: same level, full clock and hint budget.
    flow::Label4_Click(W());
    EXPECT_EQ(gameState.level, 4);
    EXPECT_EQ(gameState.timeLeft, 150);
    EXPECT_EQ(gameState.hintsLeft, 7);
    EXPECT_FALSE(Main().Label4->Visible());
    EXPECT_TRUE(Main().Timer2->Enabled());
}

TEST_F(LevelsClockTest, LastPairClearsLevelTwelveAndKeepsBar) {
    gameState.level = 12;
    StartNewBoard(W());
    gameState.timeLeft = 100;
    flow::PaintTimeBar(W(), 100);
    ClearBoard();
    PutTile(5, 5, 8);
    PutTile(5, 6, 8);
    gameState.pairsRemoved = 69;
    RedrawBoard(W());
    backend.ClearRecords();
    SetPair(5, 5, 5, 6);
    FindLink(W(), 5, 5, 1);
    EXPECT_EQ(gameState.pairsRemoved, 70);
    EXPECT_TRUE(gameState.boardFinished);
    EXPECT_EQ(gameState.level, 12);
    EXPECT_EQ(Main().Label4->Caption(), "> 下一关");
    EXPECT_TRUE(Main().Label4->Visible());
    EXPECT_EQ(Px(300, 230), kBannerColour[1]);
    EXPECT_EQ(gameState.timeLeft, 97);  // four 100 ms ticks during the link display, one unit back
    EXPECT_EQ(BarLength(), 291);
    EXPECT_FALSE(Main().Timer2->Enabled());
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/and.wav", "/opt/kelvaro/gamewin.wav"}));
    flow::Label4_Click(W());
    EXPECT_EQ(Main().Timer2->Interval(), 100);
    EXPECT_EQ(gameState.hintsLeft, 0);
}

TEST_F(LevelsClockTest, BonusCappedAtFullTime) {
    StartNewBoard(W());
    ClearBoard();
    PutTile(3, 3, 2);
    PutTile(3, 4, 2);
    PutTile(8, 8, 5);
    PutTile(8, 9, 5);
    SetPair(3, 3, 3, 4);
    FindLink(W(), 3, 3, 1);
    EXPECT_EQ(gameState.timeLeft, 150);
    EXPECT_EQ(BarLength(), 450);
}

}  // namespace
}  // namespace game::test
