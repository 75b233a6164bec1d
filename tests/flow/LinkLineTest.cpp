#include <gtest/gtest.h>

#include "flow/LinkLine.h"
#include "game/BoardDrawing.h"
#include "support/GameFixture.h"

namespace game::test {
namespace {

using LinkLineTest = GameTest;
using gfx::Rect;

Rect R(int x, int y, int w, int h) { return Rect::FromSize(x, y, w, h); }

void LoadPath(std::initializer_list<PathStep> steps) {
    ResetSearch();
    for (const PathStep& s : steps) {
        gameState.pathStack[gameState.pathNext] = s;
        ++gameState.pathNext;
    }
}

TEST_F(LinkLineTest, WorkedExampleRectanglesInPaintOrder) {
    LoadPath({{2, 3, kUp, 0, 0}, {1, 3, kRight, 0, 0}, {1, 4, kRight, 0, 0}, {1, 5, kRight, 0, 0}, {1, 6, kDown, 0, 0}});
    std::vector<Rect> expected{R(95, 40, 10, 25),  R(95, 20, 10, 25),  R(95, 15, 25, 10),  R(120, 15, 40, 10),
                               R(135, 15, 25, 10), R(160, 15, 40, 10), R(175, 15, 25, 10), R(200, 15, 25, 10),
                               R(215, 15, 10, 25), R(215, 40, 10, 25)};
    EXPECT_EQ(flow::LinkPathRects(), expected);
}

TEST_F(LinkLineTest, NeighboursAndLeftUpEntries) {
    LoadPath({{4, 4, kRight, 0, 0}});
    EXPECT_EQ(flow::LinkPathRects(), (std::vector<Rect>{R(135, 135, 25, 10), R(160, 135, 25, 10)}));
    LoadPath({{4, 4, kLeft, 0, 0}});
    // Entry from the right starts 20 pixels into B and reaches 5 into A.
    EXPECT_EQ(flow::LinkPathRects(), (std::vector<Rect>{R(120, 135, 25, 10), R(100, 135, 25, 10)}));
    LoadPath({{4, 4, kUp, 0, 0}});
    EXPECT_EQ(flow::LinkPathRects(), (std::vector<Rect>{R(135, 120, 10, 25), R(135, 100, 10, 25)}));
}

TEST_F(LinkLineTest, ShowLinkPaintsLineAndWaitsTwoTicks) {
    StartNewBoard(W());
    FillField(9);
    PutTile(2, 3, 5);
    PutTile(2, 6, 5);
    RedrawBoard(W());
    PaintCell(W(), 2, 3, 5 + 24);  // A highlighted by its press
    SetPair(2, 3, 2, 6);
    LoadPath({{2, 3, kUp, 0, 0}, {1, 3, kRight, 0, 0}, {1, 4, kRight, 0, 0}, {1, 5, kRight, 0, 0}, {1, 6, kDown, 0, 0}});
    uint64_t start = app_->Now();
    flow::ShowLink(W());
    EXPECT_EQ(app_->Now() - start, 400u);
    EXPECT_EQ(gameState.tickCount, 2);
    EXPECT_FALSE(Main().Timer1->Enabled());
    EXPECT_EQ(Px(100, 20), flow::kLinkColour);
    EXPECT_EQ(Px(219, 64), flow::kLinkColour);
    EXPECT_EQ(Px(219, 65), FaceColour(5));
    EXPECT_EQ(Px(100, 14), kBorderGreen);
    EXPECT_EQ(Px(90, 50), FaceColour(5));  // A's highlight taken back
}

}  // namespace
}  // namespace game::test
