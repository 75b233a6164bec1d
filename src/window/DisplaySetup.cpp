#include "window/DisplaySetup.h"

#include <cstdio>

#include "platform/DisplayScale.h"
#include "ui/App.h"
#include "window/PictureStore.h"

namespace window {

namespace {

constexpr gfx::Point kMainWindowPixels{759, 569};

}  // namespace

void SetUpDisplay(ui::App& app, const HandPointer& hand) {
    platform::Backend& be = app.Backend();
    const platform::ScaleChoice choice = platform::ChooseScale(platform::GatherScaleSources(be, kMainWindowPixels));
    if (!choice.warning.empty()) std::fprintf(stderr, "%s\n", choice.warning.c_str());
    be.SetScale(choice.scale);
    be.SetPointerPicture(platform::Cursor::Hand, *hand.picture, hand.hotSpot);
}

}  // namespace window
