// Faults found by drawing every style, shape and state, each pinned once:
// uncovered pixels, Refresh under DelayDrawing, damaged stored values, the
// custom pointer picture, and the handles.
#include <gtest/gtest.h>

#include "ButtonHarness.h"

namespace widgets {
namespace {

using testing::ButtonHarness;
constexpr gfx::Colour kGreen = 0x00FF00;

TEST(MendedFaults, EveryPassStartsFromTheContainerColour) {
    ButtonHarness h;
    h.form.SetBackColor(kGreen);
    h.backend.SetScreenSize(90, 90);  // small screen: 2-pixel gradient bands
    XPButton& round = h.AddButton("XPButton1", 10, 10, 60, 30);
    round.SetButtonStyle(5);
    round.SetButtonShape(4);
    XPButton& bands = h.AddButton("XPButton2", 10, 60, 60, 31);
    bands.SetButtonStyle(5);
    bands.SetBackColor(0x0000FF);
    h.Show();
    // Between the window ellipse and the face ellipse only the ring (while hot) paints.
    EXPECT_EQ(round.Surface().GetPixel(30, 0), kGreen);
    h.MoveTo(40, 25);
    EXPECT_NE(round.Surface().GetPixel(30, 0), kGreen);
    h.MoveTo(200, 300);
    h.app.RunFor(60);
    EXPECT_EQ(round.Surface().GetPixel(30, 0), kGreen);  // not the ring left over

    EXPECT_EQ(bands.Surface().GetPixel(5, 30), 0x0000FFu);
    bands.SetGradientMode(3);  // 15 bands of 2 rows cover 30 of 31
    EXPECT_EQ(bands.Surface().GetPixel(5, 30), kGreen);
}

TEST(MendedFaults, RefreshWaitsForTheDelayAndAHostRepaintEndsIt) {
    ButtonHarness h;
    XPButton& b = h.AddButton("XPButton1", 10, 10);
    b.SetButtonStyle(1);
    h.Show();
    gfx::Colour before = b.Surface().GetPixel(40, 16);
    b.DelayDrawing(true);
    b.SetBackColor(0x0000FF);
    b.Refresh();
    EXPECT_EQ(b.Surface().GetPixel(40, 16), before);
    h.form.Invalidate();
    h.app.DoEvents();  // the host asks the button to paint itself
    EXPECT_EQ(b.Surface().GetPixel(40, 16), 0x0000FFu);
    b.SetBackColor(0x00FF00);  // no delay left
    EXPECT_EQ(b.Surface().GetPixel(40, 16), 0x00FF00u);
}

TEST(MendedFaults, OutOfRangeStoredValuesReadTheDefault) {
    ButtonHarness h;
    XPButton& bad = h.AddButton("XPButton1", 10, 10);
    bad.ReadProperties(ui::PropertyBag::Parse("BackStyle = 12\nShape = 9\nMode = 7\nValue = -1\nCapAlign = 5\n"
                                              "CapStyle = 3\nImgAlign = 6\nGradient = 5\nImgSize = 20\n"));
    XPButton& top = h.AddButton("XPButton2", 10, 60);  // the top of each range is kept
    top.ReadProperties(ui::PropertyBag::Parse("BackStyle = 7\nShape = 6\nMode = 1\nValue = -1\nCapAlign = 1\n"
                                              "CapStyle = 2\nImgAlign = 5\nGradient = 4\nImgSize = 48\n"));
    auto read = [](const XPButton& b) {
        return std::vector<int>{b.ButtonStyle(),  b.ButtonShape(), b.Mode(),         b.Value(),      b.CaptionAlign(),
                                b.CaptionStyle(), b.PictureAlign(), b.GradientMode(), b.PictureSize()};
    };
    EXPECT_EQ(read(bad), (std::vector<int>{0, 0, 0, 0, 2, 0, 0, 0, 0}));  // a command button is never checked
    EXPECT_EQ(read(top), (std::vector<int>{7, 6, 1, 1, 1, 2, 5, 4, 4}));
}

TEST(MendedFaults, CustomPointerPictureIsTheCursorAndOpaqueBitmapsAreRefused) {
    ButtonHarness h;
    XPButton& b = h.AddButton("XPButton1", 10, 10);
    auto arrow = std::make_shared<gfx::Bitmap>(8, 8, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x < 3 || x > 4 || y == 0) arrow->SetRaw(x, y, 0);  // see-through but a 2-pixel stem
    b.SetButtonMouseIcon(arrow);
    b.SetButtonMouseIcon(std::make_shared<gfx::Bitmap>(8, 8, 0));  // no mask: refused, silently at run time
    EXPECT_EQ(b.MouseIcon(), arrow);
    h.Show();
    h.MoveTo(30, 20);
    EXPECT_EQ(h.backend.CurrentCursor(), platform::Cursor::Custom);
    EXPECT_EQ(h.backend.CursorImage().Raw(3, 5), arrow->Raw(3, 5));
    EXPECT_EQ(h.backend.CursorHotSpot(), (gfx::Point{3, 1}));  // the tip
    h.MoveTo(200, 300);
    EXPECT_EQ(h.backend.CurrentCursor(), platform::Cursor::Arrow);
    EXPECT_TRUE(h.boxes.log.empty());
}

TEST(MendedFaults, HandlesAreTheSurfaceCanvasAndTheControl) {
    ButtonHarness h;
    XPButton& b = h.AddButton("XPButton1", 10, 10);
    h.Show();
    b.hDC().FillRect(gfx::Rect{0, 0, 2, 2}, kGreen);
    EXPECT_EQ(b.Surface().GetPixel(1, 1), kGreen);
    h.MoveTo(30, 20);
    EXPECT_EQ(b.hwnd()->GetProp("qz_TimerID"), XPButton::kHoverTimerId);
}

}  // namespace
}  // namespace widgets
