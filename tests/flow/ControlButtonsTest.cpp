#include <gtest/gtest.h>

#include "flow/Clock.h"
#include "flow/ControlButtons.h"
#include "flow/Hints.h"
#include "game/BoardDrawing.h"
#include "support/GameFixture.h"
#include "ui/MessageBox.h"

namespace game::test {
namespace {

class ControlButtonsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        seconds = 8;
        StartNewBoard(W());
        backend.ClearRecords();
    }
};

TEST_F(ControlButtonsTest, PauseHidesBoardAndResumeRedrawsUnhighlighted) {
    PaintCell(W(), 5, 5, int16_t(gameState.board[5][5].face + 24));
    gameState.timeLeft = 120;
    flow::XPButton2_Click(W());
    EXPECT_TRUE(gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "开始");
    EXPECT_FALSE(Main().Timer2->Enabled());
    EXPECT_EQ(Px(224, 168), kPauseColour);
    EXPECT_EQ(Px(415, 311), kPauseColour);
    EXPECT_EQ(Px(416, 311), kBoardWhite);
    EXPECT_EQ(Px(223, 200), kBoardWhite);
    EXPECT_EQ(CellColour(2, 2), kBoardWhite);
    EXPECT_EQ(Px(40, 100), kBoardWhite);  // no grid
    flow::XPButton5_Click(W());  // refused while paused
    EXPECT_EQ(gameState.hintsLeft, 10);
    flow::XPButton2_Click(W());
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "暂停");
    EXPECT_TRUE(Main().Timer2->Enabled());
    EXPECT_EQ(gameState.timeLeft, 120);
    EXPECT_EQ(CellColour(5, 5), FaceColour(gameState.board[5][5].face));
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/hit.wav", "/opt/kelvaro/hit.wav"}));
}

TEST_F(ControlButtonsTest, RestartAsksAndKeepsLevel) {
    gameState.level = 5;
    gameState.timeLeft = 40;
    boxes_.Answer(ui::MsgResult::No);
    flow::XPButton1_Click(W());
    EXPECT_EQ(gameState.timeLeft, 40);
    ASSERT_EQ(boxes_.log.size(), 1u);
    const ui::MessageBoxRecord& box = boxes_.log[0];
    EXPECT_EQ(box.prompt, "你确定要重新载入游戏吗？");
    EXPECT_EQ(box.title, "Kelvaro");
    EXPECT_EQ(box.buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(box.icon, ui::MsgIcon::Question);
    EXPECT_EQ(box.defaultButton, 1);
    flow::XPButton2_Click(W());  // paused before the restart
    boxes_.Answer(ui::MsgResult::Yes);
    flow::XPButton1_Click(W());
    EXPECT_EQ(gameState.level, 5);
    EXPECT_EQ(gameState.hintsLeft, 6);
    EXPECT_EQ(gameState.timeLeft, 150);
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "暂停");
    EXPECT_TRUE(Main().Timer2->Enabled());
    EXPECT_EQ(CellColour(5, 5), FaceColour(gameState.board[5][5].face));
}

TEST_F(ControlButtonsTest, PauseAfterTimeUpOnlyPlaysSound) {
    gameState.timeLeft = 0;
    flow::ClockTick(W());
    backend.ClearRecords();
    flow::XPButton2_Click(W());
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(Main().XPButton2->Caption(), "暂停");  // not turned to "开始"
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/hit.wav"}));
    EXPECT_EQ(Px(300, 230), kBannerColour[0]);
}

TEST_F(ControlButtonsTest, HintButtonAtZeroStaysEnabledAndFocused) {
    gameState.hintsLeft = 0;
    flow::XPButton5_Click(W());
    EXPECT_TRUE(Main().XPButton5->Enabled());
    EXPECT_TRUE(Main().XPButton5->HasFocus());
    EXPECT_EQ(CountTiles(), 140);
    EXPECT_TRUE(backend.Sounds().empty());
}

TEST_F(ControlButtonsTest, HelpMoveRemovesPairAndRewritesCaption) {
    flow::XPButton5_Click(W());
    EXPECT_EQ(CountTiles(), 138);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 9");
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/and.wav"}));
}

TEST_F(ControlButtonsTest, HelpMoveRemovingLastPairKeepsBanner) {
    ClearBoard();
    PutTile(6, 6, 4);
    PutTile(6, 9, 4);
    gameState.pairsRemoved = 69;
    RedrawBoard(W());
    flow::XPButton5_Click(W());
    EXPECT_TRUE(gameState.boardFinished);
    EXPECT_EQ(gameState.hintsLeft, 9);
    EXPECT_EQ(Main().XPButton5->Caption(), "求助 9");
    EXPECT_EQ(Px(300, 230), kBannerColour[1]);
    EXPECT_EQ(Main().Label4->Caption(), "> 下一关");
    EXPECT_TRUE(Main().Label4->Visible());
    EXPECT_EQ(gameState.level, 2);
}

}  // namespace
}  // namespace game::test
