#include "flow/ControlButtons.h"

#include "flow/Clock.h"
#include "flow/Hints.h"
#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameControls.h"
#include "game/GameState.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameControls;
using game::gameState;

namespace {

void SetPauseCaption(const char* caption) {
    if (gameControls.XPButton2) gameControls.XPButton2->SetCaption(caption);
}

void SetClock(bool on) {
    if (gameControls.Timer2) gameControls.Timer2->SetEnabled(on);
}

}  // namespace

void XPButton1_Click() {
    if (gameState.accepting || !gameControls.app) return;
    ui::MsgResult answer = ui::MessageBox(*gameControls.app, gameControls.frmMain, "你确定要重新载入游戏吗？",
                                          ui::MsgButtons::YesNo, ui::MsgIcon::Question, 1,
                                          gameControls.app->Title());
    if (answer != ui::MsgResult::Yes) return;
    game::StartNewBoard();
    SetPauseCaption("暂停");
    gameState.paused = false;
}

void XPButton2_Click() {
    if (gameState.accepting) return;
    PlayHitSound();
    TogglePause();
}

void XPButton5_Click() {
    if (gameState.accepting) return;
    ui::Control* button = gameControls.XPButton5;
    // Disabled for the whole help move: its link display processes clicks.
    if (button) button->SetEnabled(false);
    UseHint();
    if (button) {
        button->SetEnabled(true);
        button->SetFocus();  // a refusal is of no consequence
    }
    RunHeldTimeUp();
}

void TogglePause() {
    if (!gameState.gameRunning) return;
    ui::PictureBox* board = gameControls.Picture1;
    if (!gameState.paused) {
        SetPauseCaption("开始");
        SetClock(false);
        if (board) board->Cls();
        gameState.paused = true;
        if (board && gameControls.pausePicture) board->PaintPicture(*gameControls.pausePicture, 224, 168, 192, 144);
    } else {
        SetPauseCaption("暂停");
        SetClock(true);
        gameState.paused = false;
        game::RedrawBoard();
    }
}

}  // namespace flow
