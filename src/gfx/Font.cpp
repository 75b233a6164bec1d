#include "gfx/Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BITMAP_H

#include <cmath>
#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <type_traits>

#include "gfx/FontResolver.h"

namespace gfx {

namespace {

using LibraryHandle = std::shared_ptr<std::remove_pointer_t<FT_Library>>;

// The library lives as long as the last font that uses it: a font destroyed
// late in exit() (a static, or the main form) must not outlive it.
LibraryHandle Library() {
    static std::weak_ptr<std::remove_pointer_t<FT_Library>> shared;
    if (LibraryHandle lib = shared.lock()) return lib;
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) != 0) throw std::runtime_error("FreeType could not be initialised");
    LibraryHandle lib(raw, FT_Done_FreeType);
    shared = lib;
    return lib;
}

FT_Face OpenFace(FT_Library library, const ResolvedFace& rf, int pixels) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, rf.file.c_str(), rf.index, &face) != 0)
        throw std::runtime_error("font \"" + rf.family + "\" could not be opened: " + rf.file);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    return face;
}

// Copies a rendered FreeType bitmap into 8-bit coverage.
void TakeBitmap(const FT_Bitmap& bm, Glyph& g) {
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.coverage.assign(static_cast<size_t>(g.width) * g.height, 0);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
        for (int x = 0; x < g.width; ++x) {
            uint8_t v = 0;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY)
                v = row[x];
            g.coverage[static_cast<size_t>(y) * g.width + x] = v;
        }
    }
}

// Bold by double strike: the glyph ORed with itself one pixel to the right.
void DoubleStrike(Glyph& g) {
    if (g.width == 0) {
        g.advance += 1;
        return;
    }
    const int w = g.width + 1;
    std::vector<uint8_t> out(static_cast<size_t>(w) * g.height, 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t a = x < g.width ? g.coverage[static_cast<size_t>(y) * g.width + x] : 0;
            const uint8_t b = x > 0 ? g.coverage[static_cast<size_t>(y) * g.width + x - 1] : 0;
            out[static_cast<size_t>(y) * w + x] = a > b ? a : b;
        }
    g.width = w;
    g.coverage = std::move(out);
    g.advance += 1;
}

}  // namespace

int PointsToPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

struct Font::Impl {
    LibraryHandle library = Library();  // destroyed after the faces below
    ResolvedFace resolved;
    FT_Face face = nullptr;
    FT_Face fallback = nullptr;
    bool fallbackTried = false;
    ~Impl() {
        if (fallback) FT_Done_Face(fallback);
        if (face) FT_Done_Face(face);
    }
};

std::shared_ptr<Font> Font::Create(const FontDesc& desc) {
    // Fonts are shared while anyone holds them; the glyph cache goes with them.
    static std::map<std::tuple<std::string, double, bool, bool, bool, bool>, std::weak_ptr<Font>> live;
    const auto key = std::make_tuple(desc.face, desc.points, desc.bold, desc.italic, desc.underline, desc.strikeOut);
    if (auto it = live.find(key); it != live.end())
        if (auto font = it->second.lock()) return font;
    std::shared_ptr<Font> font(new Font(desc));
    live[key] = font;
    return font;
}

Font::Font(const FontDesc& desc) : desc_(desc), impl_(std::make_unique<Impl>()) {
    pixelSize_ = PointsToPixels(desc.points);
    if (pixelSize_ < 1) pixelSize_ = 1;
    impl_->resolved = ResolveFace(desc);
    family_ = impl_->resolved.family;
    file_ = impl_->resolved.file;
    impl_->face = OpenFace(impl_->library.get(), impl_->resolved, pixelSize_);
    if (impl_->resolved.cjk) {
        // Cell metrics of the Song face it stands for: ascent 220/256 of the height.
        ascent_ = static_cast<int>(std::lround(pixelSize_ * 220.0 / 256.0));
        descent_ = pixelSize_ - ascent_;
    } else {
        const FT_Size_Metrics& m = impl_->face->size->metrics;
        ascent_ = static_cast<int>((m.ascender + 63) >> 6);
        descent_ = static_cast<int>((-m.descender + 63) >> 6);
    }
    thickness_ = pixelSize_ >= 24 ? pixelSize_ / 12 : 1;
    underlinePos_ = descent_ > 1 ? 1 : 0;
    strikePos_ = ascent_ / 3;
}

Font::~Font() = default;

bool Font::HasGlyph(char32_t ch) const { return FT_Get_Char_Index(impl_->face, ch) != 0; }

const Glyph& Font::GetGlyph(char32_t ch) const {
    auto it = cache_.find(ch);
    if (it == cache_.end()) it = cache_.emplace(ch, Render(ch)).first;
    return it->second;
}

int Font::MeasureWidth(std::u32string_view text) const {
    int w = 0;
    for (char32_t ch : text) w += Advance(ch);
    return w;
}

Glyph Font::Render(char32_t ch) const {
    FT_Face face = impl_->face;
    if (FT_Get_Char_Index(face, ch) == 0 && ch >= 0x80) {
        if (!impl_->fallbackTried) {
            impl_->fallbackTried = true;
            try {
                if (!impl_->resolved.cjk) impl_->fallback = OpenFace(impl_->library.get(), ResolveCjkFace(desc_.face), pixelSize_);
            } catch (const std::runtime_error&) {
                impl_->fallback = nullptr;
            }
        }
        if (impl_->fallback && FT_Get_Char_Index(impl_->fallback, ch) != 0) face = impl_->fallback;
    }
    Glyph g;
    if (ch == U'\n' || ch == U'\r') return g;
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    // Embedded bitmap strikes (the CJK face has them at 11..16 px) are used as
    // they are; outlines are hinted and rendered in monochrome, which keeps
    // the small captions crisp like the bitmap Song faces they replace.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) return g;
    FT_GlyphSlot slot = face->glyph;
    const bool synthBold = desc_.bold && !impl_->resolved.hasBold;
    const bool synthItalic = desc_.italic && !impl_->resolved.hasItalic;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE && synthItalic) {
        FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0 && slot->format != FT_GLYPH_FORMAT_BITMAP) return g;
    TakeBitmap(slot->bitmap, g);
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (synthBold) DoubleStrike(g);
    return g;
}

}  // namespace gfx
