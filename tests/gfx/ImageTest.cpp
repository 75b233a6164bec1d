#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "gfx/Image.h"

using gfx::Bitmap;

TEST(ImageTest, PngRoundTripKeepsColourAndOpacity) {
    Bitmap b(3, 2, 0x123456);
    b.SetRaw(1, 0, 0x80FF0000u);  // half-transparent blue
    b.SetRaw(2, 1, 0x000000FFu);  // fully transparent red
    const std::vector<unsigned char> png = gfx::EncodePng(b);
    const Bitmap back = gfx::DecodePng(png.data(), png.size(), "roundtrip.png");
    ASSERT_EQ(back.Width(), 3);
    ASSERT_EQ(back.Height(), 2);
    EXPECT_EQ(back.Raw(0, 0), 0xFF123456u);
    EXPECT_EQ(back.Raw(1, 0), 0x80FF0000u);
    EXPECT_EQ(back.Raw(2, 1), 0x000000FFu);

    const std::string path = ::testing::TempDir() + "gfx_roundtrip.png";
    gfx::SavePng(b, path);
    EXPECT_EQ(gfx::LoadPng(path).Raw(0, 1), 0xFF123456u);
    std::remove(path.c_str());
}

TEST(ImageTest, ErrorsNameThePicture) {
    Bitmap b(4, 4, 0);
    std::vector<unsigned char> png = gfx::EncodePng(b);
    png.resize(png.size() / 2);  // truncated
    try {
        gfx::DecodePng(png.data(), png.size(), "tiles/face07.png");
        FAIL() << "truncated PNG decoded";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("tiles/face07.png"), std::string::npos) << e.what();
    }
    const unsigned char junk[] = "GIF89a not a png at all";
    EXPECT_THROW(gfx::DecodePng(junk, sizeof junk, "junk"), std::runtime_error);
    try {
        gfx::LoadPng("/nonexistent/dir/pause.png");
        FAIL() << "missing file loaded";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/pause.png"), std::string::npos);
    }
}

// A header that claims a huge picture is refused before anything is allocated
// (found while fuzzing the loader: it ran out of memory).
TEST(ImageTest, HugeClaimedSizeIsRefused) {
    std::vector<unsigned char> png = gfx::EncodePng(Bitmap(1, 1, 0));
    auto crc32 = [](const unsigned char* p, size_t n) {
        uint32_t c = 0xFFFFFFFFu;
        for (size_t i = 0; i < n; ++i) {
            c ^= p[i];
            for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
        }
        return ~c;
    };
    for (int i : {16, 20}) {  // IHDR width and height, big-endian: 100000
        png[i] = 0;
        png[i + 1] = 0x01;
        png[i + 2] = 0x86;
        png[i + 3] = 0xA0;
    }
    const uint32_t crc = crc32(&png[12], 17);  // "IHDR" and its 13 bytes
    for (int k = 0; k < 4; ++k) png[29 + k] = static_cast<unsigned char>(crc >> (24 - 8 * k));
    try {
        gfx::DecodePng(png.data(), png.size(), "bomb.png");
        FAIL() << "a 100000 x 100000 picture was decoded";
    } catch (const std::runtime_error& e) {
        // libpng itself refuses it too, but only after the 40 GB buffer was made.
        EXPECT_EQ(std::string(e.what()), "cannot decode picture \"bomb.png\": the picture is too large");
    }
}
