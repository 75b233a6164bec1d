#include "gfx/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <stdexcept>
#include <tuple>

namespace gfx {

namespace {

// The character that names the Song face (宋): a face without it cannot stand in for it.
constexpr FcChar32 kCjkProbe = 0x5B8B;

// Installed CJK faces, Song/Ming style first.
constexpr std::array<const char*, 8> kCjkFallbacks = {
    "AR PL UMing CN", "AR PL UMing TW", "AR PL New Sung", "Noto Serif CJK SC",
    "Noto Sans CJK SC", "WenQuanYi Zen Hei", "Droid Sans Fallback", "AR PL UKai CN",
};

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

bool IsChineseWindowsFace(const std::string& face) {
    for (const char* name : {"SimSun", "NSimSun", "\xE5\xAE\x8B\xE4\xBD\x93", "\xE6\x96\xB0\xE5\xAE\x8B\xE4\xBD\x93"})
        if (SameName(face, name)) return true;
    return false;
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

FcConfig* Config() {
    // Finalised at exit so leak checkers see fontconfig's caches released.
    struct Holder {
        FcConfig* config;
        Holder() : config((FcInit(), FcConfigGetCurrent())) {}
        ~Holder() { FcFini(); }
    };
    static Holder holder;
    return holder.config;
}

PatternPtr Match(const std::string& family, bool bold, bool italic, bool zh) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (zh) FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    return PatternPtr(FcFontMatch(Config(), pattern.get(), &result));
}

ResolvedFace FromPattern(FcPattern* p) {
    ResolvedFace face;
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, FC_FAMILY, 0, &s) == FcResultMatch) face.family = reinterpret_cast<char*>(s);
    if (FcPatternGetString(p, FC_FILE, 0, &s) == FcResultMatch) face.file = reinterpret_cast<char*>(s);
    FcPatternGetInteger(p, FC_INDEX, 0, &face.index);
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(p, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(p, FC_SLANT, 0, &slant);
    FcBool embolden = FcFalse;
    FcPatternGetBool(p, FC_EMBOLDEN, 0, &embolden);
    // fontconfig copies the asked-for weight and flags emboldening when the face has no bold.
    face.hasBold = weight >= FC_WEIGHT_DEMIBOLD && !embolden;
    face.hasItalic = slant != FC_SLANT_ROMAN;
    return face;
}

bool Covers(FcPattern* p, FcChar32 ch) {
    FcCharSet* set = nullptr;
    return FcPatternGetCharSet(p, FC_CHARSET, 0, &set) == FcResultMatch && FcCharSetHasChar(set, ch);
}

ResolvedFace FindCjk(const std::string& requested, bool bold, bool italic) {
    PatternPtr m = Match(requested, bold, italic, true);
    if (!m || !Covers(m.get(), kCjkProbe)) {
        m.reset();
        for (const char* name : kCjkFallbacks) {
            PatternPtr candidate = Match(name, bold, italic, true);
            if (candidate && Covers(candidate.get(), kCjkProbe)) {
                m = std::move(candidate);
                break;
            }
        }
    }
    if (!m) throw std::runtime_error("font \"" + requested + "\": no installed font can show Chinese text");
    ResolvedFace face = FromPattern(m.get());
    face.cjk = true;
    return face;
}

}  // namespace

ResolvedFace ResolveCjkFace(const std::string& requested) { return FindCjk(requested, false, false); }

ResolvedFace ResolveFace(const FontDesc& desc) {
    using Key = std::tuple<std::string, bool, bool>;
    static std::map<Key, ResolvedFace> cache;
    const Key key{desc.face, desc.bold, desc.italic};
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    ResolvedFace face;
    if (IsChineseWindowsFace(desc.face) || desc.face.empty()) {
        face = FindCjk(desc.face.empty() ? "SimSun" : desc.face, desc.bold, desc.italic);
    } else {
        // fontconfig always answers; only an installed family of that name counts.
        PatternPtr m = Match(desc.face, desc.bold, desc.italic, false);
        ResolvedFace direct = m ? FromPattern(m.get()) : ResolvedFace{};
        face = SameName(direct.family, desc.face) && !direct.file.empty() ? direct
                                                                           : FindCjk(desc.face, desc.bold, desc.italic);
    }
    if (face.file.empty()) throw std::runtime_error("font \"" + desc.face + "\" not found");
    cache.emplace(key, face);
    return face;
}

}  // namespace gfx
