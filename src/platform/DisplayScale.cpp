#include "platform/DisplayScale.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/Platform.h"

namespace platform {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::optional<int> WholeNumber(std::string_view text) {
    text = Trim(text);
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

// The desktop's own factor, before the screen has its say.
int DesktopScale(const ScaleSources& in) {
    if (in.gdkScale)
        if (auto v = WholeNumber(*in.gdkScale)) return *v;
    if (auto dpi = XftDpi(in.resources)) return static_cast<int>(std::floor(*dpi / 96.0));
    return 1;
}

std::optional<std::string> Env(const char* name) {
    const char* v = std::getenv(name);
    if (!v) return std::nullopt;
    return std::string(v);
}

}  // namespace

std::optional<double> XftDpi(std::string_view resources) {
    constexpr std::string_view kKey = "Xft.dpi:";
    while (!resources.empty()) {
        const size_t nl = resources.find('\n');
        std::string_view line = resources.substr(0, nl);
        resources = nl == std::string_view::npos ? std::string_view{} : resources.substr(nl + 1);
        if (!line.starts_with(kKey)) continue;
        line = Trim(line.substr(kKey.size()));
        double v = 0;
        auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), v);
        if (ec == std::errc() && end == line.data() + line.size() && std::isfinite(v)) return v;
    }
    return std::nullopt;
}

ScaleChoice ChooseScale(const ScaleSources& in) {
    ScaleChoice out;
    int asked = 0;  // 0: not asked, or refused
    if (in.kelvaroScale) {
        asked = WholeNumber(*in.kelvaroScale).value_or(0);
        if (asked < 1 || asked > kMaxScale) {
            asked = 0;
            out.warning = "Kelvaro: KELVARO_SCALE=\"" + *in.kelvaroScale +
                          "\" is not 1, 2, 3 or 4; choosing the scale automatically";
        }
    }
    int s = asked != 0 ? asked : DesktopScale(in);
    if (s < 1) s = 1;
    if (s > kMaxScale) s = kMaxScale;
    while (s > 1 && (in.window.x * s > in.screen.x || in.window.y * s > in.screen.y)) --s;
    out.scale = s;
    return out;
}

ScaleSources GatherScaleSources(Backend& backend, gfx::Point window) {
    ScaleSources in;
    in.kelvaroScale = Env("KELVARO_SCALE");
    in.gdkScale = Env("GDK_SCALE");
    in.resources = backend.DesktopResources();
    in.screen = backend.ScreenSize();
    in.window = window;
    return in;
}

gfx::Region MagnifyRegion(const gfx::Region& region, int s) {
    if (s == 1) return region;
    gfx::Region out;
    for (const gfx::Rect& r : region.Rects())
        out = out.Union(gfx::Region::FromRect(r.left * s, r.top * s, r.right * s, r.bottom * s));
    return out;
}

gfx::Bitmap MagnifyBitmap(const gfx::Bitmap& picture, int s) {
    gfx::Bitmap out(picture.Width() * s, picture.Height() * s, 0);
    MagnifyRect(picture, {0, 0, picture.Width(), picture.Height()}, s, out.Data(),
                static_cast<size_t>(out.Width()) * 4);
    return out;
}

void MagnifyRect(const gfx::Bitmap& src, const gfx::Rect& r, int s, uint32_t* dst, size_t dstPitch) {
    const size_t bytes = static_cast<size_t>(r.Width()) * s * 4;
    auto* base = reinterpret_cast<uint8_t*>(dst);
    for (int y = r.top; y < r.bottom; ++y) {
        const uint32_t* in = src.Row(y) + r.left;
        auto* first = reinterpret_cast<uint32_t*>(base + static_cast<size_t>(y) * s * dstPitch) + r.left * s;
        if (s == 1) {
            std::memcpy(first, in, bytes);
            continue;
        }
        uint32_t* out = first;
        for (int x = 0; x < r.Width(); ++x)
            for (int k = 0; k < s; ++k) *out++ = in[x];
        for (int k = 1; k < s; ++k)
            std::memcpy(reinterpret_cast<uint8_t*>(first) + static_cast<size_t>(k) * dstPitch, first, bytes);
    }
}

}  // namespace platform
