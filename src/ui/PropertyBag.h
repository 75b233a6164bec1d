#pragma once
// The per-control property store read from the form data: text key = value
// pairs, keys matched without regard to case. A value written equal to its
// default is not stored (and a stored one is removed), so reading falls back
// to the same default. FormData holds one bag per control name: an INI-like
// text with a [section] per control.
//
// Encodings: strings as they are; 32- and 16-bit integers in decimal (reading
// also takes hex "&H..&"); colours as "&H00BBGGRR&"; 16-bit Booleans as 0 /
// -1 (reading also takes True/False); fonts as "face,points,weight,italic,
// underline,strike" (e.g. "SimSun,9,400,0,0,0"); pictures as "png:" followed by
// the PNG in base64, or a name the picture resolver turns into a bitmap.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Colour.h"
#include "gfx/Font.h"

namespace ui {

using PictureResolver = std::function<std::shared_ptr<const gfx::Bitmap>(const std::string& name)>;

class PropertyBag {
public:
    // --- raw text values ---
    std::string ReadProperty(std::string_view key, std::string_view defaultValue = {}) const;
    // Stores value; when it equals defaultValue the key is removed instead.
    void WriteProperty(std::string_view key, std::string_view value, std::optional<std::string_view> defaultValue);
    bool Has(std::string_view key) const;
    void Remove(std::string_view key);
    // In the order first written.
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }

    // --- typed (a default of nullopt: always written) ---
    std::string ReadString(std::string_view key, std::string_view def) const { return ReadProperty(key, def); }
    void WriteString(std::string_view key, std::string_view v, std::optional<std::string_view> def) {
        WriteProperty(key, v, def);
    }
    int32_t ReadLong(std::string_view key, int32_t def) const;
    void WriteLong(std::string_view key, int32_t v, std::optional<int32_t> def);
    int16_t ReadInteger(std::string_view key, int16_t def) const;
    void WriteInteger(std::string_view key, int16_t v, std::optional<int16_t> def);
    gfx::Colour ReadColour(std::string_view key, gfx::Colour def) const;
    void WriteColour(std::string_view key, gfx::Colour v, std::optional<gfx::Colour> def);
    bool ReadBool(std::string_view key, bool def) const;
    void WriteBool(std::string_view key, bool v, std::optional<bool> def);
    gfx::FontDesc ReadFont(std::string_view key, const gfx::FontDesc& def) const;
    void WriteFont(std::string_view key, const gfx::FontDesc& v, std::optional<gfx::FontDesc> def);
    // nullptr when absent or unreadable.
    std::shared_ptr<const gfx::Bitmap> ReadPicture(std::string_view key) const;
    // nullptr (none, the default) removes the key.
    void WritePicture(std::string_view key, const std::shared_ptr<const gfx::Bitmap>& v);
    void SetPictureResolver(PictureResolver r) { resolver_ = std::move(r); }

    // --- value encodings ---
    static std::string EncodeColour(gfx::Colour c);
    static std::optional<int64_t> ParseNumber(std::string_view text);
    static std::string EncodeFont(const gfx::FontDesc& f);
    static std::optional<gfx::FontDesc> ParseFont(std::string_view text);

    // "key = value" lines.
    std::string Serialize() const;
    static PropertyBag Parse(std::string_view text);
    friend bool operator==(const PropertyBag& a, const PropertyBag& b) { return a.entries_ == b.entries_; }

private:
    std::vector<std::pair<std::string, std::string>>::iterator Find(std::string_view key);
    std::vector<std::pair<std::string, std::string>>::const_iterator Find(std::string_view key) const;

    std::vector<std::pair<std::string, std::string>> entries_;
    PictureResolver resolver_;
};

class FormData {
public:
    // Sections "[name]" then "key = value" lines; blank lines and lines starting
    // with ";" or "#" are ignored.
    static FormData Parse(std::string_view text);
    std::string Serialize() const;

    // The bag of a control, created empty when missing (names match without case).
    PropertyBag& Section(std::string_view name);
    const PropertyBag* Find(std::string_view name) const;
    std::vector<std::string> Names() const;
    // Given to every bag, present and future.
    void SetPictureResolver(PictureResolver r);

private:
    std::deque<std::pair<std::string, PropertyBag>> sections_;  // references to bags stay valid
    PictureResolver resolver_;
};

}  // namespace ui
