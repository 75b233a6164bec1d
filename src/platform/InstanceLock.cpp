#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/SettingsStore.h"

namespace platform {

std::string InstanceLock::DefaultPath(const std::string& application) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/" + application + ".lock";
    return SettingsStore::DefaultFolder(application) + "/" + application + ".lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);  // closing the description releases the lock
}

bool InstanceLock::Acquire() {
    if (fd_ >= 0) return true;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a usable lock file the program runs unguarded rather than not at all.
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        close(fd);
        return !taken;
    }
    fd_ = fd;
    return true;
}

}  // namespace platform
