#include "window/DisplaySetup.h"

#include <cstdio>
#include <sstream>
#include <string>

#include "assets/Assets.h"
#include "platform/DisplayScale.h"
#include "ui/App.h"
#include "window/PictureStore.h"

namespace window {

namespace {

constexpr gfx::Point kMainWindowPixels{759, 569};

// "hotspot X Y" of hand.txt; the picture's top-left corner if it cannot be read.
gfx::Point HandHotSpot() {
    auto bytes = assets::Find("hand.txt");
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::string word;
    gfx::Point p;
    if (!(in >> word >> p.x >> p.y) || word != "hotspot") return {};
    return p;
}

}  // namespace

void SetUpDisplay(ui::App& app) {
    platform::Backend& be = app.Backend();
    const platform::ScaleChoice choice = platform::ChooseScale(platform::GatherScaleSources(be, kMainWindowPixels));
    if (!choice.warning.empty()) std::fprintf(stderr, "%s\n", choice.warning.c_str());
    be.SetScale(choice.scale);
    if (auto hand = LoadAssetPicture("hand.png")) be.SetPointerPicture(platform::Cursor::Hand, *hand, HandHotSpot());
}

}  // namespace window
