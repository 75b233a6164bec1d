#pragma once
// Finds the installed font file for a face description (fontconfig).
#include <string>

#include "gfx/Font.h"

namespace gfx {

struct ResolvedFace {
    std::string family;   // installed family name
    std::string file;
    int index = 0;        // face index inside a collection
    bool cjk = false;     // stands in for a Chinese Windows face
    bool hasBold = false;   // the file itself is a bold face
    bool hasItalic = false; // the file itself is an italic/oblique face
};

// Throws std::runtime_error naming the face when nothing installed can show it.
ResolvedFace ResolveFace(const FontDesc& desc);

// An installed CJK face (used as a fallback for glyphs a Latin face lacks).
ResolvedFace ResolveCjkFace(const std::string& requested);

}  // namespace gfx
