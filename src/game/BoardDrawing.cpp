#include "game/BoardDrawing.h"

#include "game/Deal.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "ui/PictureBox.h"

namespace game {

void PaintCell(GameWindow& w, int16_t row, int16_t col, int16_t index) {
    if (index < 0 || index >= 50) return;
    w.Picture1.PaintPicture(w.TileFace(index), static_cast<float>((col - 1) * kCellPixels),
                        static_cast<float>((row - 1) * kCellPixels), static_cast<float>(kCellPixels),
                        static_cast<float>(kCellPixels));
}

void DrawGrid(GameWindow& w) {
    ui::PictureBox& board = w.Picture1;
    // The last line of each loop falls outside the picture, as it always did.
    for (int i = 1; i <= 12; ++i) board.Line(40, 40.0f * i, 600, 40.0f * i, gfx::Colour{0});
    for (int j = 1; j <= 16; ++j) board.Line(40.0f * j, 40, 40.0f * j, 440, gfx::Colour{0});
}

void RedrawBoard(GameWindow& w) {
    w.Picture1.Cls();
    for (int16_t row = 2; row <= 11; ++row)
        for (int16_t col = 2; col <= 15; ++col)
            if (gameState.board[row][col].state == 1)
                PaintCell(w, row, col, static_cast<int16_t>(gameState.board[row][col].face - 1));
    DrawGrid(w);
}

void StartNewBoard(GameWindow& w) {
    DealBoard(w);
    // No clearing first: the fresh tiles cover whatever the field showed.
    for (int16_t row = 2; row <= 11; ++row)
        for (int16_t col = 2; col <= 15; ++col)
            PaintCell(w, row, col, static_cast<int16_t>(gameState.board[row][col].face - 1));
    DrawGrid(w);
    w.Label4.SetEnabled(false);
    w.Label4.SetVisible(false);
}

}  // namespace game
