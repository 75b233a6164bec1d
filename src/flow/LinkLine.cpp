#include "flow/LinkLine.h"

#include "game/BoardDrawing.h"
#include "game/GameWindow.h"
#include "game/GameState.h"
#include "ui/App.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

using game::gameState;

namespace {

struct PieceSpec {
    int dx, dy, w, h;
};

// [piece][direction - 1]. Entry pieces for left and up start 20 pixels in and
// reach into the previous cell, which its own pieces cover in the same colour.
constexpr PieceSpec kPieces[3][4] = {
    {{0, 15, 40, 10}, {15, 0, 10, 40}, {0, 15, 40, 10}, {15, 0, 10, 40}},   // straight
    {{0, 15, 25, 10}, {15, 0, 10, 25}, {20, 15, 25, 10}, {15, 20, 10, 25}}, // entry
    {{15, 15, 25, 10}, {15, 15, 10, 25}, {0, 15, 25, 10}, {15, 0, 10, 25}}, // exit
};

}  // namespace

gfx::Rect LinkPieceRect(int16_t row, int16_t col, int16_t dir, Piece piece) {
    if (dir < 1 || dir > 4) return {};
    const PieceSpec& p = kPieces[static_cast<int>(piece)][dir - 1];
    return gfx::Rect::FromSize((col - 1) * 40 + p.dx, (row - 1) * 40 + p.dy, p.w, p.h);
}

std::vector<gfx::Rect> LinkPathRects() {
    std::vector<gfx::Rect> rects;
    const auto& stack = gameState.pathStack;
    int n = gameState.pathNext - 1;
    if (n < 1) return rects;
    for (int k = 1; k <= n; ++k) {
        const game::PathStep& s = stack[k];
        if (k >= 2 && s.dir == stack[k - 1].dir) rects.push_back(LinkPieceRect(s.row, s.col, s.dir, Piece::Straight));
        if (k >= 2 && s.dir != stack[k - 1].dir)
            rects.push_back(LinkPieceRect(s.row, s.col, stack[k - 1].dir, Piece::Entry));
        rects.push_back(LinkPieceRect(s.row, s.col, s.dir, Piece::Exit));
    }
    const game::PathStep& last = stack[n];
    int16_t rowB = static_cast<int16_t>(last.row + (last.dir == game::kDown) - (last.dir == game::kUp));
    int16_t colB = static_cast<int16_t>(last.col + (last.dir == game::kRight) - (last.dir == game::kLeft));
    rects.push_back(LinkPieceRect(rowB, colB, last.dir, Piece::Entry));
    return rects;
}

void DrawLinkPath(game::GameWindow& w) {
    for (const gfx::Rect& r : LinkPathRects())
        w.Picture1.FillBox(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right),
                       static_cast<float>(r.bottom), kLinkColour);
}

void ShowLink(game::GameWindow& w) {
    const game::BoardCell& b = gameState.board[gameState.rowB][gameState.colB];
    game::PaintCell(w, gameState.rowA, gameState.colA, static_cast<int16_t>(b.face - 1));
    game::DrawGrid(w);
    DrawLinkPath(w);
    w.Timer1.SetEnabled(true);
    gameState.tickCount = 0;
    // Waits in the loop for the two ticks; events keep being dispatched meanwhile.
    w.app.RunUntil([] { return gameState.tickCount >= 2; });
    w.Timer1.SetEnabled(false);
}

void Timer1_Timer() { ++gameState.tickCount; }

}  // namespace flow
