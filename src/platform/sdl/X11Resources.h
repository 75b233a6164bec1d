#pragma once
// The desktop's X resource database text (RESOURCE_MANAGER of the root window).
#include <string>

namespace platform::sdl {

// "" when there is no X display or no resources.
std::string X11Resources();

}  // namespace platform::sdl
