// The sound player: a missing or unreadable file, or no audio device, is silent
// and harmless; a good file plays and a new sound replaces the one playing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/sdl/SdlSound.h"

namespace {

class SdlSoundTest : public ::testing::Test {
protected:
    // The dummy driver gives a device on any machine, with nothing to hear.
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }
    std::string Asset(const char* name) { return std::string(KELVARO_ASSETS_DIR) + "/" + name; }
};

TEST_F(SdlSoundTest, GoodFilesPlayAndMissingOrBrokenOnesAreSilent) {
    platform::sdl::SdlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    EXPECT_TRUE(sound.Play(Asset("hit.wav")));
    EXPECT_TRUE(sound.Play(Asset("and.wav")));  // halts hit.wav and starts
    EXPECT_FALSE(sound.Play("/nonexistent/folder/gamewin.wav"));
    std::string broken = testing::TempDir() + "/broken.wav";
    std::ofstream(broken) << "RIFF but not really a wave file";
    EXPECT_FALSE(sound.Play(broken));
    EXPECT_TRUE(sound.Play(Asset("gameover.wav")));
}

TEST_F(SdlSoundTest, WithoutAnAudioDeviceEverythingIsSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::sdl::SdlSound sound;
    EXPECT_FALSE(sound.HasDevice());
    EXPECT_FALSE(sound.Play(Asset("hit.wav")));
    EXPECT_FALSE(sound.Play("/nonexistent/hit.wav"));
}

}  // namespace
