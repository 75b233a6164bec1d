#pragma once
// The per-user settings store: text values by section and key, kept in one INI
// file per application and saved atomically (temp file, flush, rename).
//
// Sections and keys match without regard to case, as in the INI file itself;
// the spelling last given to Set is the one saved. A settings file that is a
// symbolic link is saved through the link, atomically beside its target.
//
// A file that exists but cannot be read or parsed reads as empty. It is never
// overwritten: the next Save first moves it aside to "<file>.bad" (replacing an
// older .bad) and fails if that move fails.
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace platform {

class SettingsStore {
public:
    // $XDG_CONFIG_HOME/<application>, else <home>/.config/<application> with the
    // home from HOME or the password database; empty when there is no home.
    static std::string DefaultFolder(const std::string& application);
    // DefaultFolder(application) + "/settings.ini"; empty when there is no home.
    static std::string DefaultPath(const std::string& application);

    // Reads the file if there is one; a missing file is an empty store. Temp
    // files left by a save that was killed are removed. An empty path keeps
    // nothing: every Save fails.
    explicit SettingsStore(std::string path);

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // Writes everything set so far. On failure returns false; the values stay in
    // memory and the file on disk is as it was.
    bool Save();

    const std::string& Path() const { return path_; }
    // The file existed but could not be read or parsed.
    bool LoadFailed() const { return loadFailed_; }
    // Runs after the temp file is complete and before the rename; returning false
    // abandons the save there (tests use it to stand for a crash at that point).
    void SetBeforeRenameHook(std::function<bool()> hook) { beforeRename_ = std::move(hook); }

private:
    // ASCII case-insensitive order, as SimpleIni compares names.
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Keys = std::map<std::string, std::string, NoCaseLess>;

    void Load();
    void RemoveStaleTemps() const;
    std::string Serialize() const;
    bool WriteTemp(const std::string& target, const std::string& text, std::string& tempPath) const;

    std::string path_;
    bool loadFailed_ = false;
    std::map<std::string, Keys, NoCaseLess> values_;
    std::function<bool()> beforeRename_;
};

}  // namespace platform
