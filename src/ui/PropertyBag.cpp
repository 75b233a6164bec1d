#include "ui/PropertyBag.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "gfx/Image.h"
#include "ui/Base64.h"

namespace ui {

namespace {

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string FormatPoints(double points) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", points);
    return buf;
}

constexpr std::string_view kPngPrefix = "png:";

}  // namespace

// --- raw values ---

std::vector<std::pair<std::string, std::string>>::iterator PropertyBag::Find(std::string_view key) {
    return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return SameKey(e.first, key); });
}

std::vector<std::pair<std::string, std::string>>::const_iterator PropertyBag::Find(std::string_view key) const {
    return std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return SameKey(e.first, key); });
}

std::string PropertyBag::ReadProperty(std::string_view key, std::string_view defaultValue) const {
    auto it = Find(key);
    return it == entries_.end() ? std::string(defaultValue) : it->second;
}

void PropertyBag::WriteProperty(std::string_view key, std::string_view value,
                                std::optional<std::string_view> defaultValue) {
    if (defaultValue && value == *defaultValue) {
        Remove(key);
        return;
    }
    auto it = Find(key);
    if (it == entries_.end())
        entries_.emplace_back(std::string(key), std::string(value));
    else
        it->second = std::string(value);
}

bool PropertyBag::Has(std::string_view key) const { return Find(key) != entries_.end(); }

void PropertyBag::Remove(std::string_view key) {
    auto it = Find(key);
    if (it != entries_.end()) entries_.erase(it);
}

// --- numbers ---

std::optional<int64_t> PropertyBag::ParseNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    int64_t v = 0;
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        text.remove_prefix(2);
        if (!text.empty() && text.back() == '&') text.remove_suffix(1);
        uint64_t u = 0;
        auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), u, 16);
        if (ec != std::errc() || p != text.data() + text.size()) return std::nullopt;
        // Hex literals ("&H...&") of eight digits are 32-bit values; keep the bit pattern.
        return static_cast<int64_t>(u);
    }
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || p != text.data() + text.size()) return std::nullopt;
    return v;
}

int32_t PropertyBag::ReadLong(std::string_view key, int32_t def) const {
    auto it = Find(key);
    if (it == entries_.end()) return def;
    auto v = ParseNumber(it->second);
    return v ? static_cast<int32_t>(static_cast<uint32_t>(*v)) : def;
}

void PropertyBag::WriteLong(std::string_view key, int32_t v, std::optional<int32_t> def) {
    if (def && v == *def) return Remove(key);
    WriteProperty(key, std::to_string(v), std::nullopt);
}

int16_t PropertyBag::ReadInteger(std::string_view key, int16_t def) const {
    auto it = Find(key);
    if (it == entries_.end()) return def;
    auto v = ParseNumber(it->second);
    return v ? static_cast<int16_t>(static_cast<uint16_t>(*v)) : def;
}

void PropertyBag::WriteInteger(std::string_view key, int16_t v, std::optional<int16_t> def) {
    if (def && v == *def) return Remove(key);
    WriteProperty(key, std::to_string(v), std::nullopt);
}

std::string PropertyBag::EncodeColour(gfx::Colour c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X&", static_cast<unsigned>(c));
    return buf;
}

gfx::Colour PropertyBag::ReadColour(std::string_view key, gfx::Colour def) const {
    auto it = Find(key);
    if (it == entries_.end()) return def;
    auto v = ParseNumber(it->second);
    return v ? static_cast<gfx::Colour>(static_cast<uint32_t>(*v)) : def;
}

void PropertyBag::WriteColour(std::string_view key, gfx::Colour v, std::optional<gfx::Colour> def) {
    if (def && v == *def) return Remove(key);
    WriteProperty(key, EncodeColour(v), std::nullopt);
}

bool PropertyBag::ReadBool(std::string_view key, bool def) const {
    auto it = Find(key);
    if (it == entries_.end()) return def;
    std::string_view s = Trim(it->second);
    if (SameKey(s, "True")) return true;
    if (SameKey(s, "False")) return false;
    auto v = ParseNumber(s);
    return v ? *v != 0 : def;
}

void PropertyBag::WriteBool(std::string_view key, bool v, std::optional<bool> def) {
    if (def && v == *def) return Remove(key);
    WriteProperty(key, v ? "-1" : "0", std::nullopt);  // 16-bit Boolean: True is -1
}

// --- fonts ---

std::string PropertyBag::EncodeFont(const gfx::FontDesc& f) {
    return f.face + "," + FormatPoints(f.points) + "," + (f.bold ? "700" : "400") + "," + (f.italic ? "1" : "0") +
           "," + (f.underline ? "1" : "0") + "," + (f.strikeOut ? "1" : "0");
}

std::optional<gfx::FontDesc> PropertyBag::ParseFont(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == ',') {
            parts.push_back(Trim(text.substr(start, i - start)));
            start = i + 1;
        }
    if (parts.size() != 6 || parts[0].empty()) return std::nullopt;
    gfx::FontDesc f;
    f.face = std::string(parts[0]);
    try {
        f.points = std::stod(std::string(parts[1]));
    } catch (...) {
        return std::nullopt;
    }
    auto weight = ParseNumber(parts[2]);
    auto italic = ParseNumber(parts[3]);
    auto underline = ParseNumber(parts[4]);
    auto strike = ParseNumber(parts[5]);
    if (!weight || !italic || !underline || !strike || f.points <= 0) return std::nullopt;
    f.bold = *weight >= 600;
    f.italic = *italic != 0;
    f.underline = *underline != 0;
    f.strikeOut = *strike != 0;
    return f;
}

gfx::FontDesc PropertyBag::ReadFont(std::string_view key, const gfx::FontDesc& def) const {
    auto it = Find(key);
    if (it == entries_.end()) return def;
    return ParseFont(it->second).value_or(def);
}

void PropertyBag::WriteFont(std::string_view key, const gfx::FontDesc& v, std::optional<gfx::FontDesc> def) {
    if (def && v == *def) return Remove(key);
    WriteProperty(key, EncodeFont(v), std::nullopt);
}

// --- pictures ---

std::shared_ptr<const gfx::Bitmap> PropertyBag::ReadPicture(std::string_view key) const {
    auto it = Find(key);
    if (it == entries_.end() || it->second.empty()) return nullptr;
    const std::string& v = it->second;
    if (v.compare(0, kPngPrefix.size(), kPngPrefix) == 0) {
        auto bytes = DecodeBase64(std::string_view(v).substr(kPngPrefix.size()));
        if (!bytes) return nullptr;
        try {
            return std::make_shared<gfx::Bitmap>(gfx::DecodePng(bytes->data(), bytes->size(), it->first));
        } catch (const std::exception&) {
            return nullptr;
        }
    }
    return resolver_ ? resolver_(v) : nullptr;
}

void PropertyBag::WritePicture(std::string_view key, const std::shared_ptr<const gfx::Bitmap>& v) {
    if (!v) return Remove(key);
    WriteProperty(key, std::string(kPngPrefix) + EncodeBase64(gfx::EncodePng(*v)), std::nullopt);
}

// --- text form ---

std::string PropertyBag::Serialize() const {
    std::string out;
    for (const auto& [k, v] : entries_) out += k + " = " + v + "\n";
    return out;
}

PropertyBag PropertyBag::Parse(std::string_view text) {
    PropertyBag bag;
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line)) {
        std::string_view l = Trim(line);
        if (l.empty() || l[0] == ';' || l[0] == '#') continue;
        size_t eq = l.find('=');
        if (eq == std::string_view::npos) continue;
        bag.WriteProperty(Trim(l.substr(0, eq)), Trim(l.substr(eq + 1)), std::nullopt);
    }
    return bag;
}

// --- FormData ---

FormData FormData::Parse(std::string_view text) {
    FormData data;
    std::istringstream in{std::string(text)};
    std::string line;
    PropertyBag* current = nullptr;
    while (std::getline(in, line)) {
        std::string_view l = Trim(line);
        if (l.empty() || l[0] == ';' || l[0] == '#') continue;
        if (l.front() == '[' && l.back() == ']') {
            current = &data.Section(Trim(l.substr(1, l.size() - 2)));
            continue;
        }
        size_t eq = l.find('=');
        if (!current || eq == std::string_view::npos) continue;
        current->WriteProperty(Trim(l.substr(0, eq)), Trim(l.substr(eq + 1)), std::nullopt);
    }
    return data;
}

std::string FormData::Serialize() const {
    std::string out;
    for (const auto& [name, bag] : sections_) {
        if (!out.empty()) out += "\n";
        out += "[" + name + "]\n" + bag.Serialize();
    }
    return out;
}

PropertyBag& FormData::Section(std::string_view name) {
    for (auto& [n, bag] : sections_)
        if (SameKey(n, name)) return bag;
    sections_.emplace_back(std::string(name), PropertyBag{});
    if (resolver_) sections_.back().second.SetPictureResolver(resolver_);
    return sections_.back().second;
}

const PropertyBag* FormData::Find(std::string_view name) const {
    for (const auto& [n, bag] : sections_)
        if (SameKey(n, name)) return &bag;
    return nullptr;
}

std::vector<std::string> FormData::Names() const {
    std::vector<std::string> names;
    for (const auto& s : sections_) names.push_back(s.first);
    return names;
}

void FormData::SetPictureResolver(PictureResolver r) {
    resolver_ = std::move(r);
    for (auto& s : sections_) s.second.SetPictureResolver(resolver_);
}

}  // namespace ui
