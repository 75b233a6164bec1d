#include "widgets/xpbutton/Caption.h"

namespace widgets {

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
