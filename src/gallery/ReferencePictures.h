#pragma once
// The gallery's reference pictures: every style x shape in each visual state,
// and the panels, drawn by the real gallery on the headless backend and cut
// from its window. A digest of each picture's pixels is kept with the tests.
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace gallery {

struct ReferencePicture {
    std::string name;  // file name without ".png"
    gfx::Bitmap pixels;
};

// The states of a grid button, in picture order.
extern const std::vector<std::string> kButtonStates;

// Every reference picture, in a fixed order. `window` gets the whole gallery as drawn.
std::vector<ReferencePicture> RenderReferencePictures(gfx::Bitmap* window = nullptr);

// FNV-1a over the size and the pixels: the same pixels give the same digest on every build.
uint64_t PixelDigest(const gfx::Bitmap& b);
// "name digest" lines, one per picture.
std::string DigestText(const std::vector<ReferencePicture>& pictures);

// The window above a table of the grid: one row per style and shape, one column per state.
gfx::Bitmap ContactSheet(const std::vector<ReferencePicture>& pictures, const gfx::Bitmap& window);

// --render DIR: writes every picture as DIR/<name>.png, DIR/digests.txt and
// DIR/contact-sheet.png. Returns false with *error when a file cannot be written.
bool RenderToFolder(const std::string& dir, std::string* error);

}  // namespace gallery
