#pragma once
// Fonts: FreeType faces found by fontconfig, described the way the forms
// describe them (face name, size in points at 96 dpi, style flags).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gfx {

struct FontDesc {
    std::string face = "SimSun";
    double points = 9.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

// Pixel height of a font size at 96 dpi: round(pt * 96 / 72); 9 pt -> 12, 10.5 -> 14, 14.25 -> 19.
int PointsToPixels(double points);

// Decodes UTF-8; invalid bytes become U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

// One rendered glyph: an 8-bit coverage mask placed relative to the pen
// position on the baseline (left = x offset, top = rows above the baseline).
struct Glyph {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<uint8_t> coverage;  // width * height, 0..255
};

class Font {
public:
    // Resolves the face and loads it. Throws std::runtime_error naming the face
    // when no installed font can show it.
    static std::shared_ptr<Font> Create(const FontDesc& desc);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontDesc& Desc() const { return desc_; }
    const std::string& FamilyName() const { return family_; }  // the installed face used
    const std::string& FilePath() const { return file_; }
    int PixelSize() const { return pixelSize_; }
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }
    int LineHeight() const { return ascent_ + descent_; }

    bool HasGlyph(char32_t ch) const;
    const Glyph& GetGlyph(char32_t ch) const;  // cached
    int Advance(char32_t ch) const { return GetGlyph(ch).advance; }
    int MeasureWidth(std::u32string_view text) const;
    int MeasureWidth(std::string_view utf8) const { return MeasureWidth(DecodeUtf8(utf8)); }

    // Underline and strike-out bars: offset below/above the baseline and thickness.
    int UnderlinePosition() const { return underlinePos_; }
    int StrikeOutPosition() const { return strikePos_; }
    int LineThickness() const { return thickness_; }

private:
    struct Impl;
    explicit Font(const FontDesc& desc);
    Glyph Render(char32_t ch) const;

    FontDesc desc_;
    std::string family_;
    std::string file_;
    int pixelSize_ = 0;
    int ascent_ = 0;
    int descent_ = 0;
    int underlinePos_ = 1;
    int strikePos_ = 0;
    int thickness_ = 1;
    std::unique_ptr<Impl> impl_;
    mutable std::unordered_map<char32_t, Glyph> cache_;
};

}  // namespace gfx
