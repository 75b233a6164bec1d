#pragma once
#include <string>
#include <string_view>

namespace platform {

// The folder that holds the running executable (from /proc/self/exe), without a
// trailing slash ("/" itself at the root); "." if it cannot be read.
std::string ProgramFolder();

// A file literal of the program ("\hit.wav") as a path in the program's folder:
// the folder followed directly by the literal, its backslashes turned into slashes.
std::string ProgramPath(std::string_view literal);
// The same for a given folder (the program's, as start-up recorded it).
std::string ProgramPath(std::string_view folder, std::string_view literal);

}  // namespace platform
