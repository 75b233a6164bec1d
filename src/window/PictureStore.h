#pragma once
// The hidden picture store: tile faces, the pause picture, the time bar and the
// banners, decoded from the pictures compiled into the program at start-up and
// kept to the end. The link line is filled in its
// colour directly, so its piece pictures are not loaded.
#include <array>
#include <memory>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace window {

struct PictureStore {
    std::array<std::shared_ptr<const gfx::Bitmap>, 50> Picture1;  // faces: f - 1 normal, f + 24 highlighted
    std::shared_ptr<const gfx::Bitmap> Picture3;                   // pause picture
    std::shared_ptr<const gfx::Bitmap> Picture4;                   // time bar
    std::array<std::shared_ptr<const gfx::Bitmap>, 2> Picture5;   // banners: game over, level cleared
};

// Decodes every picture of the store. Throws std::runtime_error naming a
// picture that is missing or cannot be decoded.
std::unique_ptr<const PictureStore> LoadForm2();

// The hand pointer of the board and the links: hand.png with the hot spot hand.txt
// gives ("hotspot X Y"; the top-left corner if it cannot be read).
struct HandPointer {
    std::shared_ptr<const gfx::Bitmap> picture;
    gfx::Point hotSpot;
};
HandPointer LoadHandPointer();

// A picture compiled into the program, by its path below assets/.
std::shared_ptr<const gfx::Bitmap> LoadAssetPicture(std::string_view name);

}  // namespace window
