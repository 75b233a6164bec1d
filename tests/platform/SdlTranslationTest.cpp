// The SDL backend's pure parts: code translation and pixel conversion. These need
// no display.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ProgramFolder.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlPixels.h"

namespace platform::sdl {
namespace {

TEST(SdlInput, KeysBecomeVirtualKeyCodes) {
    EXPECT_EQ(VirtualKeyOf(SDLK_RETURN), 13);
    EXPECT_EQ(VirtualKeyOf(SDLK_KP_ENTER), 13);
    EXPECT_EQ(VirtualKeyOf(SDLK_ESCAPE), 27);
    EXPECT_EQ(VirtualKeyOf(SDLK_SPACE), 32);
    EXPECT_EQ(VirtualKeyOf(SDLK_LSHIFT), 16);
    EXPECT_EQ(VirtualKeyOf(SDLK_RSHIFT), 16);
    EXPECT_EQ(VirtualKeyOf(SDLK_TAB), 9);
    EXPECT_EQ(VirtualKeyOf(SDLK_LEFT), 37);
    EXPECT_EQ(VirtualKeyOf(SDLK_UP), 38);
    EXPECT_EQ(VirtualKeyOf(SDLK_RIGHT), 39);
    EXPECT_EQ(VirtualKeyOf(SDLK_DOWN), 40);
    EXPECT_EQ(VirtualKeyOf(SDLK_F1), 112);
    EXPECT_EQ(VirtualKeyOf(SDLK_F12), 123);
    EXPECT_EQ(VirtualKeyOf(SDLK_a), 'A');
    EXPECT_EQ(VirtualKeyOf(SDLK_y), 'Y');
    EXPECT_EQ(VirtualKeyOf(SDLK_0), '0');
    EXPECT_EQ(VirtualKeyOf(SDLK_9), '9');
    EXPECT_EQ(VirtualKeyOf(SDLK_VOLUMEUP), 0);
}

TEST(SdlInput, ButtonsAndModifiers) {
    EXPECT_EQ(ButtonCodeOf(SDL_BUTTON_LEFT), 1);
    EXPECT_EQ(ButtonCodeOf(SDL_BUTTON_RIGHT), 2);
    EXPECT_EQ(ButtonCodeOf(SDL_BUTTON_MIDDLE), 4);
    EXPECT_EQ(ButtonCodeOf(SDL_BUTTON_X1), 0);
    EXPECT_EQ(ButtonMaskOf(SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), 3);
    EXPECT_EQ(ButtonMaskOf(SDL_BUTTON_MMASK | SDL_BUTTON_X2MASK), 4);
    EXPECT_EQ(ShiftBitsOf(KMOD_RSHIFT), 1);
    EXPECT_EQ(ShiftBitsOf(KMOD_LCTRL | KMOD_RALT), 6);
    EXPECT_EQ(ShiftBitsOf(KMOD_NUM | KMOD_CAPS), 0);
}

TEST(SdlInput, Utf8TextDecodesToCodePoints) {
    EXPECT_EQ(DecodeUtf8("y"), (std::vector<char32_t>{U'y'}));
    EXPECT_EQ(DecodeUtf8("\xE4\xB8\x8B\xC3\xA9"), (std::vector<char32_t>{U'下', U'é'}));
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), (std::vector<char32_t>{U'\U0001F600'}));
    EXPECT_EQ(DecodeUtf8("a\xE4\xB8"), (std::vector<char32_t>{U'a'}));  // cut short
    EXPECT_EQ(DecodeUtf8("\x80z"), (std::vector<char32_t>{U'z'}));
}

TEST(SdlPixels, FramebufferColoursReachTheSurfaceFormatAtEveryScale) {
    gfx::Bitmap frame(3, 2, gfx::Rgb(0x12, 0x34, 0x56));
    frame.SetPixel(1, 0, gfx::Rgb(255, 0, 0));
    for (int k : {1, 2, 3})
        for (Uint32 format :
             {SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_BGR888, SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_RGB24}) {
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 3 * k, 2 * k, 32, format);
            ASSERT_NE(s, nullptr) << SDL_GetPixelFormatName(format);
            SDL_FillRect(s, nullptr, 0);
            CopyToSurface(frame, s, gfx::Rect{1, 0, 3, 2}, k);
            auto at = [&](int x, int y) {
                Uint32 v = 0;
                memcpy(&v, static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                       s->format->BytesPerPixel);
                Uint8 r, g, b;
                SDL_GetRGB(v, s->format, &r, &g, &b);
                return gfx::Rgb(r, g, b);
            };
            const std::string what = std::string(SDL_GetPixelFormatName(format)) + " at " + std::to_string(k);
            const bool wide = s->format->BitsPerPixel >= 24;
            // Every screen pixel of a framebuffer pixel's k x k block.
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx) {
                    EXPECT_EQ(at(k + dx, dy), gfx::Rgb(255, 0, 0)) << what;
                    if (wide) {
                        EXPECT_EQ(at(2 * k + dx, k + dy), gfx::Rgb(0x12, 0x34, 0x56)) << what;
                    }
                    EXPECT_EQ(at(dx, k + dy), 0u) << what << ": left of the rectangle untouched";
                }
            SDL_FreeSurface(s);
        }
}

TEST(SdlPixels, IconSurfaceKeepsColourAndOpacity) {
    gfx::Bitmap icon(2, 1, gfx::Rgb(1, 2, 3));
    icon.SetRaw(1, 0, 0x80332211u);
    SDL_Surface* s = SurfaceOf(icon);
    ASSERT_NE(s, nullptr);
    Uint8 r, g, b, a;
    SDL_GetRGBA(static_cast<Uint32*>(s->pixels)[0], s->format, &r, &g, &b, &a);
    EXPECT_EQ((std::array<int, 4>{r, g, b, a}), (std::array<int, 4>{1, 2, 3, 255}));
    SDL_GetRGBA(static_cast<Uint32*>(s->pixels)[1], s->format, &r, &g, &b, &a);
    EXPECT_EQ((std::array<int, 4>{r, g, b, a}), (std::array<int, 4>{0x11, 0x22, 0x33, 0x80}));
    SDL_FreeSurface(s);
}

TEST(ProgramFolder, IsTheFolderOfThisTestBinary) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(ProgramPath(folder, "\\hit.wav"), folder + "/hit.wav");
}

TEST(ProgramFolder, BesideTheExecutableFirstThenTheInstalledShareFolder) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(::testing::TempDir()) / "kelvaro-folder-test";
    fs::remove_all(root);
    const fs::path bin = root / "usr" / "bin", share = root / "usr" / "share" / "kelvaro";
    fs::create_directories(bin);
    fs::create_directories(share);
    EXPECT_EQ(ProgramFolderFor(bin.string()), bin.string());  // found nowhere
    std::ofstream(share / "help.html") << "installed";
    EXPECT_EQ(ProgramFolderFor(bin.string()), share.string());
    std::ofstream(bin / "help.html") << "build tree";
    EXPECT_EQ(ProgramFolderFor(bin.string()), bin.string());
    fs::remove_all(root);
}

TEST(ProgramFolder, LiteralsFollowTheFolderWithOneSeparator) {
    EXPECT_EQ(ProgramPath("/opt/kelvaro", "\\and.wav"), "/opt/kelvaro/and.wav");
    // A program at the root: the literal's own separator is the only one.
    EXPECT_EQ(ProgramPath("/", "\\help.html"), "/help.html");
    EXPECT_EQ(ProgramPath("", "\\help.html"), "/help.html");
}

}  // namespace
}  // namespace platform::sdl
