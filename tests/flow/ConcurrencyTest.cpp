#include <gtest/gtest.h>

#include "flow/ControlButtons.h"
#include "game/BoardDrawing.h"
#include "support/GameFixture.h"
#include "game/Selection.h"

namespace game::test {
namespace {

// Events delivered while a link is shown: the pair (3,3)-(3,4) is being
// removed, with (8,8)-(8,9) left for anything that would interleave.
class ConcurrencyTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        StartNewBoard(W());
        ClearBoard();
        PutTile(3, 3, 2);
        PutTile(3, 4, 2);
        PutTile(8, 8, 5);
        PutTile(8, 9, 5);
        PutTile(10, 12, 6);
        PutTile(10, 14, 6);
        RedrawBoard(W());
        gameState.rowA = 3;
        gameState.colA = 3;
        onAcceptLink = [this] {
            ++accepts;
            if (!gameState.removeOnLink) return;
            ++removals;
            // Queued now, delivered by the link display's wait.
            if (removals == 1) queue();
        };
        backend.ClearRecords();
    }
    void RemoveFirstPair() {
        Picture1_MouseDown(W(), 1, 0, 3 * 40 + 20, 2 * 40 + 20);  // press (3,4) after (3,3)
        app_->DoEvents();
    }
    void ExpectFirstPairOnly() {
        EXPECT_EQ(removals, 1);
        EXPECT_EQ(gameState.pairsRemoved, 1);
        EXPECT_EQ(gameState.board[3][3].state, 0);
        EXPECT_EQ(gameState.board[8][8].state, 1);
        EXPECT_EQ(gameState.board[8][9].state, 1);
        EXPECT_FALSE(gameState.accepting);
    }
    std::function<void()> queue;
};

TEST_F(ConcurrencyTest, BoardPressesDuringDisplayAreDropped) {
    queue = [this] {
        QueueClickCell(8, 8);
        QueueClickCell(8, 9);
    };
    RemoveFirstPair();
    ExpectFirstPairOnly();
    EXPECT_EQ(gameState.rowA, 1);
    EXPECT_EQ(gameState.rowB, 1);
    EXPECT_EQ(backend.Sounds(), (std::vector<std::string>{"/opt/kelvaro/hit.wav", "/opt/kelvaro/and.wav"}));
}

TEST_F(ConcurrencyTest, RestartPauseHelpAndContinueAreRefused) {
    queue = [this] {
        boxes_.Answer(ui::MsgResult::Yes);
        QueueClickControl(Main().XPButton1);
        QueueClickControl(Main().XPButton2);
        QueueClickControl(Main().XPButton5);
        Main().Label4->SetVisible(true);
        Main().Label4->SetEnabled(true);
        QueueClickControl(Main().Label4);
    };
    RemoveFirstPair();
    ExpectFirstPairOnly();
    EXPECT_TRUE(boxes_.log.empty());
    EXPECT_FALSE(gameState.paused);
    EXPECT_EQ(gameState.hintsLeft, 10);
    EXPECT_EQ(CountTiles(), 4);  // no new board was dealt
}

TEST_F(ConcurrencyTest, TimeUpDuringDisplayWaitsForTheRemoval) {
    gameState.timeLeft = 0;
    Main().Timer2->SetInterval(100);  // ticks come during the 400 ms wait
    queue = [] {};
    RemoveFirstPair();
    ExpectFirstPairOnly();
    EXPECT_EQ(gameState.board[3][4].state, 0);
    EXPECT_FALSE(gameState.gameRunning);
    EXPECT_TRUE(gameState.boardFinished);
    EXPECT_FALSE(gameState.timeUpHeld);
    // The time-up came last: banner on a cleared board, bar gone, no grid drawn over it.
    EXPECT_EQ(Px(300, 230), kBannerColour[0]);
    EXPECT_EQ(Px(280, 240), kBannerColour[0]);
    EXPECT_EQ(CellColour(8, 8), kBoardWhite);
    EXPECT_EQ(BarLength(), 0);
    EXPECT_EQ(Main().Label4->Caption(), "继续游戏");
    EXPECT_EQ(backend.Sounds().back(), "/opt/kelvaro/gameover.wav");
}

TEST_F(ConcurrencyTest, HelpMoveDisplayAlsoGuarded) {
    gameState.timeLeft = 0;
    Main().Timer2->SetInterval(100);
    queue = [this] { QueueClickCell(8, 8); QueueClickCell(8, 9); QueueClickControl(Main().XPButton5); };
    flow::XPButton5_Click(W());
    app_->DoEvents();
    ExpectFirstPairOnly();
    EXPECT_EQ(gameState.hintsLeft, 9);
    EXPECT_FALSE(gameState.gameRunning);
    EXPECT_EQ(Main().Label4->Caption(), "继续游戏");
}

TEST_F(ConcurrencyTest, OrdinaryTicksDuringDisplayStillCount) {
    gameState.timeLeft = 50;
    Main().Timer2->SetInterval(100);
    queue = [] {};
    RemoveFirstPair();
    ExpectFirstPairOnly();
    EXPECT_EQ(gameState.timeLeft, 47);  // four ticks during the wait, one unit back
    EXPECT_TRUE(gameState.gameRunning);
}

}  // namespace
}  // namespace game::test
