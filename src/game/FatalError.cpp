#include <cstdlib>

#include "game/GameObserver.h"
#include "game/GameWindow.h"
#include "game/LinkSearch.h"
#include "ui/App.h"
#include "ui/MessageBox.h"

namespace game {

void FatalError(GameWindow& w) {
    if (w.observer && w.observer->FatalErrorRaised()) return;
    ui::MessageBox(w.app, &w.frmMain, "程序执行错误!", ui::MsgButtons::Ok, ui::MsgIcon::None, 0, w.app.Title());
    // Ends at once: no unload handling, so the window position is not saved.
    std::_Exit(1);
}

}  // namespace game
