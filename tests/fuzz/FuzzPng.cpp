// libFuzzer: the PNG loader on arbitrary bytes; a bad file is an exception, never a crash.
#include <cstdint>
#include <stdexcept>

#include "gfx/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        gfx::Bitmap b = gfx::DecodePng(data, size, "fuzz.png");
        if (b.Width() > 0 && b.Height() > 0) (void)b.GetPixel(b.Width() - 1, b.Height() - 1);
    } catch (const std::runtime_error&) {
    }
    return 0;
}
