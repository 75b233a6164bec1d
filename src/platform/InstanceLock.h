#pragma once
// The single-instance test: an exclusive, non-blocking flock on a lock file,
// held for the life of the object (and so of the process that keeps it).
#include <string>

namespace platform {

class InstanceLock {
public:
    // $XDG_RUNTIME_DIR/<application>.lock, or the settings folder when there is no runtime folder.
    static std::string DefaultPath(const std::string& application);

    explicit InstanceLock(std::string path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // False only when another holder has the lock. A lock file that cannot be opened
    // answers true without holding anything (see Held): the program then runs unguarded.
    bool Acquire();
    bool Held() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace platform
