#include "platform/sdl/SdlInput.h"

#include "platform/Platform.h"

namespace platform::sdl {

int VirtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return kVkF1 + (key - SDLK_F1);
    switch (key) {
        case SDLK_BACKSPACE: return kVkBack;
        case SDLK_TAB: return kVkTab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return kVkReturn;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return kVkShift;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return kVkControl;
        case SDLK_LALT:
        case SDLK_RALT: return kVkMenu;
        case SDLK_ESCAPE: return kVkEscape;
        case SDLK_SPACE: return kVkSpace;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return kVkLeft;
        case SDLK_UP: return kVkUp;
        case SDLK_RIGHT: return kVkRight;
        case SDLK_DOWN: return kVkDown;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        default: return 0;
    }
}

int ShiftBitsOf(Uint16 mod) {
    int bits = 0;
    if (mod & KMOD_SHIFT) bits |= kShiftMask;
    if (mod & KMOD_CTRL) bits |= kCtrlMask;
    if (mod & KMOD_ALT) bits |= kAltMask;
    return bits;
}

int ButtonCodeOf(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return kLeftButton;
        case SDL_BUTTON_RIGHT: return kRightButton;
        case SDL_BUTTON_MIDDLE: return kMiddleButton;
        default: return 0;
    }
}

int ButtonMaskOf(Uint32 sdlState) {
    int mask = 0;
    if (sdlState & SDL_BUTTON_LMASK) mask |= kLeftButton;
    if (sdlState & SDL_BUTTON_RMASK) mask |= kRightButton;
    if (sdlState & SDL_BUTTON_MMASK) mask |= kMiddleButton;
    return mask;
}

std::vector<char32_t> DecodeUtf8(const std::string& text) {
    std::vector<char32_t> out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!ok) { ++i; continue; }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

}  // namespace platform::sdl
