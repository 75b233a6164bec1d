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

namespace {

// One row widened S times; a constant S lets the compiler unroll and vectorise.
template <int S>
void WidenRow(const uint32_t* in, int n, uint32_t* out) {
    for (int x = 0; x < n; ++x)
        for (int k = 0; k < S; ++k) out[x * S + k] = in[x];
}

}  // namespace

void WidenRow(const uint32_t* in, int n, int s, uint32_t* out) {
    switch (s) {
        case 1: std::memcpy(out, in, static_cast<size_t>(n) * 4); break;
        case 2: WidenRow<2>(in, n, out); break;
        case 3: WidenRow<3>(in, n, out); break;
        case 4: WidenRow<4>(in, n, out); break;
        default:
            for (int x = 0; x < n; ++x)
                for (int k = 0; k < s; ++k) *out++ = in[x];
    }
}

void MagnifyRect(const gfx::Bitmap& src, const gfx::Rect& r, int s, uint32_t* dst, size_t dstPitch) {
    const size_t bytes = static_cast<size_t>(r.Width()) * s * 4;
    auto* base = reinterpret_cast<uint8_t*>(dst);
    for (int y = r.top; y < r.bottom; ++y) {
        uint8_t* first = base + static_cast<size_t>(y) * s * dstPitch + static_cast<size_t>(r.left) * s * 4;
        WidenRow(src.Row(y) + r.left, r.Width(), s, reinterpret_cast<uint32_t*>(first));
        for (int k = 1; k < s; ++k) std::memcpy(first + static_cast<size_t>(k) * dstPitch, first, bytes);
    }
}

}  // namespace platform
