#include "platform/SettingsStore.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TempFolder.h"

namespace platform {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(SettingsStore, RoundTripThroughANewFolder) {
    TempFolder tmp;
    const std::string path = tmp / "Kelvaro/settings.ini";  // folder does not exist yet
    {
        SettingsStore store(path);
        EXPECT_FALSE(store.LoadFailed());
        EXPECT_EQ(store.Get("SetLog", "frmMainX"), std::nullopt);
        store.Set("SetLog", "frmMainX", "3495");
        store.Set("SetLog", "frmMainY", "1200");
        store.Set("Other", "frmMainX", "1");
        ASSERT_TRUE(store.Save());
    }
    SettingsStore again(path);
    EXPECT_EQ(again.Get("SetLog", "frmMainX"), "3495");
    EXPECT_EQ(again.Get("SetLog", "frmMainY"), "1200");
    EXPECT_EQ(again.Get("Other", "frmMainX"), "1");
    EXPECT_EQ(again.Get("SetLog", "missing"), std::nullopt);
    EXPECT_NE(ReadFile(path).find("[SetLog]"), std::string::npos);
    // No temp files are left beside it.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tmp / "Kelvaro")) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(SettingsStore, DefaultPathFollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(SettingsStore::DefaultPath("Kelvaro"), "/tmp/cfg/Kelvaro/settings.ini");
    unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    EXPECT_EQ(SettingsStore::DefaultPath("Kelvaro"), std::string(home ? home : ".") + "/.config/Kelvaro/settings.ini");
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(SettingsStore, WithoutHomeUsesThePasswordEntryOrNothing) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string savedConfig = config ? config : "", savedHome = home ? home : "";
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    const passwd* pw = getpwuid(getuid());
    const std::string expected = pw && pw->pw_dir && pw->pw_dir[0] == '/' ? std::string(pw->pw_dir) + "/.config/Kelvaro/settings.ini" : "";
    EXPECT_EQ(SettingsStore::DefaultPath("Kelvaro"), expected);
    if (config) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    if (home) setenv("HOME", savedHome.c_str(), 1);
    // No path: nothing is kept and nothing is written anywhere.
    SettingsStore none("");
    none.Set("SetLog", "frmMainX", "1");
    EXPECT_FALSE(none.Save());
    EXPECT_FALSE(std::filesystem::exists("settings.ini"));
}

// Found by the fuzzer: an unclosed section header swallowed the next lines,
// and a mark in mid-file made a key that the next run could not read.
TEST(SettingsStore, UnclosedSectionHeaderIsDamage) {
    TempFolder tmp;
    for (const char* text : {"[SetLog= 1747\nfrmMa]inY = 1200\n", "[SetLog\r]\nfrmMainY = 1200\n", "\n\xEF\xBB\xBF= 3\n"}) {
        WriteFile(tmp / "settings.ini", text);
        SettingsStore store(tmp / "settings.ini");
        EXPECT_TRUE(store.LoadFailed()) << text;
        EXPECT_EQ(store.Get("SetLog", "frmMainY"), std::nullopt) << text;
    }
}

TEST(SettingsStore, NamesMatchInAnyCaseAndSaveOneSpelling) {
    TempFolder tmp;
    const std::string path = tmp / "settings.ini";
    WriteFile(path, "[setlog]\nFRMMAINX=3000\nfrmmainy=1200\n");
    SettingsStore store(path);
    EXPECT_EQ(store.Get("SetLog", "frmMainX"), "3000");
    EXPECT_EQ(store.Get("SETLOG", "frmMainY"), "1200");
    store.Set("SetLog", "frmMainX", "45");
    store.Set("SetLog", "frmMainY", "60");
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadFile(path), "[SetLog]\nfrmMainX = 45\nfrmMainY = 60\n");
    EXPECT_EQ(SettingsStore(path).Get("setlog", "FRMMAINX"), "45");
}

TEST(SettingsStore, LoadRemovesTempFilesOfKilledSaves) {
    TempFolder tmp;
    WriteFile(tmp / "settings.ini.tmp-a1B2c3", "[SetLog]\n");
    WriteFile(tmp / "settings.ini.tmp-notes", "kept");  // not one of ours
    WriteFile(tmp / "other.ini.tmp-a1B2c3", "kept");
    SettingsStore store(tmp / "settings.ini");
    EXPECT_FALSE(std::filesystem::exists(tmp / "settings.ini.tmp-a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(tmp / "settings.ini.tmp-notes"));
    EXPECT_TRUE(std::filesystem::exists(tmp / "other.ini.tmp-a1B2c3"));
}

TEST(SettingsStore, SymlinkedFileIsSavedThroughTheLink) {
    TempFolder tmp;
    std::filesystem::create_directories(tmp / "dotfiles");
    std::filesystem::create_directories(tmp / "Kelvaro");
    WriteFile(tmp / "dotfiles/kelvaro.ini", "[SetLog]\nfrmMainX=1\n");
    std::filesystem::create_symlink("../dotfiles/kelvaro.ini", tmp / "Kelvaro/settings.ini");
    SettingsStore store(tmp / "Kelvaro/settings.ini");
    EXPECT_EQ(store.Get("SetLog", "frmMainX"), "1");
    store.Set("SetLog", "frmMainX", "2");
    ASSERT_TRUE(store.Save());
    EXPECT_TRUE(std::filesystem::is_symlink(tmp / "Kelvaro/settings.ini"));
    EXPECT_NE(ReadFile(tmp / "dotfiles/kelvaro.ini").find("frmMainX = 2"), std::string::npos);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tmp / "dotfiles")) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(SettingsStore, CorruptFileReadsEmptyAndIsKeptAsideBySave) {
    TempFolder tmp;
    const std::string path = tmp / "settings.ini";
    const std::string garbage = std::string("[SetLog]\nfrmMainX=3495\n\x01\x02 not ini at all\0\xff", 40);
    WriteFile(path, garbage);

    SettingsStore store(path);
    EXPECT_TRUE(store.LoadFailed());
    EXPECT_EQ(store.Get("SetLog", "frmMainX"), std::nullopt);
    EXPECT_EQ(ReadFile(path), garbage);  // reading leaves it alone

    store.Set("SetLog", "frmMainX", "15");
    ASSERT_TRUE(store.Save());
    EXPECT_EQ(ReadFile(path + ".bad"), garbage);
    EXPECT_EQ(SettingsStore(path).Get("SetLog", "frmMainX"), "15");
}

TEST(SettingsStore, UnreadableFileIsNotReplaced) {
    TempFolder tmp;
    const std::string path = tmp / "settings.ini";
    std::filesystem::create_directory(path);  // a folder where the file should be
    SettingsStore store(path);
    EXPECT_TRUE(store.LoadFailed());
    store.Set("SetLog", "frmMainX", "1");
    EXPECT_TRUE(store.Save());
    EXPECT_TRUE(std::filesystem::is_directory(path + ".bad"));
    EXPECT_TRUE(std::filesystem::is_regular_file(path));
}

TEST(SettingsStore, UnwritableFolderFailsAndKeepsValues) {
    TempFolder tmp;
    WriteFile(tmp / "plain", "x");
    // A folder below a regular file cannot be made, not even by root.
    SettingsStore store(tmp / "plain/Kelvaro/settings.ini");
    store.Set("SetLog", "frmMainX", "3495");
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(store.Get("SetLog", "frmMainX"), "3495");
    EXPECT_EQ(ReadFile(tmp / "plain"), "x");
}

TEST(SettingsStore, FailedWriteLeavesTheOldFileWhole) {
    TempFolder tmp;
    const std::string path = tmp / "settings.ini";
    const std::string old = "[SetLog]\nfrmMainX=3495\n";
    WriteFile(path, old);
    // A file-size limit makes the temp file's write fail, root or not; the child
    // process keeps the limit away from the rest of the tests.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{8, 8};
        setrlimit(RLIMIT_FSIZE, &limit);
        SettingsStore store(path);
        store.Set("SetLog", "frmMainY", std::string(200, '9'));
        _exit(store.Save() ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "Save reported success past the size limit";
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Path()), {}), 1);
}

TEST(SettingsStore, SaveStoppedBeforeRenameLeavesTheOldFile) {
    TempFolder tmp;
    const std::string path = tmp / "settings.ini";
    {
        SettingsStore store(path);
        store.Set("SetLog", "frmMainX", "3495");
        ASSERT_TRUE(store.Save());
    }
    const std::string before = ReadFile(path);
    SettingsStore store(path);
    store.Set("SetLog", "frmMainX", "0");
    bool tempWasComplete = false;
    store.SetBeforeRenameHook([&] {
        for (const auto& e : std::filesystem::directory_iterator(tmp.Path()))
            if (e.path().string() != path) tempWasComplete = ReadFile(e.path().string()).find("frmMainX = 0") != std::string::npos;
        return false;
    });
    EXPECT_FALSE(store.Save());
    EXPECT_TRUE(tempWasComplete);
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(SettingsStore(path).Get("SetLog", "frmMainX"), "3495");
    store.SetBeforeRenameHook(nullptr);
    EXPECT_TRUE(store.Save());  // nothing was lost in memory
    EXPECT_EQ(SettingsStore(path).Get("SetLog", "frmMainX"), "0");
}

}  // namespace
}  // namespace platform
