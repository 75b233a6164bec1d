#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <climits>

namespace platform {

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ProgramPath(std::string_view literal) { return ProgramPath(ProgramFolder(), literal); }

std::string ProgramPath(std::string_view folderName, std::string_view literal) {
    std::string folder(folderName);
    if (folder == "/") folder.clear();  // the literal brings its own separator
    std::string tail(literal);
    for (char& c : tail)
        if (c == '\\') c = '/';
    return folder + tail;
}

}  // namespace platform
