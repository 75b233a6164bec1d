// The painted frame: outline, title-bar images, the layout copies, placement,
// dragging and minimising.
#include "support/ProgramFixture.h"
#include "window/Frame.h"
#include "window/PictureStore.h"

namespace kelvaro_test {
namespace {

TEST(Outline, CornersAt759x569) {
    gfx::Region r = window::BuildOutline(759, 569);
    // Straight edges.
    EXPECT_TRUE(r.Contains(0, 5));
    EXPECT_TRUE(r.Contains(0, 563));
    EXPECT_TRUE(r.Contains(758, 5));
    EXPECT_TRUE(r.Contains(5, 0));
    EXPECT_TRUE(r.Contains(753, 0));
    EXPECT_TRUE(r.Contains(5, 568));
    EXPECT_FALSE(r.Contains(759, 300));
    EXPECT_FALSE(r.Contains(300, 569));
    // Top-left: ellipse (-2, 0, 15, 35) rounds the corner; the very corner is cut.
    EXPECT_FALSE(r.Contains(0, 0));
    EXPECT_FALSE(r.Contains(1, 0));
    EXPECT_FALSE(r.Contains(0, 1));
    EXPECT_TRUE(r.Contains(2, 2));
    // Top-right: ellipse (744, 0, 761, 20).
    EXPECT_FALSE(r.Contains(758, 0));
    EXPECT_FALSE(r.Contains(757, 0));
    EXPECT_FALSE(r.Contains(758, 1));
    EXPECT_TRUE(r.Contains(755, 2));
    // Bottom-left: ellipse (-1, 549, 10, 569).
    EXPECT_FALSE(r.Contains(0, 568));
    EXPECT_FALSE(r.Contains(0, 567));
    EXPECT_TRUE(r.Contains(4, 566));
    // Bottom-right: ellipse (739, 529, 762, 573) reaches past the window.
    EXPECT_TRUE(r.Contains(758, 563));
    EXPECT_TRUE(r.Contains(757, 564));
    EXPECT_FALSE(r.Contains(758, 564));
    EXPECT_TRUE(r.Contains(756, 567));
    EXPECT_FALSE(r.Contains(757, 567));
    EXPECT_FALSE(r.Contains(758, 568));
    // The corner ellipses reach past the window; the window clips them.
    EXPECT_EQ(r.Bounds(), (gfx::Rect{-2, 0, 761, 572}));
}

TEST_F(ProgramTest, ShownWindowCarriesTheOutline) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(backend_.Window(Win()).hasShape);
    EXPECT_EQ(backend_.Window(Win()).shape, window::BuildOutline(759, 569));
}

TEST_F(ProgramTest, TitleImagesSitOverTheSkinButtons) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Main().Immin->Bounds(), gfx::Rect::FromSize(717, 5, 17, 16));
    EXPECT_EQ(Main().Imclose->Bounds(), gfx::Rect::FromSize(738, 5, 17, 16));
    EXPECT_EQ(Main().IMBar->Bounds(), gfx::Rect::FromSize(48, 0, 714, 25));
    // LbBR: 120 twips from the right edge, 75 twips above the bottom.
    gfx::Rect lb = Main().LbBR->Bounds();
    EXPECT_EQ(lb.right, 759 - 8);
    EXPECT_EQ(lb.bottom, 569 - 5);
}

TEST_F(ProgramTest, LayoutCopiesLandOnTheSkinPixels) {
    ASSERT_TRUE(Start());
    const gfx::Bitmap& skin = *Main().Pmain->Picture();
    const gfx::Bitmap& screen = Screen();
    auto same = [&](int wx, int wy, int sx, int sy) {
        EXPECT_EQ(screen.GetPixel(wx, wy), skin.GetPixel(sx, sy)) << "window " << wx << "," << wy;
    };
    same(300, 3, 30, 3);             // title bar, stretched from the column at x 28..35
    same(400, 20, 32, 20);
    same(300, 569 - 3, 30, 218 - 3); // bottom bar
    same(1, 300, 1, 59);             // left edge from the strip 880 twips down
    same(757, 300, 269, 59);         // right edge
    same(10, 3, 10, 3);              // top-left corner
    same(10, 569 - 8, 10, 218 - 8);  // bottom-left corner
    same(717 + 8, 5 + 8, 229 + 8, 5 + 8);   // minimise button of the top-right corner
    same(738 + 8, 5 + 8, 250 + 8, 5 + 8);   // close button
    same(759 - 3, 569 - 30, 271 - 3, 218 - 30);  // bottom-right corner
    // The icon at (100, 80) twips = (7, 5) pixels, 16 x 16.
    const gfx::Bitmap& icon = *Main().Imico->Picture();
    int opaque = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((icon.Raw(x, y) >> 24) == 0xFF) {
                ++opaque;
                EXPECT_EQ(screen.GetPixel(7 + x, 5 + y), icon.GetPixel(x, y));
            }
    EXPECT_GT(opaque, 40);
    // The caption is printed in white somewhere right of x = 28 on the title bar.
    int white = 0;
    for (int y = 7; y < 20; ++y)
        for (int x = 28; x < 140; ++x) white += screen.GetPixel(x, y) == 0xFFFFFF;
    EXPECT_GT(white, 30);
}

TEST_F(ProgramTest, PlacementIsClampedToTheScreen) {
    WriteSettings("[SetLog]\nfrmMainX = -300\nfrmMainY = -300\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{0, 0}));
    EXPECT_EQ(Prog().MainX, 0);
    EXPECT_EQ(Prog().MainY, 0);
}

TEST_F(ProgramTest, PlacementFarRightAndBelowIsFlushWithTheEdges) {
    WriteSettings("[SetLog]\nfrmMainX = 90000\nfrmMainY = 90000\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{1024 - 759, 768 - 569}));
    EXPECT_EQ(Prog().MainX, (1024 - 759) * 15);
}

TEST_F(ProgramTest, ScreenSmallerThanTheWindowLeavesNegativeEdges) {
    backend_.SetScreenSize(640, 480);
    ASSERT_TRUE(Start());
    EXPECT_EQ(WindowPos(), (gfx::Point{640 - 759, 480 - 569}));
}

TEST_F(ProgramTest, TitleImageHoverPressAndReleaseOutside) {
    ASSERT_TRUE(Start());
    ui::Image& close = *Main().Imclose;
    backend_.Move(Win(), 745, 12);
    app_->DoEvents();
    EXPECT_EQ(close.Tag(), "1");
    EXPECT_EQ(close.Picture(), Main().ImClose1->Picture());
    backend_.MouseDown(Win(), 745, 12);
    app_->DoEvents();
    EXPECT_EQ(close.Picture(), Main().ImClose2->Picture());
    EXPECT_EQ(close.Tag(), "1");
    backend_.Move(Win(), 500, 300, platform::kLeftButton);
    backend_.MouseUp(Win(), 500, 300);
    app_->DoEvents();
    EXPECT_EQ(close.Picture(), nullptr);
    EXPECT_EQ(close.Tag(), "");
    EXPECT_TRUE(boxes_.log.empty());
}

TEST_F(ProgramTest, MovingOverTheTitleBarResetsAHoveredImage) {
    ASSERT_TRUE(Start());
    backend_.Move(Win(), 724, 12);
    app_->DoEvents();
    EXPECT_EQ(Main().Immin->Tag(), "1");
    backend_.Move(Win(), 400, 12);  // IMBar
    app_->DoEvents();
    EXPECT_EQ(Main().Immin->Tag(), "");
    EXPECT_EQ(Main().Immin->Picture(), nullptr);
}

TEST_F(ProgramTest, CloseImageAsksTheExitQuestion) {
    ASSERT_TRUE(Start());
    boxes_.Answer(ui::MsgResult::No);
    Click(745, 12);
    ASSERT_EQ(boxes_.log.size(), 1u);
    EXPECT_EQ(boxes_.log[0].prompt, "你确定要关闭并结束程序吗？");
    EXPECT_FALSE(app_->QuitRequested());
}

TEST_F(ProgramTest, MinimiseThenRestoreReturnsToTheStoredPlace) {
    WriteSettings("[SetLog]\nfrmMainX = 3495\nfrmMainY = 1200\n");
    ASSERT_TRUE(Start());
    Click(724, 12);
    EXPECT_TRUE(backend_.Window(Win()).minimized);
    EXPECT_EQ(Prog().MainX, 3495);
    EXPECT_EQ(Prog().MainY, 1200);
    backend_.RestoreWindow(Win());
    app_->DoEvents();
    EXPECT_FALSE(backend_.Window(Win()).minimized);
    EXPECT_EQ(WindowPos(), (gfx::Point{233, 80}));
}

TEST_F(ProgramTest, OnlyFreeSurfacesStartADrag) {
    ASSERT_TRUE(Start());
    ui::Form& f = Main();
    EXPECT_TRUE(f.DragAt(400, 12));               // IMBar
    EXPECT_TRUE(f.DragAt(700, 70));               // the window surface
    EXPECT_TRUE(f.DragAt(4 + 300, 32 + 8));       // the time bar
    EXPECT_TRUE(f.DragAt(4 + 60, 32 + 8));        // the level line
    EXPECT_TRUE(f.DragAt(4 + 4, 32 + 100));       // the board container's margin
    EXPECT_FALSE(f.DragAt(CellX(5), CellY(5)));   // the board
    EXPECT_FALSE(f.DragAt(745, 12));              // the close image
    EXPECT_FALSE(f.DragAt(700, 120));             // a button
}

TEST_F(ProgramTest, RightPressOnTheTitleBarDoesNothing) {
    ASSERT_TRUE(Start());
    gfx::Point before = WindowPos();
    backend_.MouseDown(Win(), 400, 12, platform::kRightButton);
    backend_.MouseUp(Win(), 400, 12, platform::kRightButton);
    app_->DoEvents();
    EXPECT_EQ(WindowPos(), before);
    EXPECT_TRUE(boxes_.log.empty());
}

TEST_F(ProgramTest, LeftPressOnTheBoardSelectsAndDoesNotDrag) {
    ASSERT_TRUE(Start());
    backend_.ClearRecords();
    ClickCell(6, 7);
    EXPECT_EQ(game::gameState.rowA, 6);
    EXPECT_EQ(game::gameState.colA, 7);
    EXPECT_FALSE(backend_.Sounds().empty());
}

}  // namespace
}  // namespace kelvaro_test
