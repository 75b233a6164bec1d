#pragma once
// The button's colour arithmetic: lightening and darkening with the odd
// divisors (255 and 65280) the skins were tuned with, so a shift by 0 still
// raises green and blue a little.
#include <cstdint>
#include <vector>

#include "gfx/Colour.h"

namespace widgets {

// Shifts each channel of the RGB colour c by delta. blueScaled scales the blue
// change by blue/192; avoidExtremes retries with the delta negated (0 becomes 64)
// while the result is pure black or white and leaves the final delta in `delta`;
// invert turns each channel into 255 minus it.
gfx::Colour ShiftColor(gfx::Colour c, int16_t& delta, bool blueScaled, bool avoidExtremes, bool invert);

// The plain and the blue-scaled shift.
gfx::Colour S(gfx::Colour c, int delta);
gfx::Colour Sb(gfx::Colour c, int delta);

// Colours of `bands` bands running from `from` to `to`; band 0 is `from` exactly.
std::vector<gfx::Colour> BlendColors(int bands, gfx::Colour from, gfx::Colour to);

}  // namespace widgets
