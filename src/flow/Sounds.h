#pragma once
#include <string>

namespace flow {

// The program folder followed directly by the literal, its backslash turned into "/".
std::string SoundPath(const char* literal);
void PlayHitSound();
void PlayLinkSound();
void PlayGameOverSound();
void PlayWinSound();

}  // namespace flow
