#include "game/Selection.h"

#include <cmath>

#include "flow/Clock.h"
#include "flow/ControlButtons.h"
#include "flow/Levels.h"
#include "flow/Sounds.h"
#include "game/BoardDrawing.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "game/LinkSearch.h"
#include "ui/PictureBox.h"

namespace game {

int16_t CellIndexOf(float pixel) {
    long p = std::lrint(pixel);  // halves to even
    return static_cast<int16_t>(p / kCellPixels + 1);
}

void Picture1_MouseDown(GameWindow& w, int, int, float x, float y) {
    GameState& gs = gameState;
    // A press during the link display would start a second search over the
    // shared search data: it is dropped.
    if (gs.accepting) return;
    int16_t row = CellIndexOf(y);
    int16_t col = CellIndexOf(x);
    if (row < 2 || row > 11 || col < 2 || col > 15) return;
    if (gs.board[row][col].state == 0 || !gs.gameRunning || gs.paused || gs.boardFinished) return;
    gs.rowB = gs.rowA;
    gs.colB = gs.colA;
    gs.colA = col;
    gs.rowA = row;
    SelectCell(w);
    flow::RunHeldTimeUp(w);
}

void Picture1_MouseMove(GameWindow& w, int, int, float x, float y) {
    ui::PictureBox& board = w.Picture1;
    int16_t row = CellIndexOf(y);
    int16_t col = CellIndexOf(x);
    // The right ring column counts as inside and keeps the pointer it has.
    if (row < 2 || row > 11 || col < 2 || col > 16) {
        board.SetMousePointer(kPointerDefault);
        return;
    }
    if (gameState.board[row][col].state == 1) board.SetMousePointer(kPointerCustom);
}

void Picture1_MouseUp(GameWindow& w, int, int, float, float) {
    if (gameState.accepting) return;
    if (gameState.paused) flow::XPButton2_Click(w);
    if (w.Label4.Visible() && w.Label4.Enabled()) flow::Label4_Click(w);
}

void SelectCell(GameWindow& w) {
    GameState& gs = gameState;
    if (gs.rowA != gs.rowB || gs.colA != gs.colB) {
        const BoardCell& b = gs.board[gs.rowB][gs.colB];
        if (b.state == 1) PaintCell(w, gs.rowB, gs.colB, static_cast<int16_t>(b.face - 1));
        const BoardCell& a = gs.board[gs.rowA][gs.colA];
        if (a.state == 1) PaintCell(w, gs.rowA, gs.colA, static_cast<int16_t>(a.face + 24));
        flow::PlayHitSound(w);
        FindLink(w, gs.rowA, gs.colA, 1);
    }
    DrawGrid(w);
}

}  // namespace game
