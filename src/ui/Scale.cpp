#include "ui/Scale.h"

#include <cmath>

namespace ui {

float PixelsToScale(int pixels, ScaleMode mode) {
    return mode == ScaleMode::Twips ? static_cast<float>(pixels) * kTwipsPerPixel : static_cast<float>(pixels);
}

int ScaleToPixels(float value, ScaleMode mode) {
    double px = mode == ScaleMode::Twips ? static_cast<double>(value) / kTwipsPerPixel : value;
    return static_cast<int>(std::lround(px));
}

}  // namespace ui
