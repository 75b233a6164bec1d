#include <gtest/gtest.h>

#include "gfx/Canvas.h"
#include "gfx/TextLayout.h"

using namespace gfx;

namespace {

std::shared_ptr<Font> Song9() { return Font::Create({"SimSun", 9}); }

// Bounding box of the pixels that differ from the background.
Rect Ink(const Bitmap& b, Colour background) {
    Rect r{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != background)
                r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
}

Rect InkOf(const std::string& text, Rect box, unsigned flags, std::shared_ptr<Font> font = Song9()) {
    Bitmap b(box.right + 20, box.bottom + 20, 0xFFFFFF);
    Canvas c(b);
    c.SetFont(font);
    c.DrawText(text, box, flags);
    return Ink(b, 0xFFFFFF);
}

}  // namespace

// exit() during a run destroys statics in reverse order: a font kept by
// something built before the first font (the main form) is released after
// FreeType's own statics, and must still find its library then.
TEST(FontTest, FontReleasedLateInExitFindsItsLibrary) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: no font made yet
    EXPECT_EXIT(
        {
            static std::shared_ptr<Font> keptByAnEarlierStatic;
            keptByAnEarlierStatic = Font::Create({"DejaVu Sans", 9});
            keptByAnEarlierStatic->GetGlyph(U'A');
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}

TEST(FontTest, PointSizesInPixels) {
    EXPECT_EQ(PointsToPixels(9), 12);
    EXPECT_EQ(PointsToPixels(10.5), 14);
    EXPECT_EQ(PointsToPixels(14.25), 19);
    EXPECT_EQ(Font::Create({"宋体", 14.25, true})->PixelSize(), 19);
    EXPECT_EQ(Font::Create({"宋体", 10.5, true})->LineHeight(), 14);
}

TEST(FontTest, ChineseFacesResolveToAFaceWithTheGlyphs) {
    for (const char* name : {"SimSun", "宋体", "No Such Face 123"}) {
        auto f = Font::Create({name, 9});
        EXPECT_TRUE(f->HasGlyph(U'宋')) << name << " -> " << f->FamilyName();
        EXPECT_TRUE(f->HasGlyph(U'载')) << name;
        EXPECT_EQ(f->LineHeight(), 12);
    }
    auto latin = Font::Create({"DejaVu Sans", 9});
    EXPECT_EQ(latin->FamilyName(), "DejaVu Sans");
    // A Latin face still draws Chinese through its fallback.
    EXPECT_FALSE(latin->GetGlyph(U'关').coverage.empty());
    // The same description shares one font and its glyph cache.
    EXPECT_EQ(Font::Create({"SimSun", 9}).get(), Song9().get());
}

TEST(FontTest, SyntheticBoldIsWiderAndInkier) {
    auto regular = Font::Create({"SimSun", 14.25});
    auto bold = Font::Create({"SimSun", 14.25, true});
    EXPECT_EQ(bold->Advance(U'第'), regular->Advance(U'第') + 1);
    auto ink = [](const Glyph& g) {
        int n = 0;
        for (uint8_t v : g.coverage) n += v > 127;
        return n;
    };
    EXPECT_GT(ink(bold->GetGlyph(U'第')), ink(regular->GetGlyph(U'第')));
}

TEST(TextTest, PrefixProcessing) {
    PrefixedText p = ProcessPrefix(U"&Pause");
    EXPECT_EQ(p.text, U"Pause");
    EXPECT_EQ(p.underline, 0);
    p = ProcessPrefix(U"A&&B&");
    EXPECT_EQ(p.text, U"A&B");
    EXPECT_EQ(p.underline, -1);
    p = ProcessPrefix(U"退出(&X)");
    EXPECT_EQ(p.text, U"退出(X)");
    EXPECT_EQ(p.underline, 3);

    auto f = Song9();
    Bitmap b(100, 40, 0xFFFFFF);
    Canvas c(b);
    c.SetFont(f);
    EXPECT_EQ(c.MeasureText("A&&B", 100, kDtSingleLine).width, f->MeasureWidth(U"A&B"));
    EXPECT_EQ(c.MeasureText("A&&B", 100, kDtSingleLine | kDtNoPrefix).width, f->MeasureWidth(U"A&&B"));
    // The access key is underlined across its advance, one row below the baseline.
    Rect r{0, 0, 100, 40};
    c.DrawText("&X", r, 0);
    const int row = f->Ascent() + f->UnderlinePosition();
    EXPECT_EQ(b.GetPixel(0, row), 0u);
    EXPECT_EQ(b.GetPixel(f->Advance(U'X') - 1, row), 0u);
    EXPECT_EQ(b.GetPixel(f->Advance(U'X'), row), 0xFFFFFFu);
}

TEST(TextTest, MeasuringAndWrapping) {
    Bitmap b(10, 10);
    Canvas c(b);
    c.SetFont(Song9());
    EXPECT_EQ(c.MeasureText("重新载入", 200, kDtWordBreak), (Size{48, 12}));
    // Chinese breaks between any two characters.
    EXPECT_EQ(c.MeasureText("官方网站", 30, kDtWordBreak), (Size{24, 24}));
    EXPECT_EQ(c.MeasureText("官方网站", 30, kDtSingleLine), (Size{48, 12}));
    EXPECT_EQ(c.MeasureText("官方网站", 30, 0), (Size{48, 12}));  // no word break: one line
    // Latin breaks only at blanks; a long word keeps its own line.
    const Font& f = *Song9();
    const int aa = f.MeasureWidth(U"aaaa");
    EXPECT_EQ(c.MeasureText("aaaa aaaa", aa + 2, kDtWordBreak), (Size{aa, 24}));
    EXPECT_EQ(c.MeasureText("aaaa aaaa", 2, kDtWordBreak), (Size{aa, 24}));
    EXPECT_EQ(c.MeasureText("aaaa aaaa", 1000, kDtWordBreak).height, 12);
    // Explicit breaks, CR LF counted once, empty lines kept.
    EXPECT_EQ(c.MeasureText("关\r\n于", 200, 0), (Size{12, 24}));
    EXPECT_EQ(c.MeasureText("关\n\n于", 200, kDtWordBreak), (Size{12, 36}));
    Rect r{5, 7, 205, 7};
    EXPECT_EQ(c.DrawText("关于", r, kDtCalcRect), 12);
    EXPECT_EQ(r, (Rect{5, 7, 29, 19}));
    EXPECT_EQ(b.GetPixel(5, 7), 0xFFFFFFu);  // measuring draws nothing
}

TEST(TextTest, AlignmentMovesTheInk) {
    const Rect box{10, 5, 90, 38};
    const Rect left = InkOf("关于", box, kDtSingleLine);
    const Rect centre = InkOf("关于", box, kDtSingleLine | kDtCenter);
    const Rect right = InkOf("关于", box, kDtSingleLine | kDtRight);
    ASSERT_FALSE(left.Empty());
    EXPECT_GE(left.left, 10);
    EXPECT_EQ(centre.left - left.left, (80 - 24) / 2);
    EXPECT_EQ(right.left - left.left, 80 - 24);
    EXPECT_EQ(centre.top, left.top);
    const Rect middle = InkOf("关于", box, kDtSingleLine | kDtVCenter);
    EXPECT_EQ(middle.top - left.top, (33 - 12) / 2);
    // Lines of a wrapped caption are centred one by one.
    const Rect two = InkOf("官方网站", {0, 0, 30, 40}, kDtWordBreak | kDtCenter);
    EXPECT_EQ(two.left, InkOf("官方", {0, 0, 30, 40}, kDtWordBreak | kDtCenter).left);
    EXPECT_GT(two.bottom, 12);
    // Text is clipped to its rectangle.
    const Rect clipped = InkOf("官方网站", {0, 0, 18, 12}, kDtSingleLine);
    EXPECT_LE(clipped.right, 18);
}

TEST(TextTest, TextOutUsesColourAndBackgroundMode) {
    Bitmap b(60, 20, 0xFFFFFF);
    Canvas c(b);
    c.SetFont(Song9());
    c.SetTextColour(0x0000FF);
    c.TextOut(2, 3, "暂停");
    const Rect ink = Ink(b, 0xFFFFFF);
    EXPECT_GE(ink.left, 2);
    EXPECT_GE(ink.top, 3);
    EXPECT_LE(ink.bottom, 15);
    bool red = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) red = red || b.GetPixel(x, y) == 0x0000FFu;
    EXPECT_TRUE(red);
    c.SetTextTransparent(false);
    c.SetTextBackground(0x00FF00);
    c.TextOut(30, 3, "停");
    EXPECT_EQ(b.GetPixel(30, 3), 0x00FF00u);
    EXPECT_EQ(b.GetPixel(41, 14), 0x00FF00u);
    EXPECT_EQ(b.GetPixel(42, 14), 0xFFFFFFu);
}
