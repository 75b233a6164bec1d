#pragma once
// One-channel sound player over SDL2_mixer. Everything that can fail (no audio
// device, missing or unreadable file) leaves it silent rather than reporting.
#include <map>
#include <string>

#include "platform/sdl/SdlHandles.h"

namespace platform::sdl {

class SdlSound {
public:
    SdlSound();  // opens the audio device if there is one
    ~SdlSound();
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    bool HasDevice() const { return open_; }
    // Halts whatever plays and starts this file; returns whether it is playing.
    bool Play(const std::string& path);

private:
    Mix_Chunk* Load(const std::string& path);

    bool subsystem_ = false;
    bool open_ = false;
    std::map<std::string, ChunkHandle> cache_;
};

}  // namespace platform::sdl
