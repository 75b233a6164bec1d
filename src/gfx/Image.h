#pragma once
// PNG pictures in and out of Bitmaps. Decoded pixels keep their opacity in
// the top byte; colours are 0x00BBGGRR as everywhere.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"

namespace gfx {

// Throws std::runtime_error naming the file when it cannot be read or decoded.
Bitmap LoadPng(const std::string& path);
// Decodes a PNG held in memory; name is used in the error message.
Bitmap DecodePng(const unsigned char* data, size_t size, std::string_view name);

// RGBA PNG of the bitmap (opacity from the top byte).
std::vector<unsigned char> EncodePng(const Bitmap& bitmap);
// Throws std::runtime_error naming the file when it cannot be written.
void SavePng(const Bitmap& bitmap, const std::string& path);

}  // namespace gfx
