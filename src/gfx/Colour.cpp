#include "gfx/Colour.h"

#include <array>

namespace gfx {

namespace {

// The usual desktop values of the system colours, indexed by SystemColourIndex.
constexpr std::array<Colour, 31> kSystemColours = {
    0xC8C8C8,  // scroll bar
    0x000000,  // desktop background
    0xD1B499,  // active caption
    0xDBCDBF,  // inactive caption
    0xF0F0F0,  // menu
    0xFFFFFF,  // window
    0x646464,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0x000000,  // caption text
    0xB4B4B4,  // active border
    0xFCF7F4,  // inactive border
    0xABABAB,  // application workspace
    0xD77800,  // highlight
    0xFFFFFF,  // highlight text
    0xF0F0F0,  // button face
    0xA0A0A0,  // button shadow (3D shadow)
    0x6D6D6D,  // gray text
    0x000000,  // button text
    0x000000,  // inactive caption text
    0xFFFFFF,  // button highlight (3D highlight)
    0x696969,  // 3D dark shadow
    0xE3E3E3,  // 3D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0xB5B5B5,  // (unused slot 25)
    0xCC6600,  // hot-track
    0xEAD1B9,  // gradient active caption
    0xF2E4D7,  // gradient inactive caption
    0xFF9933,  // menu highlight
    0xF0F0F0,  // menu bar
};

}  // namespace

Colour ResolveColor(Colour c) {
    if (!IsSystemColour(c)) return c;
    const unsigned index = c & 0xFF;
    return index < kSystemColours.size() ? kSystemColours[index] : 0;
}

}  // namespace gfx
