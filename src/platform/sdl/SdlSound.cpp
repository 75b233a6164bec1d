#include "platform/sdl/SdlSound.h"

namespace platform::sdl {

namespace {
constexpr int kChannel = 0;
}

SdlSound::SdlSound() {
    // Audio is optional: a machine without a device still runs the game.
    subsystem_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!subsystem_) return;
    open_ = Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) == 0;
    if (open_) Mix_AllocateChannels(1);
}

SdlSound::~SdlSound() {
    if (open_) {
        Mix_HaltChannel(-1);
        cache_.clear();  // chunks go before the device
        Mix_CloseAudio();
    }
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* SdlSound::Load(const std::string& path) {
    auto it = cache_.find(path);
    if (it != cache_.end()) return it->second.get();
    ChunkHandle chunk(Mix_LoadWAV(path.c_str()));
    if (!chunk) return nullptr;  // not cached: the file may appear later
    return cache_.emplace(path, std::move(chunk)).first->second.get();
}

bool SdlSound::Play(const std::string& path) {
    if (!open_) return false;  // Mix_LoadWAV fails without a device anyway
    Mix_HaltChannel(kChannel);
    Mix_Chunk* chunk = Load(path);
    return chunk && Mix_PlayChannel(kChannel, chunk, 0) == kChannel;
}

}  // namespace platform::sdl
