#include "window/GameHookup.h"

#include "game/GameWindow.h"
#include "window/Frame.h"
#include "window/FrmMain.h"
#include "window/PictureStore.h"
#include "window/Program.h"
#include "window/SidePanel.h"
#include "window/Startup.h"

namespace window {

namespace {

std::unique_ptr<game::GameWindow> MakeGameWindow(Program& p) {
    FrmMain& f = *p.frmMain;
    game::GameWindow::Controls c;
    c.frmMain = &f;
    c.Picture1 = f.Picture1;
    c.Picture3 = f.Picture3;
    c.Label3 = f.Label3;
    c.Label4 = f.Label4;
    c.Timer1 = f.Timer1.get();
    c.Timer2 = f.Timer2.get();
    c.XPButton1 = f.XPButton1;
    c.XPButton2 = f.XPButton2;
    c.XPButton5 = f.XPButton5;
    const PictureStore& store = *p.Form2;
    game::GameWindow::Pictures pictures;
    for (int i = 0; i < 50; ++i) pictures.tileFaces[i] = store.Picture1[i].get();
    pictures.pausePicture = store.Picture3.get();
    pictures.timeBar = store.Picture4.get();
    pictures.banners[0] = store.Picture5[0].get();
    pictures.banners[1] = store.Picture5[1].get();
    return std::make_unique<game::GameWindow>(p.app, c, pictures, p.env.programFolder);
}

}  // namespace

void HookUpMainWindow(Program& p) {
    p.game = MakeGameWindow(p);
    p.game->WireHandlers();
    FrmMain& f = *p.frmMain;
    f.XPButton6->Click = [&p] { ConfirmExit(p); };
    WireFrameHandlers(p);
    WireSidePanelHandlers(p);
    f.HelpRequested = [&p] { ShowHelp(p); };
}

}  // namespace window
