#pragma once
// The program's fixed texts and addresses, kept in one place.
#include <string>

namespace window {

// Settings application name, start of the caption, title of the message boxes.
inline constexpr const char* kAppTitle = "Kelvaro";

// The product has no site yet: both addresses lie under a reserved example domain.
inline constexpr const char* kVendorHomePage = "https://www.example.com";
inline constexpr const char* kProductPage = "https://www.example.com/kelvaro/";
// Starts with one blank and ends with the vendor's address.
inline constexpr const char* kRightsNotice = " 版权所有 © 2026 Kelvaro 制作组  https://www.example.com";

inline constexpr const char* kHelpFile = "\\help.html";
inline constexpr const char* kSettingsSection = "SetLog";
inline constexpr const char* kKeyX = "frmMainX";
inline constexpr const char* kKeyY = "frmMainY";

// "Kelvaro 1.0.5": the title, one blank, major.minor.revision of the project's version.
std::string WindowCaption();

}  // namespace window
