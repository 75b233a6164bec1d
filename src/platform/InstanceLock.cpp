#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/SettingsStore.h"

namespace platform {

namespace fs = std::filesystem;

std::string InstanceLock::DefaultPath(const std::string& application) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/" + application + ".lock";
    const std::string settings = SettingsStore::DefaultFolder(application);
    return settings.empty() ? FallbackPaths(application).back() : settings + "/" + application + ".lock";
}

std::vector<std::string> InstanceLock::FallbackPaths(const std::string& application) {
    std::vector<std::string> paths;
    const std::string settings = SettingsStore::DefaultFolder(application);
    if (!settings.empty()) paths.push_back(settings + "/" + application + ".lock");
    std::error_code ec;
    fs::path temp = fs::temp_directory_path(ec);
    if (ec) temp = "/tmp";
    paths.push_back((temp / (application + "-" + std::to_string(getuid()) + ".lock")).string());
    return paths;
}

InstanceLock::InstanceLock(std::string path, std::vector<std::string> fallbacks) : path_(path) {
    paths_.push_back(std::move(path));
    for (std::string& p : fallbacks)
        if (p != paths_.front()) paths_.push_back(std::move(p));
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);  // closing the description releases the lock
}

namespace {

// An open descriptor on a regular lock file we own, or -1.
int OpenLockFile(const std::string& path) {
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    // In a shared temporary folder another user could have put a file there first.
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != getuid()) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool InstanceLock::Acquire() {
    if (fd_ >= 0) return true;
    for (size_t i = 0; i < paths_.size(); ++i) {
        const int fd = OpenLockFile(paths_[i]);
        if (fd < 0) continue;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool taken = errno == EWOULDBLOCK;
            close(fd);
            if (taken) return false;
            continue;
        }
        fd_ = fd;
        path_ = paths_[i];
        return true;
    }
    return true;
}

}  // namespace platform
