#include "widgets/xpbutton/Caption.h"

namespace widgets {

namespace {

// Decodes the UTF-8 character starting at byte i (a stray byte stands for itself).
char32_t DecodeAt(const std::string& s, size_t i) {
    auto b = static_cast<unsigned char>(s[i]);
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (extra == 0 || i + static_cast<size_t>(extra) >= s.size()) return b;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}

}  // namespace

std::optional<char32_t> FindAccessKey(const std::string& caption) {
    size_t end = caption.size();
    while (end > 0) {
        size_t amp = caption.rfind('&', end - 1);
        if (amp == std::string::npos) return std::nullopt;
        if (amp > 0 && caption[amp - 1] == '&') {
            if (amp < 2) return std::nullopt;
            end = amp - 1;  // skip the literal "&&" and look further left
            continue;
        }
        if (amp + 1 >= caption.size()) return std::nullopt;
        return DecodeAt(caption, amp + 1);
    }
    return std::nullopt;
}

std::string CaptionDisplayText(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '|' && i + 1 < caption.size() && caption[i + 1] == '|') {
            out += '\n';
            ++i;
        } else {
            out += caption[i];
        }
    }
    return out;
}

}  // namespace widgets
