#pragma once
// Caption text rule: "||" is a line break. (The access key behind an unpaired
// "&" is found by ui::Control::ParseAccessKey.)
#include <string>

namespace widgets {

// The caption as drawn and measured: each "||" becomes a line break.
std::string CaptionDisplayText(const std::string& caption);

}  // namespace widgets
