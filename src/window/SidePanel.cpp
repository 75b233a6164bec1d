#include "window/SidePanel.h"

#include <cctype>

#include "ui/App.h"
#include "ui/MessageBox.h"
#include "window/AppInfo.h"
#include "window/FrmMain.h"
#include "window/Program.h"

namespace window {

void SetSidePanelTexts(FrmMain& f) {
    f.LbBR->SetCaption(kRightsNotice);
    f.XPButton3->SetCaption("官方网站");
}

void OpenWebPage(FrmMain& f, const std::string& address) { f.GetApp().Backend().OpenURL(address); }

std::string AboutText() {
    return std::string("经典的Vormelk游戏。\r\n\r\n详情请登陆软件官方网站 ") + kVendorHomePage + "/ ";
}

void ShowAbout(FrmMain& f) {
    ui::MessageBox(f.GetApp(), &f, AboutText(), ui::MsgButtons::Ok, ui::MsgIcon::Information, 0,
                   std::string("关于 ") + kAppTitle);
}

std::string FileURL(const std::string& path) {
    // Everything but the unreserved characters and the separators is escaped,
    // so a folder with a space, '#' or '%' still names the file.
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path) {
        if ((c < 0x80 && std::isalnum(c)) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

void ShowHelp(Program& p) { p.app.Backend().OpenURL(FileURL(p.HelpFile)); }

void WireSidePanelHandlers(Program& p) {
    FrmMain& f = *p.frmMain;
    f.LbBR->Click = [&f] { OpenWebPage(f, kVendorHomePage); };
    f.XPButton3->Click = [&f] { OpenWebPage(f, kProductPage); };
    f.XPButton4->Click = [&f] { ShowAbout(f); };
}

}  // namespace window
