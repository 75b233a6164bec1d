#pragma once
// The data a button paints from: its persisted properties, the surface values
// it shares with the host, the derived colours and the layout results.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/Font.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace widgets {

// A colour argument that may be "none" (-1), as the drawing routines pass them.
using ColourArg = int32_t;
constexpr ColourArg kNoColour = -1;

constexpr gfx::Colour kSysButtonFace = 0x8000000F;
constexpr gfx::Colour kSysButtonText = 0x80000012;

struct ButtonPicture {
    std::shared_ptr<const gfx::Bitmap> image;
    bool icon = false;  // icons keep their own transparency; bitmaps key on the top-left pixel
    bool Present() const { return image && !image->Empty(); }
};

struct ButtonProperties {
    std::string caption;
    int32_t captionAlign = 2;
    int32_t captionStyle = 0;
    int32_t buttonStyle = 0;
    int32_t buttonShape = 0;
    bool showFocusRect = true;
    gfx::Colour hoverBackColor = kSysButtonFace;
    gfx::Colour hoverForeColor = kSysButtonText;
    int32_t hoverColorLocks = 0;
    int32_t gradientMode = 0;
    gfx::Colour gradientColor = 0;
    int32_t mode = 0;
    bool value = false;
    ButtonPicture picture;
    int32_t pictureAlign = 0;
    int16_t pictureSize = 16;  // pixels
    gfx::Colour backColor = 0xF0F0F0;  // stored resolved
    // Held by the control surface rather than the instance.
    gfx::Colour foreColor = kSysButtonText;
    bool enabled = true;
    gfx::FontDesc font;
    int16_t mousePointer = 0;
    std::shared_ptr<const gfx::Bitmap> mouseIcon;
};

struct DerivedColours {
    gfx::Colour face = 0;
    gfx::Colour pushedFace = 0;
    gfx::Colour hoverFace = 0;
    gfx::Colour checkedFace = 0;
};

// Face, pushed, hover and checked colours by style.
DerivedColours DeriveColours(const ButtonProperties& p);

struct ContentLayout {
    gfx::Rect caption;
    gfx::Rect picture;
};

}  // namespace widgets
