#include "flow/GameWiring.h"

#include "flow/Clock.h"
#include "flow/ControlButtons.h"
#include "flow/Levels.h"
#include "flow/LinkLine.h"
#include "game/GameControls.h"
#include "game/GameEnv.h"
#include "game/Selection.h"
#include "ui/App.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace flow {

void WireGameHandlers() {
    game::GameControls& c = game::gameControls;
    if (c.app && !game::gameEnv.secondsOfMinute) {
        ui::App* app = c.app;
        game::gameEnv.secondsOfMinute = [app] { return app->Backend().SecondsOfMinute(); };
    }
    if (c.Picture1) {
        c.Picture1->MouseDown = game::Picture1_MouseDown;
        c.Picture1->MouseMove = game::Picture1_MouseMove;
        c.Picture1->MouseUp = game::Picture1_MouseUp;
    }
    if (c.Timer1) c.Timer1->TimerEvent = Timer1_Timer;
    if (c.Timer2) c.Timer2->TimerEvent = ClockTick;
    if (c.Label4) c.Label4->Click = Label4_Click;
    if (c.XPButton1) c.XPButton1->Click = XPButton1_Click;
    if (c.XPButton2) c.XPButton2->Click = XPButton2_Click;
    if (c.XPButton5) c.XPButton5->Click = XPButton5_Click;
}

}  // namespace flow
