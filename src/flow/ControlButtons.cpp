#include "flow/ControlButtons.h"

#include "flow/Clock.h"
#include "flow/Hints.h"
#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameState;

namespace {

void SetPauseCaption(game::GameWindow& w, const char* caption) {
    w.XPButton2.SetCaption(caption);
}

void SetClock(game::GameWindow& w, bool on) {
    w.Timer2.SetEnabled(on);
}

}  // namespace

void XPButton1_Click(game::GameWindow& w) {
    if (gameState.accepting) return;
    ui::MsgResult answer = ui::MessageBox(w.app, &w.frmMain, "你确定要重新载入游戏吗？", ui::MsgButtons::YesNo,
                                          ui::MsgIcon::Question, 1, w.app.Title());
    if (answer != ui::MsgResult::Yes) return;
    game::StartNewBoard(w);
    SetPauseCaption(w, "暂停");
    gameState.paused = false;
}

void XPButton2_Click(game::GameWindow& w) {
    if (gameState.accepting) return;
    PlayHitSound(w);
    TogglePause(w);
}

void XPButton5_Click(game::GameWindow& w) {
    if (gameState.accepting) return;
    ui::Control& button = w.XPButton5;
    // Disabled for the whole help move: its link display processes clicks.
    button.SetEnabled(false);
    UseHint(w);
    button.SetEnabled(true);
    button.SetFocus();  // a refusal is of no consequence
    RunHeldTimeUp(w);
}

void TogglePause(game::GameWindow& w) {
    if (!gameState.gameRunning) return;
    ui::PictureBox& board = w.Picture1;
    if (!gameState.paused) {
        SetPauseCaption(w, "开始");
        SetClock(w, false);
        board.Cls();
        gameState.paused = true;
        board.PaintPicture(w.PausePicture(), 224, 168, 192, 144);
    } else {
        SetPauseCaption(w, "暂停");
        SetClock(w, true);
        gameState.paused = false;
        game::RedrawBoard(w);
    }
}

}  // namespace flow
