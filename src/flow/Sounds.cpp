#include "flow/Sounds.h"

#include "game/GameControls.h"
#include "platform/ProgramFolder.h"
#include "ui/App.h"

namespace flow {

std::string SoundPath(const char* literal) { return platform::ProgramPath(game::gameControls.programFolder, literal); }

namespace {

void Play(const char* literal) {
    if (ui::App* app = game::gameControls.app) app->Backend().PlaySound(SoundPath(literal));
}

}  // namespace

void PlayHitSound() { Play("\\hit.wav"); }
void PlayLinkSound() { Play("\\and.wav"); }
void PlayGameOverSound() { Play("\\gameover.wav"); }
void PlayWinSound() { Play("\\gamewin.wav"); }

}  // namespace flow
