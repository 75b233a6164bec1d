#include "widgets/xpbutton/ColorShift.h"

#include <algorithm>
#include <cmath>

namespace widgets {

namespace {

// Round to nearest, halves to even, as the 16-bit integer conversion does.
int16_t RoundEven(double v) { return static_cast<int16_t>(std::nearbyint(v)); }

int Clamp255(int v) { return std::clamp(v, 0, 255); }

gfx::Colour ShiftOnce(gfx::Colour c, int16_t d, bool blueScaled, bool invert) {
    int red = static_cast<int>(c & 0xFF) + d;
    int green = RoundEven(static_cast<double>(c & 0xFF00) / 255.0 + d);
    int blue;
    if (blueScaled) {
        int blue0 = RoundEven(static_cast<double>(c & 0xFF0000) / 65280.0);
        blue = blue0 + (d * blue0) / 192;  // C++ division truncates toward zero
    } else {
        blue = RoundEven(static_cast<double>(c & 0xFF0000) / 65280.0 + d);
    }
    red = Clamp255(red);
    green = Clamp255(green);
    blue = Clamp255(blue);
    if (invert) {
        red = 255 - red;
        green = 255 - green;
        blue = 255 - blue;
    }
    return static_cast<gfx::Colour>(red + green * 256 + blue * 65536);
}

}  // namespace

gfx::Colour ShiftColor(gfx::Colour c, int16_t& delta, bool blueScaled, bool avoidExtremes, bool invert) {
    gfx::Colour result = ShiftOnce(c, delta, blueScaled, invert);
    // A delta so large that both signs land on an extreme would retry for ever; a few tries settle every real case.
    for (int tries = 0; avoidExtremes && (result == 0 || result == 0xFFFFFF) && tries < 4; ++tries) {
        delta = delta == 0 ? int16_t{64} : static_cast<int16_t>(-delta);
        result = ShiftOnce(c, delta, blueScaled, invert);
    }
    return result;
}

gfx::Colour S(gfx::Colour c, int delta) {
    int16_t d = static_cast<int16_t>(delta);
    return ShiftColor(c, d, false, false, false);
}

gfx::Colour Sb(gfx::Colour c, int delta) {
    int16_t d = static_cast<int16_t>(delta);
    return ShiftColor(c, d, true, false, false);
}

std::vector<gfx::Colour> BlendColors(int bands, gfx::Colour from, gfx::Colour to) {
    std::vector<gfx::Colour> out;
    if (bands <= 0) return out;
    out.reserve(static_cast<size_t>(bands));
    double r = from & 0xFF;
    double g = static_cast<double>(from & 0xFF00) / 255.0;
    double b = static_cast<double>(from & 0xFF0000) / 65280.0;
    double r1 = to & 0xFF;
    double g1 = std::nearbyint(static_cast<double>(to & 0xFF00) / 255.0);
    double b1 = std::nearbyint(static_cast<double>(to & 0xFF0000) / 65280.0);
    double steps = bands > 1 ? bands - 1 : 1;
    double dr = (r1 - r) / steps, dg = (g1 - g) / steps, db = (b1 - b) / steps;
    out.push_back(from);
    for (int j = 1; j < bands; ++j) {
        r += dr;
        g += dg;
        b += db;
        auto ch = [](double v) { return std::clamp(static_cast<int>(std::clamp(v, 0.0, 255.0)), 0, 255); };
        out.push_back(static_cast<gfx::Colour>(ch(r) + ch(g) * 256 + ch(b) * 65536));
    }
    return out;
}

}  // namespace widgets
