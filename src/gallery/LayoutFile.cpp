#include "gallery/LayoutFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "assets/Assets.h"
#include "gfx/Image.h"
#include "platform/SettingsStore.h"

namespace gallery {

namespace fs = std::filesystem;

std::string BuiltInLayout() {
    auto bytes = assets::Find("buttons.frm");
    if (bytes.empty()) throw std::runtime_error("kelvaro-buttons: the built-in layout buttons.frm is missing");
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::string ReadLayoutFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("kelvaro-buttons: cannot read the layout " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteLayoutFile(const std::string& path, const std::string& text, std::string* error) {
    std::error_code ec;
    fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            if (error) *error = "cannot write " + temp;
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        if (error) *error = "cannot replace " + path + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

std::string DefaultSavePath() { return platform::SettingsStore::DefaultFolder("Kelvaro") + "/buttons.frm"; }

std::shared_ptr<const gfx::Bitmap> AssetPictures::Get(const std::string& name) {
    if (auto it = loaded_.find(name); it != loaded_.end()) return it->second;
    auto bytes = assets::Find(name);
    if (bytes.empty()) return nullptr;
    std::shared_ptr<const gfx::Bitmap> picture;
    try {
        picture = std::make_shared<gfx::Bitmap>(gfx::DecodePng(bytes.data(), bytes.size(), name));
    } catch (const std::exception&) {
        return nullptr;
    }
    loaded_[name] = picture;
    return picture;
}

std::string AssetPictures::NameOf(const gfx::Bitmap* picture) const {
    for (const auto& [name, p] : loaded_)
        if (p.get() == picture) return name;
    return {};
}

}  // namespace gallery
