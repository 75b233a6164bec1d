// Text output: TextOut and DrawText with the usual flags.
#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextLayout.h"

namespace gfx {

std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > s.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t ch = len == 1 ? c : c & (0x7F >> len);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            const unsigned char cc = static_cast<unsigned char>(s[i + k]);
            ok = ok && (cc & 0xC0) == 0x80;
            ch = (ch << 6) | (cc & 0x3F);
        }
        out.push_back(ok ? ch : U'\uFFFD');
        i += ok ? len : 1;
    }
    return out;
}

const Font& Canvas::RequireFont() const {
    if (!state_.font) const_cast<Canvas*>(this)->state_.font = Font::Create(FontDesc{});
    return *state_.font;
}

// Draws glyphs with the pen position on the baseline, in device space; the
// range [underlineFrom, underlineTo) of characters gets an underline bar.
void Canvas::DrawGlyphs(int x, int baseline, std::u32string_view text, int underlineFrom, int underlineTo) {
    const Font& font = RequireFont();
    const uint32_t colour = ResolveColor(state_.textColour) & 0xFFFFFFu;
    const int startX = x;
    int ulStart = x, ulEnd = x;
    for (size_t i = 0; i < text.size(); ++i) {
        const Glyph& g = font.GetGlyph(text[i]);
        if (static_cast<int>(i) == underlineFrom) ulStart = x;
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx) {
                const uint32_t a = g.coverage[static_cast<size_t>(gy) * g.width + gx];
                const int px = x + g.left + gx, py = baseline - g.top + gy;
                if (a == 0 || !Visible(px, py)) continue;
                const uint32_t d = target_->Raw(px, py);
                uint32_t out = 0;
                for (int sh = 0; sh < 24; sh += 8)
                    out |= ((((colour >> sh) & 0xFF) * a + ((d >> sh) & 0xFF) * (255 - a) + 127) / 255) << sh;
                target_->OpaqueRow(py)[px] = out | Bitmap::kOpaque;
            }
        x += g.advance;
        if (static_cast<int>(i) + 1 == underlineTo) ulEnd = x;
    }
    const int t = font.LineThickness();
    if (underlineTo > underlineFrom) FillRegionDevice(Region::FromRect(ulStart, baseline + font.UnderlinePosition(), ulEnd, baseline + font.UnderlinePosition() + t), colour);
    if (font.Desc().underline)
        FillRegionDevice(Region::FromRect(startX, baseline + font.UnderlinePosition(), x, baseline + font.UnderlinePosition() + t), colour);
    if (font.Desc().strikeOut)
        FillRegionDevice(Region::FromRect(startX, baseline - font.StrikeOutPosition(), x, baseline - font.StrikeOutPosition() + t), colour);
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    const Font& font = RequireFont();
    const std::u32string u = DecodeUtf8(text);
    const int dx = x + state_.origin.x, dy = y + state_.origin.y;
    if (!state_.textTransparent)
        FillRegionDevice(Region::FromRect(dx, dy, dx + font.MeasureWidth(u), dy + font.LineHeight()), state_.textBackground);
    DrawGlyphs(dx, dy + font.Ascent(), u, -1, -1);
}

Size Canvas::MeasureText(std::string_view text, int maxWidth, unsigned flags) {
    Rect r{0, 0, maxWidth, 0};
    DrawText(text, r, flags | kDtCalcRect);
    return {r.Width(), r.Height()};
}

int Canvas::DrawText(std::string_view text, Rect& r, unsigned flags) {
    const Font& font = RequireFont();
    const std::u32string raw = DecodeUtf8(text);
    PrefixedText shown = (flags & kDtNoPrefix) ? PrefixedText{raw, -1} : ProcessPrefix(raw);
    const bool single = (flags & kDtSingleLine) != 0;
    const int maxWidth = (flags & kDtWordBreak) && !single ? r.Width() : -1;
    const std::vector<TextLine> lines = BreakLines(font, shown.text, maxWidth, single);
    const int lh = font.LineHeight();
    const int height = lh * static_cast<int>(lines.size());
    if (flags & kDtCalcRect) {
        int width = 0;
        for (const auto& line : lines) width = std::max(width, line.width);
        r.right = r.left + width;
        r.bottom = r.top + height;
        return height;
    }
    int y = r.top;
    if (single && (flags & kDtVCenter)) y = r.top + (r.Height() - lh) / 2;
    else if (single && (flags & kDtBottom)) y = r.bottom - lh;
    Save();
    if (!(flags & kDtNoClip)) {
        Region box = Region::FromRect(r.Offset(state_.origin.x, state_.origin.y));
        state_.clip = state_.clip ? state_.clip->Intersect(box) : box;
    }
    const std::u32string_view all(shown.text);
    for (const TextLine& line : lines) {
        int x = r.left;
        if (flags & kDtCenter) x = r.left + (r.Width() - line.width) / 2;
        else if (flags & kDtRight) x = r.right - line.width;
        const int ul = shown.underline;
        const bool here = ul >= static_cast<int>(line.start) && ul < static_cast<int>(line.end);
        const int from = here ? ul - static_cast<int>(line.start) : -1;
        const int dx = x + state_.origin.x, dy = y + state_.origin.y;
        if (!state_.textTransparent)
            FillRegionDevice(Region::FromRect(dx, dy, dx + line.width, dy + lh), state_.textBackground);
        DrawGlyphs(dx, dy + font.Ascent(), all.substr(line.start, line.end - line.start), from, here ? from + 1 : -1);
        y += lh;
    }
    Restore();
    return height;
}

}  // namespace gfx
