#include "platform/SettingsStore.h"

// Values are UTF-8 text in and out: SimpleIni needs no converter.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // this file holds the template bodies; nothing else uses SimpleIni
#include <SimpleIni.h>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// SimpleIni skips what it does not understand; a settings file with such lines
// (or NUL bytes) is damaged, and reading it as if it were whole would lose data on save.
bool LooksLikeIni(const std::string& text) {
    if (text.find('\0') != std::string::npos) return false;
    // SimpleIni ends a line at "\r" as well as at "\n"; so must this check.
    std::string lines = text;
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    std::istringstream in(lines);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        const std::string t = Trim(line);
        // A byte-order mark is only a mark at the very start; later it would
        // make a key that a save puts first, where it reads as the mark again.
        if (t.rfind("\xEF\xBB\xBF", 0) == 0) return false;
        first = false;
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        // SimpleIni reads a "[" line without its "]" as a section running on
        // into the next lines; such a header is damage, not a key.
        if (t.front() == '[') {
            if (t.back() == ']') continue;
            return false;
        }
        if (t.find('=') != std::string::npos && t[0] != '=') continue;
        return false;
    }
    return true;
}

bool ReadWhole(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return false;
    out = s.str();
    return true;
}

// Follows symbolic links to the file they end at (which may not exist yet).
fs::path ResolveLinks(fs::path p) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p;
}

// "<file>.tmp-" and the six characters mkostemp puts in place of XXXXXX.
bool IsTempOf(const std::string& name, const std::string& file) {
    const std::string prefix = file + ".tmp-";
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) return false;
    return std::all_of(name.begin() + static_cast<ptrdiff_t>(prefix.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

void SyncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string SettingsStore::DefaultFolder(const std::string& application) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return std::string(config) + "/" + application;
    std::string home;
    if (const char* env = std::getenv("HOME"); env && *env) {
        home = env;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) {
        home = pw->pw_dir;
    }
    // Never the working folder: with no home there is no settings folder.
    if (home.empty() || home[0] != '/') return "";
    return home + "/.config/" + application;
}

std::string SettingsStore::DefaultPath(const std::string& application) {
    const std::string folder = DefaultFolder(application);
    return folder.empty() ? "" : folder + "/settings.ini";
}

bool SettingsStore::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {
    if (path_.empty()) return;
    RemoveStaleTemps();
    Load();
}

// A save killed between mkostemp and rename leaves its temp file; nothing else
// ever removes it, and only one instance runs.
void SettingsStore::RemoveStaleTemps() const {
    for (const fs::path& file : {fs::path(path_), ResolveLinks(path_)}) {
        std::error_code ec;
        const std::string name = file.filename().string();
        for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec))
            if (IsTempOf(it->path().filename().string(), name)) fs::remove(it->path(), ec);
    }
}

void SettingsStore::Load() {
    std::error_code ec;
    if (!fs::exists(path_, ec)) return;
    std::string text;
    CSimpleIniA ini;
    ini.SetUnicode(true);
    if (!fs::is_regular_file(path_, ec) || !ReadWhole(path_, text) || !LooksLikeIni(text) ||
        ini.LoadData(text) < 0) {
        loadFailed_ = true;
        return;
    }
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    for (const auto& section : sections) {
        CSimpleIniA::TNamesDepend keys;
        ini.GetAllKeys(section.pItem, keys);
        for (const auto& key : keys)
            values_[section.pItem][key.pItem] = ini.GetValue(section.pItem, key.pItem, "");
    }
}

std::optional<std::string> SettingsStore::Get(const std::string& section, const std::string& key) const {
    auto s = values_.find(section);
    if (s == values_.end()) return std::nullopt;
    auto k = s->second.find(key);
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

void SettingsStore::Set(const std::string& section, const std::string& key, const std::string& value) {
    // One spelling of each name survives: the one given here.
    auto s = values_.find(section);
    if (s != values_.end() && s->first != section) {
        auto node = values_.extract(s);
        node.key() = section;
        s = values_.insert(std::move(node)).position;
    }
    Keys& keys = values_[section];
    auto k = keys.find(key);
    if (k != keys.end() && k->first != key) keys.erase(k);
    keys[key] = value;
}

std::string SettingsStore::Serialize() const {
    CSimpleIniA ini;
    ini.SetUnicode(true);
    for (const auto& [section, keys] : values_)
        for (const auto& [key, value] : keys) ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    std::string text;
    ini.Save(text);
    return text;
}

bool SettingsStore::WriteTemp(const std::string& target, const std::string& text, std::string& tempPath) const {
    std::string pattern = target + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    tempPath = name.data();
    FILE* f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        return false;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

bool SettingsStore::Save() {
    if (path_.empty()) return false;
    // Through a symbolic link: the link stays, its target is replaced.
    const fs::path file = ResolveLinks(path_);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) return false;
    if (loadFailed_ && fs::exists(file, ec)) {
        fs::rename(file, fs::path(file.string() + ".bad"), ec);  // keep what could not be read
        if (ec) return false;
    }
    std::string temp;
    const bool written = WriteTemp(file.string(), Serialize(), temp);
    if (!written || (beforeRename_ && !beforeRename_())) {
        if (!temp.empty()) fs::remove(temp, ec);  // an abandoned save leaves no litter
        return false;
    }
    if (std::rename(temp.c_str(), file.c_str()) != 0) {
        fs::remove(temp, ec);
        return false;
    }
    loadFailed_ = false;
    SyncFolder(file.parent_path());
    return true;
}

}  // namespace platform
