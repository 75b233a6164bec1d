// The property store of the form data: defaults, case-insensitive keys,
// typed encodings and the text round trip.
#include <gtest/gtest.h>

#include "ui/PropertyBag.h"

namespace ui::test {

TEST(PropertyBagTest, ValueEqualToItsDefaultIsNotStoredAndRemovesAStoredOne) {
    PropertyBag bag;
    bag.WriteLong("CapAlign", 2, 2);
    EXPECT_FALSE(bag.Has("CapAlign"));
    EXPECT_EQ(bag.ReadLong("CapAlign", 2), 2);
    bag.WriteLong("CapAlign", 0, 2);
    EXPECT_EQ(bag.ReadLong("CapAlign", 2), 0);
    bag.WriteLong("CapAlign", 2, 2);
    EXPECT_FALSE(bag.Has("CapAlign"));
    // No default: always written, also when zero.
    bag.WriteLong("Mode", 0, std::nullopt);
    EXPECT_EQ(bag.ReadProperty("Mode"), "0");
}

TEST(PropertyBagTest, KeysMatchWithoutCase) {
    PropertyBag bag;
    bag.WriteColour("cBHover", 0x00C00000, 0x8000000F);
    EXPECT_EQ(bag.ReadColour("cBhover", 0), 0x00C00000u);
    bag.WriteColour("cBhover", 0x00FF0000, 0x8000000F);  // same key, other spelling
    EXPECT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.ReadColour("CBHOVER", 0), 0x00FF0000u);
    bag.WriteColour("CBHover", 0x8000000F, 0x8000000F);
    EXPECT_FALSE(bag.Has("cBHover"));
}

TEST(PropertyBagTest, TypedEncodings) {
    PropertyBag bag;
    bag.WriteColour("cFore", 0x80000012, std::nullopt);
    bag.WriteColour("cBack", 0x00C00000, std::nullopt);
    bag.WriteBool("Focus", false, true);
    bag.WriteBool("Value", true, std::nullopt);
    bag.WriteInteger("ImgSize", 48, 16);
    bag.WriteLong("Neg", -5, 0);
    EXPECT_EQ(bag.ReadProperty("cFore"), "&H80000012&");
    EXPECT_EQ(bag.ReadProperty("cBack"), "&H00C00000&");
    EXPECT_EQ(bag.ReadProperty("Focus"), "0");
    EXPECT_EQ(bag.ReadProperty("Value"), "-1");
    EXPECT_EQ(bag.ReadColour("cFore", 0), 0x80000012u);
    EXPECT_FALSE(bag.ReadBool("Focus", true));
    EXPECT_TRUE(bag.ReadBool("Value", false));
    EXPECT_EQ(bag.ReadInteger("ImgSize", 16), 48);
    EXPECT_EQ(bag.ReadLong("Neg", 0), -5);
    // What a hand-written form data file may hold.
    PropertyBag parsed = PropertyBag::Parse("Enabled = True\nX = &HFF&\nBad = twelve\n");
    EXPECT_TRUE(parsed.ReadBool("Enabled", false));
    EXPECT_EQ(parsed.ReadLong("X", 0), 255);
    EXPECT_EQ(parsed.ReadLong("Bad", 7), 7);
}

TEST(PropertyBagTest, FontsAndPictures) {
    PropertyBag bag;
    gfx::FontDesc simsun{"SimSun", 9.0, false, false, false, false};
    gfx::FontDesc bold{"SimSun", 14.25, true, true, false, true};
    bag.WriteFont("Font", bold, std::nullopt);
    EXPECT_EQ(bag.ReadProperty("Font"), "SimSun,14.25,700,1,0,1");
    EXPECT_EQ(bag.ReadFont("Font", simsun), bold);
    EXPECT_EQ(PropertyBag::ParseFont("SimSun,9,400,0,0,0"), simsun);
    EXPECT_FALSE(PropertyBag::ParseFont("SimSun,9"));
    EXPECT_EQ(bag.ReadFont("Missing", simsun), simsun);

    auto pic = std::make_shared<gfx::Bitmap>(3, 2, 0x00123456);
    pic->SetPixel(2, 1, 0x000000FF);
    bag.WritePicture("Image", pic);
    auto back = bag.ReadPicture("Image");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Width(), 3);
    EXPECT_EQ(back->GetPixel(0, 0), 0x00123456u);
    EXPECT_EQ(back->GetPixel(2, 1), 0x000000FFu);
    bag.WritePicture("Image", nullptr);
    EXPECT_FALSE(bag.Has("Image"));
    // Other values name a picture that the resolver supplies.
    bag.WriteProperty("mIcon", "hand", std::nullopt);
    EXPECT_EQ(bag.ReadPicture("mIcon"), nullptr);
    bag.SetPictureResolver([&](const std::string& n) { return n == "hand" ? pic : nullptr; });
    EXPECT_EQ(bag.ReadPicture("mIcon"), pic);
    bag.WriteProperty("Broken", "png:!!!", std::nullopt);
    EXPECT_EQ(bag.ReadPicture("Broken"), nullptr);
}

TEST(FormDataTest, SerializeAndParseRoundTrip) {
    FormData data;
    PropertyBag& b1 = data.Section("XPButton1");
    b1.WriteString("Caption", "重新载入", "");
    b1.WriteLong("BackStyle", 2, 0);
    b1.WriteColour("cBack", 0x8000000F, std::nullopt);
    b1.WriteFont("Font", {"SimSun", 9.0}, std::nullopt);
    PropertyBag& b6 = data.Section("XPButton6");
    b6.WriteString("Caption", "退出", "");
    b6.WriteColour("cFore", 0x000000FF, 0x80000012);
    b6.WriteLong("LockHover", 2, 0);

    std::string text = data.Serialize();
    FormData again = FormData::Parse("; form data\n" + text);
    ASSERT_EQ(again.Names(), (std::vector<std::string>{"XPButton1", "XPButton6"}));
    EXPECT_EQ(*again.Find("xpbutton1"), b1);
    EXPECT_EQ(*again.Find("XPButton6"), b6);
    EXPECT_EQ(again.Find("XPButton6")->ReadString("caption", ""), "退出");
    EXPECT_EQ(again.Serialize(), text);
    EXPECT_EQ(again.Find("XPButton9"), nullptr);
}

}  // namespace ui::test
