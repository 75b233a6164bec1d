#include "window/PictureStore.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>

#include "assets/Assets.h"
#include "gfx/Image.h"

namespace window {

HandPointer LoadHandPointer() {
    HandPointer hand{LoadAssetPicture("hand.png"), {}};
    auto bytes = assets::Find("hand.txt");
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string word;
    gfx::Point p;
    if (in >> word >> p.x >> p.y && word == "hotspot") hand.hotSpot = p;
    return hand;
}

std::unique_ptr<const PictureStore> LoadForm2() {
    auto s = std::make_unique<PictureStore>();
    char name[32];
    for (int f = 1; f <= 25; ++f) {
        std::snprintf(name, sizeof name, "tiles/face%02d.png", f);
        s->Picture1[f - 1] = LoadAssetPicture(name);
        std::snprintf(name, sizeof name, "tiles/face%02d_hi.png", f);
        s->Picture1[f + 24] = LoadAssetPicture(name);
    }
    s->Picture3 = LoadAssetPicture("pause.png");
    s->Picture4 = LoadAssetPicture("timebar.png");
    s->Picture5[0] = LoadAssetPicture("gameover.png");
    s->Picture5[1] = LoadAssetPicture("win.png");
    return s;
}

std::shared_ptr<const gfx::Bitmap> LoadAssetPicture(std::string_view name) {
    auto bytes = assets::Find(name);
    if (bytes.empty()) throw std::runtime_error("Kelvaro: the picture " + std::string(name) + " is missing");
    return std::make_shared<const gfx::Bitmap>(gfx::DecodePng(bytes.data(), bytes.size(), name));
}

}  // namespace window
