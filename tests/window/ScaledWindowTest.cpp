// The whole program magnified twice on a dense desktop: drawn at 1x, shown at
// 2x, input divided, positions still screen pixels.
#include <algorithm>

#include "support/ProgramFixture.h"
#include "platform/DisplayScale.h"
#include "platform/SettingsStore.h"
#include "window/Frame.h"

namespace kelvaro_test {
namespace {

using ui::MsgResult;

class ScaledTest : public ProgramTest {
protected:
    // A 2560 x 1600 screen; with Xft.dpi 192 the program picks 2 by itself.
    void Desktop(bool dense) {
        backend_.SetScreenSize(2560, 1600);
        backend_.SetDesktopResources(dense ? "Xft.antialias:\t1\nXft.dpi:\t192\n" : "");
    }
    void Restart() {
        program_.reset();
        game::ResetGameState();
        ASSERT_TRUE(Start());
    }
    void ExitWithYes() {
        boxes_.Answer(MsgResult::Yes);
        window::ConfirmExit(Prog());
    }
};

TEST_F(ScaledTest, WindowIsTheOneAt1xMagnifiedAndCentred) {
    Desktop(true);
    ASSERT_TRUE(Start());
    ASSERT_EQ(backend_.Scale(), 2);
    const platform::HeadlessWindow& w = backend_.Window(Win());
    EXPECT_EQ(w.width, 1518);
    EXPECT_EQ(w.height, 1138);
    EXPECT_EQ(WindowPos(), (gfx::Point{(2560 - 1518) / 2, (1600 - 1138) / 2}));
    // Drawn at 1x as ever, shown nearest-neighbour.
    EXPECT_EQ(Main().Framebuffer().Width(), 759);
    const gfx::Bitmap doubled = platform::MagnifyBitmap(Main().Framebuffer(), 2);
    ASSERT_EQ(Screen().Width(), doubled.Width());
    ASSERT_EQ(Screen().Height(), doubled.Height());
    EXPECT_TRUE(std::equal(Screen().Data(), Screen().Data() + 1518 * 1138, doubled.Data()));
    // The hand pointer is magnified with its hot spot.
    EXPECT_EQ(backend_.HandPicture().Width(), 64);
    EXPECT_EQ(backend_.HandHotSpot(), (gfx::Point{22, 2}));
}

TEST_F(ScaledTest, OutlineIsMagnifiedAtEveryCorner) {
    Desktop(true);
    ASSERT_TRUE(Start());
    const gfx::Region& shape = backend_.Window(Win()).shape;
    const gfx::Region one = window::BuildOutline(759, 569);
    // Every screen pixel of the four 20 x 40 corner blocks follows its 1x pixel.
    for (int cx : {0, 1518 - 40})
        for (int cy : {0, 1138 - 80})
            for (int y = cy; y < cy + 80; ++y)
                for (int x = cx; x < cx + 40; ++x)
                    ASSERT_EQ(shape.Contains(x, y), one.Contains(x / 2, y / 2)) << x << "," << y;
    // At and just outside each corner: the corner pixels are cut, the rounding's
    // first pixels inside are kept.
    EXPECT_FALSE(shape.Contains(0, 0));
    EXPECT_FALSE(shape.Contains(1517, 0));
    EXPECT_FALSE(shape.Contains(0, 1137));
    EXPECT_FALSE(shape.Contains(1517, 1137));
    EXPECT_TRUE(shape.Contains(4, 4));
    EXPECT_TRUE(shape.Contains(1511, 4));
    EXPECT_TRUE(shape.Contains(9, 1133));
    EXPECT_TRUE(shape.Contains(1513, 1127));
    EXPECT_FALSE(shape.Contains(1518, 600));
    // Outside the outline the pointer finds no window.
    backend_.SetPointer(WindowPos().x + 1, WindowPos().y + 1);
    EXPECT_EQ(backend_.WindowUnderPointer(), 0u);
    backend_.SetPointer(WindowPos().x + 4, WindowPos().y + 4);
    EXPECT_EQ(backend_.WindowUnderPointer(), Win());
}

TEST_F(ScaledTest, APressLandsOnTheCellUnderIt) {
    Desktop(true);
    ASSERT_TRUE(Start());
    auto& board = game::gameState.board;
    board[2][2].face = 1;  // cell A at start; the faces below never link to it
    board[4][5].face = 2;
    board[4][6].face = 3;
    // Cell (4, 5) spans 1x columns 172..211 of the window: screen columns 344..423.
    const int lastOf5 = 2 * (kBoardLeft + 5 * 40) - 1;
    Click(lastOf5, 2 * CellY(4));
    EXPECT_EQ(game::gameState.rowA, 4);
    EXPECT_EQ(game::gameState.colA, 5);
    Click(lastOf5 + 1, 2 * CellY(4));
    EXPECT_EQ(game::gameState.rowA, 4);
    EXPECT_EQ(game::gameState.colA, 6);
    EXPECT_EQ(game::gameState.rowB, 4);
    EXPECT_EQ(game::gameState.colB, 5);
}

TEST_F(ScaledTest, TitleImagesAndButtonsAnswerAtTheirMagnifiedPlaces) {
    Desktop(true);
    ASSERT_TRUE(Start());
    // The close image lies at 738, 5 (1x): 1476, 10 on the screen.
    backend_.Move(Win(), 2 * 745, 2 * 12);
    app_->DoEvents();
    EXPECT_EQ(Main().Imclose->Tag(), "1");
    EXPECT_EQ(Main().Immin->Tag(), "");
    boxes_.Answer(MsgResult::No);
    Click(2 * 745, 2 * 12);
    EXPECT_EQ(boxes_.log.size(), 1u);
    // Hover tracking asks where the global pointer is: screen pixels, divided.
    const gfx::Rect b1 = Main().XPButton1->FormRect();
    const int cy = WindowPos().y + b1.top + b1.bottom;  // the middle row, doubled
    backend_.SetPointer(WindowPos().x + 2 * b1.right - 1, cy);
    EXPECT_TRUE(Main().XPButton1->IsUnderPointer());
    backend_.SetPointer(WindowPos().x + 2 * b1.right, cy);
    EXPECT_FALSE(Main().XPButton1->IsUnderPointer());
}

TEST_F(ScaledTest, SavedPositionIsTheSameScreenPlaceAtEveryScale) {
    Desktop(false);
    ASSERT_TRUE(Start());
    ASSERT_EQ(backend_.Scale(), 1);
    backend_.MoveWindowByUser(Win(), 300, 200);
    app_->DoEvents();
    ExitWithYes();
    const std::string at1 = ReadSettings();
    EXPECT_NE(at1.find("frmMainX = 4500"), std::string::npos) << at1;

    Desktop(true);
    Restart();
    ASSERT_EQ(backend_.Scale(), 2);
    EXPECT_EQ(WindowPos(), (gfx::Point{300, 200}));
    ExitWithYes();
    EXPECT_EQ(ReadSettings(), at1);

    // The clamps use the magnified size: far right and below is flush with the edges.
    WriteSettings("[SetLog]\nfrmMainX = 60000\nfrmMainY = 60000\n");
    Restart();
    EXPECT_EQ(WindowPos(), (gfx::Point{2560 - 1518, 1600 - 1138}));
    window::MinimiseWindow(Prog());
    app_->DoEvents();
    backend_.MoveWindowByUser(Win(), 5, 5);  // the restore below puts it back
    app_->DoEvents();
    Main().Restore();
    app_->DoEvents();
    EXPECT_EQ(WindowPos(), (gfx::Point{2560 - 1518, 1600 - 1138}));
}

TEST_F(ScaledTest, ExitQuestionIsMagnifiedAndCentredOnTheWindow) {
    Desktop(true);
    ASSERT_TRUE(Start());
    platform::HeadlessWindow box;
    backend_.SetIdleHook([&](platform::HeadlessBackend& be) {
        const platform::WindowId last = be.LastCreatedWindow();
        if (last != Win() && be.Exists(last) && box.id == 0) box = be.Window(last);
    });
    boxes_.Answer(MsgResult::No, 300);
    window::ConfirmExit(Prog());
    backend_.SetIdleHook(nullptr);
    ASSERT_NE(box.id, 0u);
    EXPECT_EQ(box.width, 2 * box.spec.width);
    EXPECT_EQ(box.height, 2 * box.spec.height);
    EXPECT_EQ(box.position.x, WindowPos().x + (1518 - box.width) / 2);
    EXPECT_EQ(box.position.y, WindowPos().y + (1138 - box.height) / 2);
    // What it shows is its 1x picture, every pixel doubled.
    for (int y = 0; y < box.height; y += 2)
        for (int x = 0; x < box.width; x += 2) {
            const uint32_t p = box.screen.Raw(x, y);
            ASSERT_TRUE(p == box.screen.Raw(x + 1, y) && p == box.screen.Raw(x, y + 1) &&
                        p == box.screen.Raw(x + 1, y + 1))
                << x << "," << y;
        }
    EXPECT_FALSE(app_->QuitRequested());
}

}  // namespace
}  // namespace kelvaro_test
