#include "window/GameHookup.h"

#include "flow/GameWiring.h"
#include "game/GameControls.h"
#include "game/GameEnv.h"
#include "platform/Platform.h"
#include "window/Frame.h"
#include "window/FrmMain.h"
#include "window/PictureStore.h"
#include "window/SidePanel.h"
#include "window/Startup.h"

namespace window {

namespace {

void FillGameControls(ui::App& app, const std::string& programFolder) {
    FrmMain& f = *frmMain;
    game::GameControls& c = game::gameControls;
    c.app = &app;
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
    const PictureStore& store = Form2();
    for (int i = 0; i < 50; ++i) c.tileFaces[i] = store.Picture1[i].get();
    c.pausePicture = store.Picture3.get();
    c.timeBar = store.Picture4.get();
    c.banners[0] = store.Picture5[0].get();
    c.banners[1] = store.Picture5[1].get();
    c.programFolder = programFolder;
}

}  // namespace

void HookUpMainWindow(ui::App& app, const std::string& programFolder) {
    FillGameControls(app, programFolder);
    flow::WireGameHandlers();
    frmMain->XPButton6->Click = ConfirmExit;
    WireFrameHandlers();
    WireSidePanelHandlers();
    frmMain->HelpRequested = ShowHelp;
}

void UnhookMainWindow() {
    game::ResetGameControls();
    // The seconds came from the App that is going away.
    game::gameEnv.secondsOfMinute = nullptr;
}

}  // namespace window
