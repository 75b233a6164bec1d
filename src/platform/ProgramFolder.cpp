#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

bool Holds(const std::filesystem::path& folder, std::string_view marker) {
    std::error_code ec;
    return std::filesystem::is_regular_file(folder / marker, ec);
}

}  // namespace

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ProgramFolder(std::string_view marker) { return ProgramFolderFor(ExecutableFolder(), marker); }

std::string ProgramFolderFor(std::string_view executableFolder, std::string_view marker) {
    const std::filesystem::path beside(executableFolder);
    if (Holds(beside, marker)) return std::string(executableFolder);
    // bin/kelvaro next to share/kelvaro, as `make install` and the package lay them out
    const std::filesystem::path installed = (beside.parent_path() / "share" / "kelvaro").lexically_normal();
    if (Holds(installed, marker)) return installed.string();
    return std::string(executableFolder);
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
