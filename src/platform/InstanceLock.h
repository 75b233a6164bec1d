#pragma once
// The single-instance test: an exclusive, non-blocking flock on a lock file,
// held for the life of the object (and so of the process that keeps it).
#include <string>
#include <vector>

namespace platform {

class InstanceLock {
public:
    // $XDG_RUNTIME_DIR/<application>.lock, or the settings folder when there is no runtime folder.
    static std::string DefaultPath(const std::string& application);
    // Where to fall back when the lock file before cannot be opened: the settings
    // folder, then the system's temporary folder with a name keyed by the user.
    static std::vector<std::string> FallbackPaths(const std::string& application);

    explicit InstanceLock(std::string path, std::vector<std::string> fallbacks = {});
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False only when another holder has the lock. The paths are tried in order
    // until one can be opened; when none can, answers true without holding
    // anything (see Held): the program then runs unguarded.
    bool Acquire();
    bool Held() const { return fd_ >= 0; }
    // The lock file in use (the first path until one is held).
    const std::string& Path() const { return path_; }

private:
    std::vector<std::string> paths_;
    std::string path_;
    int fd_ = -1;
};

}  // namespace platform
