#pragma once
// The information actions: the two web pages, the About box and the help page.
#include <string>

namespace window {

class FrmMain;
struct Program;

// The rights notice on LbBR and the web-site button's caption.
void SetSidePanelTexts(FrmMain& frmMain);
void OpenWebPage(FrmMain& frmMain, const std::string& address);
void ShowAbout(FrmMain& frmMain);
// The About text exactly as shown.
std::string AboutText();
// A file:// URL for an absolute path, percent-encoded.
std::string FileURL(const std::string& path);
// Opens the help page in the default browser.
void ShowHelp(Program& program);
void WireSidePanelHandlers(Program& program);

}  // namespace window
