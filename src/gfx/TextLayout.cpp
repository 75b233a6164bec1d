#include "gfx/TextLayout.h"

namespace gfx {

PrefixedText ProcessPrefix(std::u32string_view text) {
    PrefixedText out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            out.text.push_back(text[i]);
            continue;
        }
        if (i + 1 >= text.size()) break;
        ++i;
        if (text[i] != U'&') out.underline = static_cast<int>(out.text.size());
        out.text.push_back(text[i]);
    }
    return out;
}

bool IsCjk(char32_t ch) {
    return (ch >= 0x2E80 && ch <= 0x9FFF) || (ch >= 0xAC00 && ch <= 0xD7AF) || (ch >= 0xF900 && ch <= 0xFAFF) ||
           (ch >= 0xFF00 && ch <= 0xFFEF) || (ch >= 0x20000 && ch <= 0x3FFFF);
}

namespace {

bool IsBlank(char32_t ch) { return ch == U' ' || ch == U'\t'; }

// Breaks one paragraph [start, end) of text into lines.
void BreakParagraph(const Font& font, std::u32string_view text, size_t start, size_t end, int maxWidth,
                    std::vector<TextLine>& lines) {
    TextLine line{start, start, 0};
    size_t i = start;
    int pending = 0;  // width of the blanks after the line's last word
    while (i < end) {
        if (IsBlank(text[i])) {
            pending += font.Advance(text[i]);
            ++i;
            continue;
        }
        // A word: a run of non-blank, non-CJK characters, or one CJK character.
        size_t j = i + 1;
        if (!IsCjk(text[i]))
            while (j < end && !IsBlank(text[j]) && !IsCjk(text[j])) ++j;
        const int w = font.MeasureWidth(text.substr(i, j - i));
        const bool empty = line.end == line.start;
        if (!empty && maxWidth >= 0 && line.width + pending + w > maxWidth) {
            lines.push_back(line);
            line = {i, j, w};
        } else {
            line.width += pending + w;
            line.end = j;
        }
        pending = 0;
        i = j;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<TextLine> BreakLines(const Font& font, std::u32string_view text, int maxWidth, bool singleLine) {
    std::vector<TextLine> lines;
    if (singleLine) {
        TextLine line{0, text.size(), font.MeasureWidth(text)};
        lines.push_back(line);
        return lines;
    }
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != U'\n' && text[i] != U'\r') continue;
        BreakParagraph(font, text, start, i, maxWidth, lines);
        if (i + 1 < text.size() && text[i] == U'\r' && text[i + 1] == U'\n') ++i;
        start = i + 1;
    }
    return lines;
}

}  // namespace gfx
