#pragma once
// Colours at every API are the Windows 32-bit values: 0x00BBGGRR, or
// 0x80000000 plus a system-colour index.
#include <cstdint>

namespace gfx {

using Colour = uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }

// System colour indexes used by the program.
enum SystemColourIndex : int {
    kColorScrollbar = 0, kColorBackground = 1, kColorActiveCaption = 2, kColorInactiveCaption = 3,
    kColorMenu = 4, kColorWindow = 5, kColorWindowFrame = 6, kColorMenuText = 7,
    kColorWindowText = 8, kColorCaptionText = 9, kColorActiveBorder = 10, kColorInactiveBorder = 11,
    kColorAppWorkspace = 12, kColorHighlight = 13, kColorHighlightText = 14, kColorBtnFace = 15,
    kColorBtnShadow = 16, kColorGrayText = 17, kColorBtnText = 18, kColorInactiveCaptionText = 19,
    kColorBtnHighlight = 20, kColor3dDkShadow = 21, kColor3dLight = 22, kColorInfoText = 23,
    kColorInfoBk = 24,
};

// A plain colour unchanged; a system colour looked up in the table of the usual values.
Colour ResolveColor(Colour c);

}  // namespace gfx
