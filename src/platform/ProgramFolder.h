#pragma once
#include <string>
#include <string_view>

namespace platform {

// The folder that holds the running executable (from /proc/self/exe), without a
// trailing slash ("/" itself at the root); "." if it cannot be read.
std::string ExecutableFolder();

// The program's folder, where its sounds and help page lie: the executable's
// folder when it holds `marker` (a build tree), else `../share/kelvaro` beside it
// when that holds it (an installed program), else the executable's folder.
std::string ProgramFolder(std::string_view marker = "help.html");
std::string ProgramFolderFor(std::string_view executableFolder, std::string_view marker = "help.html");

// A file literal of the program ("\hit.wav") as a path in the program's folder:
// the folder followed directly by the literal, its backslashes turned into slashes.
std::string ProgramPath(std::string_view literal);
// The same for a given folder (the program's, as start-up recorded it).
std::string ProgramPath(std::string_view folder, std::string_view literal);

}  // namespace platform
