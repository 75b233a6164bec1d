#include "window/AppInfo.h"

namespace window {

// KELVARO_VERSION comes from the project's version in CMake, its one source.
std::string WindowCaption() { return std::string(kAppTitle) + " " + KELVARO_VERSION; }

}  // namespace window
