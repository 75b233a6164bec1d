#pragma once
// Whole-number magnification of the program's windows on dense screens. The
// program draws at 1x; a backend magnifies what it presents s times with
// nearest-neighbour copies, scales window outlines and pointer pictures, and
// divides mouse positions by s. Window positions stay screen pixels.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "gfx/Region.h"

namespace platform {

class Backend;

inline constexpr int kMaxScale = 4;

// Everything the choice depends on.
struct ScaleSources {
    std::optional<std::string> kelvaroScale;  // KELVARO_SCALE
    std::optional<std::string> gdkScale;      // GDK_SCALE
    std::string resources;                    // the desktop's X resources (RESOURCE_MANAGER)
    gfx::Point screen;                        // usable screen, pixels
    gfx::Point window;                        // the main window at 1x, pixels
};

struct ScaleChoice {
    int scale = 1;
    std::string warning;  // one line for stderr when KELVARO_SCALE was refused; "" otherwise
};

// KELVARO_SCALE when it holds 1..4; else GDK_SCALE when it is a whole number;
// else Xft.dpi / 96 rounded down; at least 1, and reduced until the magnified
// window fits on the screen.
ScaleChoice ChooseScale(const ScaleSources& in);

// The Xft.dpi value of an X resource database text, if it holds a number.
std::optional<double> XftDpi(std::string_view resources);

// The sources of this process and desktop: the environment, and the backend's
// resources and screen.
ScaleSources GatherScaleSources(Backend& backend, gfx::Point window);

// A device pixel (window-relative, magnified) to a 1x pixel; rounds toward minus infinity.
constexpr int ToLogical(int device, int s) { return device >= 0 ? device / s : -((-device + s - 1) / s); }

gfx::Region MagnifyRegion(const gfx::Region& region, int s);
gfx::Bitmap MagnifyBitmap(const gfx::Bitmap& picture, int s);

// n pixels, each written s times in a row.
void WidenRow(const uint32_t* in, int n, int s, uint32_t* out);

// Copies rectangle r of src (1x) s times larger to dst, whose pixel (0, 0) is
// the device pixel (0, 0) of src; dstPitch in bytes. Each row is widened once and
// then duplicated with memcpy.
void MagnifyRect(const gfx::Bitmap& src, const gfx::Rect& r, int s, uint32_t* dst, std::size_t dstPitch);

}  // namespace platform
