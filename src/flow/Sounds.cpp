#include "flow/Sounds.h"

#include "game/GameWindow.h"
#include "platform/ProgramFolder.h"
#include "ui/App.h"

namespace flow {

std::string SoundPath(game::GameWindow& w, const char* literal) { return platform::ProgramPath(w.ProgramFolder(), literal); }

namespace {

void Play(game::GameWindow& w, const char* literal) {
    w.app.Backend().PlaySound(SoundPath(w, literal));
}

}  // namespace

void PlayHitSound(game::GameWindow& w) { Play(w, "\\hit.wav"); }
void PlayLinkSound(game::GameWindow& w) { Play(w, "\\and.wav"); }
void PlayGameOverSound(game::GameWindow& w) { Play(w, "\\gameover.wav"); }
void PlayWinSound(game::GameWindow& w) { Play(w, "\\gamewin.wav"); }

}  // namespace flow
