#pragma once
#include <string>

namespace game { class GameWindow; }

namespace flow {

// The program folder followed directly by the literal, its backslash turned into "/".
std::string SoundPath(game::GameWindow& w, const char* literal);
void PlayHitSound(game::GameWindow& w);
void PlayLinkSound(game::GameWindow& w);
void PlayGameOverSound(game::GameWindow& w);
void PlayWinSound(game::GameWindow& w);

}  // namespace flow
