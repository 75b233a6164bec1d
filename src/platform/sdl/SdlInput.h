#pragma once
// Translation of SDL input codes into the program's own: virtual-key codes,
// button codes 1 left / 2 right / 4 middle, and shift bits.
#include <SDL.h>

#include <string>
#include <vector>

namespace platform::sdl {

// The virtual-key code of an SDL key, or 0 for keys the program has no code for.
int VirtualKeyOf(SDL_Keycode key);
// Shift/ctrl/alt bits of an SDL modifier state.
int ShiftBitsOf(Uint16 mod);
// The button code of one SDL button (0 for wheel tilt and extra buttons).
int ButtonCodeOf(Uint8 sdlButton);
// The button codes held in an SDL button mask.
int ButtonMaskOf(Uint32 sdlState);
// The code points of UTF-8 text; malformed bytes are skipped.
std::vector<char32_t> DecodeUtf8(const std::string& text);

}  // namespace platform::sdl
