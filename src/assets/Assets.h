#pragma once
// The pictures and the form data, compiled into the program.
#include <span>
#include <string_view>

namespace assets {

// The bytes of an asset by its path below assets/ (e.g. "tiles/face01.png"); empty when unknown.
std::span<const unsigned char> Find(std::string_view name);

}  // namespace assets
