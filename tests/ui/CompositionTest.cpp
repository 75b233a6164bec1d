// What reaches the window: persistent surfaces, composition in z-order with
// regions, changed areas only, labels, images, tool tips, window state.
#include <gtest/gtest.h>

#include "UiFixture.h"
#include "gfx/Image.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"

namespace ui::test {

constexpr gfx::Colour kRed = 0x0000FF;
constexpr gfx::Colour kWhite = 0xFFFFFF;
constexpr gfx::Colour kGrey = 0xF0F0F0;  // the system window colour of the container below is white

class CompositionTest : public UiFixture {
protected:
    CompositionTest() {
        picture2 = &form.Add<PictureBox>("Picture2");
        picture2->SetBounds(gfx::Rect::FromSize(4, 32, 200, 150));
        picture2->SetBackColor(kGrey);
        picture1 = &picture2->Add<PictureBox>("Picture1");
        picture1->SetScaleMode(ScaleMode::Pixels);
        picture1->SetBounds(gfx::Rect::FromSize(8, 24, 100, 80));
        picture1->SetBackColor(kWhite);
        ShowForm();
    }
    const gfx::Bitmap& Screen() { return backend.Screen(win); }

    PictureBox* picture2 = nullptr;
    PictureBox* picture1 = nullptr;
};

TEST_F(CompositionTest, DrawingReachesTheScreenAtTheWindowPositionOfTheBox) {
    EXPECT_EQ(Screen().GetPixel(3, 31), kWhite);  // the form
    EXPECT_EQ(Screen().GetPixel(4, 32), kGrey);   // Picture2
    EXPECT_EQ(Screen().GetPixel(12, 56), kWhite); // Picture1
    gfx::Bitmap red(10, 10, kRed);
    picture1->PaintPicture(red, 0, 0);
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(12, 56), kRed);
    EXPECT_EQ(Screen().GetPixel(21, 65), kRed);
    EXPECT_EQ(Screen().GetPixel(22, 65), kWhite);
    EXPECT_EQ(Screen().GetPixel(11, 56), kGrey);
    // Only the changed area was presented.
    EXPECT_EQ(backend.Window(win).lastDirty, (std::vector<gfx::Rect>{gfx::Rect::FromSize(12, 56, 10, 10)}));
}

TEST_F(CompositionTest, SurfaceKeepsWhatWasDrawnUntilCleared) {
    gfx::Bitmap red(10, 10, kRed);
    picture1->PaintPicture(red, 0, 0);
    picture1->PaintPicture(red, 50, 50, 5, 5);
    app.DoEvents();
    int presents = backend.Window(win).presentCount;
    app.DoEvents();  // nothing changed: nothing presented
    EXPECT_EQ(backend.Window(win).presentCount, presents);
    picture2->Invalidate();  // a re-composition of the container keeps the drawing
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(12, 56), kRed);
    EXPECT_EQ(Screen().GetPixel(12 + 54, 56 + 54), kRed);
    EXPECT_EQ(Screen().GetPixel(12 + 55, 56 + 55), kWhite);
    picture1->Cls();
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(12, 56), kWhite);
    // The background picture comes back with every Cls.
    picture1->SetPicture(std::make_shared<gfx::Bitmap>(4, 4, 0x00FF00));
    picture1->PaintPicture(red, 0, 0);
    picture1->Cls();
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(15, 59), 0x00FF00u);
    EXPECT_EQ(Screen().GetPixel(16, 59), kWhite);
}

TEST_F(CompositionTest, PaintPictureStretchesAndTakesSourceRectanglesInTheScale) {
    gfx::Bitmap src(2, 2, 0);
    src.SetPixel(1, 0, kRed);
    src.SetPixel(0, 1, 0x00FF00);
    picture1->PaintPicture(src, 10, 10, 4, 4);  // each source pixel becomes 2 x 2
    EXPECT_EQ(picture1->Surface().GetPixel(11, 11), 0u);
    EXPECT_EQ(picture1->Surface().GetPixel(12, 10), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(13, 11), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(11, 12), 0x00FF00u);
    picture1->PaintPicture(src, 30, 30, 3, 3, 1, 0, 1, 1);  // the red pixel alone
    EXPECT_EQ(picture1->Surface().GetPixel(30, 30), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(32, 32), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(33, 33), kWhite);
    // A copy that starts left of the surface is clipped: a bar at -90 shows 10 columns.
    gfx::Bitmap bar(100, 4, kRed);
    picture1->PaintPicture(bar, -90, 60);
    EXPECT_EQ(picture1->Surface().GetPixel(9, 60), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(10, 60), kWhite);
    // Twips: Picture2 measures in twips, 15 to the pixel.
    picture2->PaintPicture(src, 150, 150, 30, 30, 15, 0, 15, 15);
    EXPECT_EQ(picture2->Surface().GetPixel(10, 10), kRed);
    EXPECT_EQ(picture2->Surface().GetPixel(11, 11), kRed);
    EXPECT_EQ(picture2->Surface().GetPixel(12, 12), kGrey);
}

TEST_F(CompositionTest, LineExcludesItsEndPoint) {
    picture1->Line(0, 5, 10, 5, kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(0, 5), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(9, 5), kRed);
    EXPECT_EQ(picture1->Surface().GetPixel(10, 5), kWhite);
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(12 + 9, 56 + 5), kRed);
}

TEST_F(CompositionTest, RegionsAndHiddenControlsShowTheContainer) {
    auto& round = picture2->Add<PictureBox>("round");
    round.SetScaleMode(ScaleMode::Pixels);
    round.SetBounds(gfx::Rect::FromSize(150, 10, 40, 40));
    round.SetBackColor(kRed);
    round.SetRegion(gfx::Region::FromRect(10, 10, 30, 30));
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(4 + 150 + 5, 32 + 10 + 5), kGrey);
    EXPECT_EQ(Screen().GetPixel(4 + 150 + 10, 32 + 10 + 10), kRed);
    EXPECT_EQ(Screen().GetPixel(4 + 150 + 30, 32 + 10 + 29), kGrey);
    round.SetVisible(false);
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(4 + 150 + 10, 32 + 10 + 10), kGrey);
    // A child never paints outside its container.
    round.SetVisible(true);
    round.SetRegion(std::nullopt);
    round.SetBounds(gfx::Rect::FromSize(190, 10, 40, 40));
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(4 + 199, 32 + 12), kRed);
    EXPECT_EQ(Screen().GetPixel(4 + 200, 32 + 12), kWhite);
}

TEST_F(CompositionTest, ImagesShowTheirPictureOrWhatLiesBeneath) {
    auto& img = form.Add<Image>("Imclose");
    img.SetBounds(gfx::Rect::FromSize(250, 10, 17, 16));
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(255, 15), kWhite);
    auto pic = std::make_shared<gfx::Bitmap>(16, 16, kRed);
    pic->SetRaw(0, 0, 0);  // fully transparent pixel
    img.SetPicture(pic);
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(255, 15), kRed);
    EXPECT_EQ(Screen().GetPixel(250, 10), kWhite);
    EXPECT_EQ(Screen().GetPixel(266, 15), kWhite);  // unscaled: column 16 is beyond the picture
    img.SetPicture(nullptr);
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(255, 15), kWhite);
}

TEST_F(CompositionTest, LabelsDrawTheirCaption) {
    auto& level = picture2->Add<Label>("Label3");
    level.SetBackStyle(BackStyle::Transparent);
    level.SetFont({"SimSun", 14.25, true});
    level.SetForeColor(kRed);
    level.SetAlignment(Alignment::Center);
    level.SetBounds(gfx::Rect::FromSize(88 - 40, 0, 12 + 80, 19));
    level.SetCaption("1");
    auto& continueLabel = form.Add<Label>("Label4");
    continueLabel.SetFont({"SimSun", 10.5, true});
    continueLabel.SetForeColor(kRed);
    continueLabel.SetBackColor(kWhite);
    continueLabel.SetAutoSize(true);
    continueLabel.SetBounds(gfx::Rect::FromSize(220, 150, 10, 10));
    continueLabel.SetCaption("> 下一关");
    app.DoEvents();
    gfx::SavePng(Screen(), testing::TempDir() + "ui-labels.png");
    // Auto size: one line of the 14-pixel font, wide enough for four characters.
    EXPECT_GE(continueLabel.PixelWidth(), 40);
    EXPECT_LE(continueLabel.PixelHeight(), 20);
    // The centred digit: red pixels only, symmetric about the middle, background between.
    int minX = 1000, maxX = -1, red = 0;
    for (int y = 32; y < 32 + 19; ++y)
        for (int x = 4 + 48; x < 4 + 48 + 92; ++x)
            if (Screen().GetPixel(x, y) == kRed) {
                ++red;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GT(red, 10);
    int mid = 4 + 48 + 46;
    EXPECT_LE(std::abs((minX + maxX + 1) / 2 - mid), 2);
    EXPECT_EQ(Screen().GetPixel(4 + 49, 33), kGrey);  // transparent: the box shows
    // The changed caption repaints; an empty one leaves only the background.
    continueLabel.SetCaption("");
    app.DoEvents();
    EXPECT_EQ(Screen().GetPixel(222, 155), kWhite);
}

TEST_F(CompositionTest, ToolTipAppearsAfterThePointerRests) {
    auto& img = form.Add<Image>("Imclose");
    img.SetBounds(gfx::Rect::FromSize(250, 10, 17, 16));
    img.SetToolTipText("关闭");
    backend.Move(win, 255, 15);
    app.RunFor(300);
    backend.Move(win, 256, 15);  // still moving: the wait starts again
    app.RunFor(400);
    EXPECT_EQ(form.ShownToolTip(), "");
    app.RunFor(100);
    EXPECT_EQ(form.ShownToolTip(), "关闭");
    EXPECT_EQ(Screen().GetPixel(256, 15 + 20), 0x767676u);  // its border, below the pointer
    EXPECT_EQ(Screen().GetPixel(256 + 2, 15 + 20 + 2), gfx::ResolveColor(0x80000018));
    backend.MouseDown(win, 256, 15);
    app.DoEvents();
    EXPECT_EQ(form.ShownToolTip(), "");
}

TEST_F(CompositionTest, OutlineMinimiseAndResizeReachTheWindow) {
    int resizes = 0;
    form.ResizeEvent = [&] { ++resizes; };
    form.SetOutline(gfx::Region::FromEllipse(0, 0, 320, 240));
    EXPECT_TRUE(backend.Window(win).hasShape);
    EXPECT_EQ(backend.Window(win).shape, gfx::Region::FromEllipse(0, 0, 320, 240));
    form.Minimize();
    EXPECT_TRUE(backend.IsMinimized(win));
    EXPECT_EQ(form.GetWindowState(), WindowState::Minimized);
    form.Restore();
    EXPECT_EQ(resizes, 2);
    form.SetBounds(gfx::Rect::FromSize(100, 50, 400, 300));
    EXPECT_EQ(resizes, 3);
    EXPECT_EQ(backend.Window(win).width, 400);
    app.DoEvents();
    EXPECT_EQ(Screen().Width(), 400);
    EXPECT_EQ(Screen().GetPixel(399, 299), kWhite);
    backend.MoveWindowByUser(win, 10, 20);
    app.DoEvents();
    EXPECT_FLOAT_EQ(form.Left(), 150);
    EXPECT_FLOAT_EQ(form.Top(), 300);
}

}  // namespace ui::test
