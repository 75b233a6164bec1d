#pragma once
// Caption text rules: the access key behind an unpaired "&", and "||" as a line break.
#include <optional>
#include <string>

namespace widgets {

// The character after the last "&" that is not half of a doubled "&&"; doubled
// ones are skipped as a whole and the search goes on to their left. None when
// the caption has no such "&". The caption is UTF-8.
std::optional<char32_t> FindAccessKey(const std::string& caption);

// The caption as drawn and measured: each "||" becomes a line break.
std::string CaptionDisplayText(const std::string& caption);

}  // namespace widgets
