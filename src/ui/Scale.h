#pragma once
// Units and codes shared by every control: twips, scale modes, pointer codes.
namespace ui {

// Window and form coordinates are twips; 15 of them make one pixel, always.
inline constexpr int kTwipsPerPixel = 15;

// The ScaleMode values of the forms: twips 1, pixels 3.
enum class ScaleMode { Twips = 1, Pixels = 3 };

// Converts between a scale and pixels. Fractions round to the nearest pixel.
float PixelsToScale(int pixels, ScaleMode mode);
int ScaleToPixels(float value, ScaleMode mode);

// MousePointer codes: 0 the control's default (an arrow), 1 arrow, 99 custom
// (the MouseIcon picture; shown as a hand on this platform), 100 a built-in hand.
enum MousePointerCode : int { kPointerDefault = 0, kPointerArrow = 1, kPointerCustom = 99, kPointerHand = 100 };

}  // namespace ui
