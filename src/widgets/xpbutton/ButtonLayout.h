#pragma once
// Placement of caption and picture on the button (LayoutContent's arithmetic).
#include <functional>
#include <string>

#include "gfx/Geometry.h"
#include "widgets/xpbutton/ButtonModel.h"

namespace widgets {

// Horizontal room for the content: A (available width), X (left offset), limit.
struct HorizontalExtent {
    int available = 0;
    int leftOffset = 0;
    int limit = 0;
};

HorizontalExtent ContentExtent(int shape, int left, int right, int sw);

// Width x height of the display text when word-broken within maxWidth.
using MeasureFn = std::function<gfx::Size(const std::string& text, int maxWidth, int maxHeight)>;

// Caption and picture rectangles, clamped to the 6-pixel margins.
ContentLayout ComputeLayout(const ButtonProperties& p, int left, int right, int sw, int sh, const MeasureFn& measure);

}  // namespace widgets
