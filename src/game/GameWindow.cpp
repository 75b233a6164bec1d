#include "game/GameWindow.h"

#include <stdexcept>

#include "flow/Clock.h"
#include "flow/ControlButtons.h"
#include "flow/Levels.h"
#include "flow/LinkLine.h"
#include "game/Selection.h"
#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace game {

namespace {

template <typename T>
T& Need(T* p, const char* name) {
    if (!p) throw std::invalid_argument(std::string("the game window has no ") + name);
    return *p;
}

const GameWindow::Pictures& NeedAll(const GameWindow::Pictures& p) {
    for (const gfx::Bitmap* face : p.tileFaces) Need(face, "tile face");
    Need(p.pausePicture, "pause picture");
    Need(p.timeBar, "time bar picture");
    for (const gfx::Bitmap* banner : p.banners) Need(banner, "banner");
    return p;
}

}  // namespace

GameWindow::GameWindow(ui::App& app_, const Controls& c, const Pictures& pictures, std::string programFolder)
    : app(app_),
      frmMain(Need(c.frmMain, "frmMain")),
      Picture1(Need(c.Picture1, "Picture1")),
      Picture3(Need(c.Picture3, "Picture3")),
      Label3(Need(c.Label3, "Label3")),
      Label4(Need(c.Label4, "Label4")),
      Timer1(Need(c.Timer1, "Timer1")),
      Timer2(Need(c.Timer2, "Timer2")),
      XPButton1(Need(c.XPButton1, "XPButton1")),
      XPButton2(Need(c.XPButton2, "XPButton2")),
      XPButton5(Need(c.XPButton5, "XPButton5")),
      pictures_(NeedAll(pictures)),
      programFolder_(std::move(programFolder)) {}

void GameWindow::WireHandlers() {
    GameWindow& w = *this;
    Picture1.MouseDown = [&w](int b, int s, float x, float y) { Picture1_MouseDown(w, b, s, x, y); };
    Picture1.MouseMove = [&w](int b, int s, float x, float y) { Picture1_MouseMove(w, b, s, x, y); };
    Picture1.MouseUp = [&w](int b, int s, float x, float y) { Picture1_MouseUp(w, b, s, x, y); };
    Timer1.TimerEvent = flow::Timer1_Timer;
    Timer2.TimerEvent = [&w] { flow::ClockTick(w); };
    Label4.Click = [&w] { flow::Label4_Click(w); };
    XPButton1.Click = [&w] { flow::XPButton1_Click(w); };
    XPButton2.Click = [&w] { flow::XPButton2_Click(w); };
    XPButton5.Click = [&w] { flow::XPButton5_Click(w); };
}

}  // namespace game
