#pragma once
// Line breaking and ampersand prefixes for Canvas::DrawText.
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Font.h"

namespace gfx {

struct PrefixedText {
    std::u32string text;  // what is shown
    int underline = -1;   // index in text of the access-key character, -1 if none
};

// "&x" underlines x, "&&" shows one "&", a lone trailing "&" is dropped.
PrefixedText ProcessPrefix(std::u32string_view text);

struct TextLine {
    size_t start = 0;  // range of the shown text, trailing blanks excluded
    size_t end = 0;
    int width = 0;
};

// Splits at "\n", "\r\n" and "\r" (unless singleLine), and, when maxWidth >= 0,
// greedily at blanks and between CJK characters; a word wider than maxWidth
// keeps a line of its own.
std::vector<TextLine> BreakLines(const Font& font, std::u32string_view text, int maxWidth, bool singleLine);

bool IsCjk(char32_t ch);

}  // namespace gfx
