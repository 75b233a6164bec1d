#pragma once
// Base64 (RFC 4648, with padding) for pictures kept as text in the form data.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

std::string EncodeBase64(const std::vector<unsigned char>& bytes);
// nullopt when the text holds anything but the alphabet, padding and whitespace.
std::optional<std::vector<unsigned char>> DecodeBase64(std::string_view text);

}  // namespace ui
