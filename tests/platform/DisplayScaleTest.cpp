// The choice of the window magnification, and the magnified copies.
#include <gtest/gtest.h>

#include "platform/DisplayScale.h"

namespace {

using platform::ChooseScale;
using platform::ScaleSources;

TEST(DisplayScale, FactorFromEachSource) {
    struct Row {
        const char* what;
        std::optional<std::string> kelvaro, gdk;
        std::string resources;
        gfx::Point screen;
        int scale;
        bool warns;
    };
    const gfx::Point k4{3840, 2160}, qhd{2560, 1600}, fhd{1920, 1080};
    const Row rows[] = {
        {"nothing set", {}, {}, "", k4, 1, false},
        {"KELVARO_SCALE wins over the desktop", "3", "2", "Xft.dpi:\t192\n", k4, 3, false},
        {"KELVARO_SCALE 1 on a dense desktop", "1", {}, "Xft.dpi:\t288\n", k4, 1, false},
        {"KELVARO_SCALE 5 is refused", "5", {}, "Xft.dpi:\t192\n", k4, 2, true},
        {"KELVARO_SCALE 0 is refused", "0", "3", "", k4, 3, true},
        {"KELVARO_SCALE text is refused", "two", {}, "", k4, 1, true},
        {"KELVARO_SCALE 2.5 is refused", "2.5", {}, "", k4, 1, true},
        {"GDK_SCALE", {}, "2", "Xft.dpi:\t96\n", k4, 2, false},
        {"GDK_SCALE not whole: Xft.dpi decides", {}, "1.5", "Xft.dpi:\t192\n", k4, 2, false},
        {"Xft.dpi 96", {}, {}, "Xft.dpi:\t96\n", k4, 1, false},
        {"Xft.dpi 144 rounds down", {}, {}, "Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", k4, 1, false},
        {"Xft.dpi 192", {}, {}, "Xft.dpi: 192", k4, 2, false},
        {"Xft.dpi 288", {}, {}, "Xft.dpi:\t288\n", k4, 3, false},
        {"Xft.dpi 288 on a smaller screen", {}, {}, "Xft.dpi:\t288\n", qhd, 2, false},
        {"Xft.dpi 192 too tall for the screen", {}, {}, "Xft.dpi:\t192\n", fhd, 1, false},
        {"KELVARO_SCALE 4 reduced to fit", "4", {}, "", qhd, 2, false},
        {"GDK_SCALE 9 capped at 4", {}, "9", "", gfx::Point{8000, 8000}, 4, false},
        {"another program's dpi key is not Xft.dpi", {}, {}, "Foo.Xft.dpi:\t192\n", k4, 1, false},
    };
    for (const Row& r : rows) {
        ScaleSources in{r.kelvaro, r.gdk, r.resources, r.screen, {759, 569}};
        platform::ScaleChoice c = ChooseScale(in);
        EXPECT_EQ(c.scale, r.scale) << r.what;
        EXPECT_EQ(!c.warning.empty(), r.warns) << r.what;
        EXPECT_EQ(c.warning.find('\n'), std::string::npos) << r.what;
    }
}

TEST(DisplayScale, MagnifiedRectangleDuplicatesPixelsAndLeavesTheRest) {
    gfx::Bitmap src(3, 2, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) src.SetRaw(x, y, 0xFF000000u | static_cast<uint32_t>(y * 3 + x + 1));
    gfx::Bitmap dst(6, 4, 0x00ABCDEF);
    platform::MagnifyRect(src, {1, 1, 3, 2}, 2, dst.Data(), 6 * 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 2 && y >= 2;
            EXPECT_EQ(dst.Raw(x, y), inside ? src.Raw(x / 2, y / 2) : 0xFF000000u | 0x00ABCDEF) << x << "," << y;
        }
    // Positions left of and above the window stay left and above.
    EXPECT_EQ(platform::ToLogical(-1, 2), -1);
    EXPECT_EQ(platform::ToLogical(1517, 2), 758);
}

}  // namespace
