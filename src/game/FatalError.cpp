#include <cstdlib>

#include "game/GameControls.h"
#include "game/GameEnv.h"
#include "game/LinkSearch.h"
#include "ui/App.h"
#include "ui/MessageBox.h"

namespace game {

void FatalError() {
    if (gameEnv.fatalError) {
        gameEnv.fatalError();
        return;
    }
    if (gameControls.app)
        ui::MessageBox(*gameControls.app, gameControls.frmMain, "程序执行错误!", ui::MsgButtons::Ok, ui::MsgIcon::None, 0,
                       gameControls.app->Title());
    // Ends at once: no unload handling, so the window position is not saved.
    std::_Exit(1);
}

}  // namespace game
