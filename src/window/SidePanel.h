#pragma once
// The information actions: the two web pages, the About box and the help page.
#include <string>

namespace window {

// The rights notice on LbBR and the web-site button's caption.
void SetSidePanelTexts();
void OpenWebPage(const std::string& address);
void ShowAbout();
// The About text exactly as shown.
std::string AboutText();
// A file:// URL for an absolute path, percent-encoded.
std::string FileURL(const std::string& path);
// Opens the help page in the default browser.
void ShowHelp();
void WireSidePanelHandlers();

}  // namespace window
