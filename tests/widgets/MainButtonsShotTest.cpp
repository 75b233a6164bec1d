// The six buttons of the main window in each state, written to PNG for a
// person to look at (KELVARO_SHOTS names the folder; this test's build folder
// otherwise), with checks on their caption colours.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ButtonHarness.h"
#include "gfx/Image.h"

namespace widgets {
namespace {

struct Spec {
    const char* name;
    const char* caption;
    gfx::Colour fore;
};
constexpr Spec kButtons[6] = {
    {"XPButton1", "重新载入", 0x80000012}, {"XPButton2", "暂停", 0x80000012}, {"XPButton5", "求助", 0x80000012},
    {"XPButton4", "关于", 0x80000012},     {"XPButton3", "官方网站", 0x00C00000}, {"XPButton6", "退出", 0x000000FF},
};

int CountColour(const gfx::Bitmap& b, gfx::Colour c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, y) == c;
    return n;
}

std::string ShotPath(const std::string& file) {
    const char* dir = std::getenv("KELVARO_SHOTS");
    return std::string(dir ? dir : KELVARO_SHOTS_DIR) + "/" + file;
}

TEST(MainButtonsShot, SixButtonsInEveryState) {
    testing::ButtonHarness h;
    h.form.SetBounds(gfx::Rect::FromSize(0, 0, 5 * 90 + 10, 6 * 40 + 10));
    XPButton* buttons[6];
    for (int i = 0; i < 6; ++i) {
        XPButton& b = h.AddButton(kButtons[i].name, 10, 10 + 40 * i);
        b.SetButtonStyle(2);
        b.SetBackColor(0x8000000F);
        b.SetFont(gfx::FontDesc{"SimSun", 9});
        b.SetCaption(kButtons[i].caption);
        b.SetForeColor(kButtons[i].fore);
        if (i == 4) b.SetHoverForeColor(0x00C00000);
        if (i == 5) b.SetHoverColorLocks(2);
        b.SetTabIndex(i + 1);
        buttons[i] = &b;
    }
    h.Show();
    gfx::Bitmap sheet(5 * 90 + 10, 6 * 40 + 10, 0xFFFFFF);
    gfx::Canvas out(sheet);
    // Columns: normal, hot, pushed, focused, disabled.
    for (int s = 0; s < 5; ++s) {
        for (int i = 0; i < 6; ++i) {
            XPButton& b = *buttons[i];
            int cy = 10 + 40 * i + 16;
            if (s == 1) h.MoveTo(50, cy);
            if (s == 2) {
                h.MoveTo(50, cy);
                h.backend.MouseDown(h.Win(), 50, cy);
                h.app.DoEvents();
            }
            if (s == 3) {
                b.SetFocus();
                h.app.DoEvents();
            }
            if (s == 4) b.SetEnabled(false);
            h.form.Flush();
            out.Blit(10 + 90 * s, 10 + 40 * i, b.Surface());
            if (s == 0 && kButtons[i].fore < 0x80000000u) {
                EXPECT_GT(CountColour(b.Surface(), kButtons[i].fore), 0) << kButtons[i].name;
            }
            if (s == 2) {
                h.backend.MouseUp(h.Win(), 50, cy);
                h.app.DoEvents();
            }
            if (s == 1 || s == 2) {
                h.MoveTo(400, 5);
                h.app.RunFor(60);
            }
            if (s == 4) b.SetEnabled(true);
        }
    }
    gfx::SavePng(sheet, ShotPath("xpbutton-main-buttons.png"));
    // The caption of a disabled button is Sb(face, -104) in one pass; at least its solid strokes show it.
    EXPECT_EQ(buttons[0]->Colours().face, 0xFFFFFFu);
}

}  // namespace
}  // namespace widgets
