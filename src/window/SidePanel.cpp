#include "window/SidePanel.h"

#include <cctype>

#include "ui/App.h"
#include "ui/MessageBox.h"
#include "window/AppInfo.h"
#include "window/FrmMain.h"
#include "window/Startup.h"

namespace window {

void SetSidePanelTexts() {
    frmMain->LbBR->SetCaption(kRightsNotice);
    frmMain->XPButton3->SetCaption("官方网站");
}

void OpenWebPage(const std::string& address) { frmMain->GetApp().Backend().OpenURL(address); }

std::string AboutText() {
    return std::string("经典的Vormelk游戏。\r\n\r\n详情请登陆软件官方网站 ") + kVendorHomePage + "/ ";
}

void ShowAbout() {
    ui::MessageBox(frmMain->GetApp(), frmMain, AboutText(), ui::MsgButtons::Ok, ui::MsgIcon::Information, 0,
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

void ShowHelp() { frmMain->GetApp().Backend().OpenURL(FileURL(HelpFile)); }

void WireSidePanelHandlers() {
    FrmMain& f = *frmMain;
    f.LbBR->Click = [] { OpenWebPage(kVendorHomePage); };
    f.XPButton3->Click = [] { OpenWebPage(kProductPage); };
    f.XPButton4->Click = ShowAbout;
}

}  // namespace window
