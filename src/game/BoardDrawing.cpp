#include "game/BoardDrawing.h"

#include "game/Deal.h"
#include "game/GameControls.h"
#include "game/GameState.h"
#include "ui/PictureBox.h"

namespace game {

void PaintCell(int16_t row, int16_t col, int16_t index) {
    ui::PictureBox* board = gameControls.Picture1;
    if (!board || index < 0 || index >= 50 || !gameControls.tileFaces[index]) return;
    board->PaintPicture(*gameControls.tileFaces[index], static_cast<float>((col - 1) * kCellPixels),
                        static_cast<float>((row - 1) * kCellPixels), static_cast<float>(kCellPixels),
                        static_cast<float>(kCellPixels));
}

void DrawGrid() {
    ui::PictureBox* board = gameControls.Picture1;
    if (!board) return;
    // The last line of each loop falls outside the picture, as it always did.
    for (int i = 1; i <= 12; ++i) board->Line(40, 40.0f * i, 600, 40.0f * i, gfx::Colour{0});
    for (int j = 1; j <= 16; ++j) board->Line(40.0f * j, 40, 40.0f * j, 440, gfx::Colour{0});
}

void RedrawBoard() {
    if (!gameControls.Picture1) return;
    gameControls.Picture1->Cls();
    for (int16_t row = 2; row <= 11; ++row)
        for (int16_t col = 2; col <= 15; ++col)
            if (gameState.board[row][col].state == 1)
                PaintCell(row, col, static_cast<int16_t>(gameState.board[row][col].face - 1));
    DrawGrid();
}

void StartNewBoard() {
    DealBoard();
    // No clearing first: the fresh tiles cover whatever the field showed.
    for (int16_t row = 2; row <= 11; ++row)
        for (int16_t col = 2; col <= 15; ++col)
            PaintCell(row, col, static_cast<int16_t>(gameState.board[row][col].face - 1));
    DrawGrid();
    if (ui::Control* label4 = gameControls.Label4) {
        label4->SetEnabled(false);
        label4->SetVisible(false);
    }
}

}  // namespace game
