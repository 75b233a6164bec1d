#include "platform/InstanceLock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TempFolder.h"

namespace platform {
namespace {

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    testing::TempFolder tmp;
    const std::string path = tmp / "Kelvaro.lock";
    auto first = std::make_unique<InstanceLock>(path);
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->Held());
    EXPECT_TRUE(first->Acquire());  // asking again keeps it

    InstanceLock second(path);
    EXPECT_FALSE(second.Acquire());
    EXPECT_FALSE(second.Held());

    first.reset();
    EXPECT_TRUE(second.Acquire());
}

TEST(InstanceLock, AnotherProcessIsRefused) {
    testing::TempFolder tmp;
    const std::string path = tmp / "Kelvaro.lock";
    InstanceLock mine(path);
    ASSERT_TRUE(mine.Acquire());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock theirs(path);
        _exit(theirs.Acquire() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(InstanceLock, DefaultPathPrefersTheRuntimeFolder) {
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = config ? config : "";
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(InstanceLock::DefaultPath("Kelvaro"), "/run/user/1000/Kelvaro.lock");
    unsetenv("XDG_RUNTIME_DIR");
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(InstanceLock::DefaultPath("Kelvaro"), "/tmp/cfg/Kelvaro/Kelvaro.lock");
    unsetenv("XDG_CONFIG_HOME");
    if (old) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    if (!savedConfig.empty()) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
}

// A lock path that cannot be opened (a directory, a missing or read-only
// folder) falls back to the next one; the program runs unguarded only when
// none can be used.
TEST(InstanceLock, UnopenableLockFileFallsBackToTheNext) {
    testing::TempFolder tmp;
    testing::WriteFile(tmp / "plain", "x");
    std::filesystem::create_directories(tmp / "Kelvaro.lock");  // the lock path is a directory
    const std::vector<std::string> fallbacks{tmp / "plain/Kelvaro.lock", tmp / "fallback.lock"};
    InstanceLock first(tmp / "Kelvaro.lock", fallbacks);
    ASSERT_TRUE(first.Acquire());
    EXPECT_TRUE(first.Held());
    EXPECT_EQ(first.Path(), tmp / "fallback.lock");
    InstanceLock second(tmp / "Kelvaro.lock", fallbacks);
    EXPECT_FALSE(second.Acquire());

    InstanceLock none(tmp / "plain/Kelvaro.lock", {tmp / "Kelvaro.lock"});
    EXPECT_TRUE(none.Acquire());
    EXPECT_FALSE(none.Held());
    const auto paths = InstanceLock::FallbackPaths("Kelvaro");
    ASSERT_FALSE(paths.empty());
    EXPECT_NE(paths.back().find("Kelvaro-" + std::to_string(getuid()) + ".lock"), std::string::npos);
}

}  // namespace
}  // namespace platform
