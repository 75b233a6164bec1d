#pragma once
// The controls of the main window and the pictures of the store that the game
// draws on. The main window fills this at load, then calls WireGameHandlers.
// A null control is skipped, so the rules can run without any window.
#include <string>

namespace gfx { class Bitmap; }
namespace ui {
class App;
class Form;
class PictureBox;
class Label;
class Timer;
class Control;
}  // namespace ui

namespace game {

struct GameControls {
    ui::App* app = nullptr;
    ui::Form* frmMain = nullptr;
    ui::PictureBox* Picture1 = nullptr;  // the board, 640 x 480 pixels
    ui::PictureBox* Picture3 = nullptr;  // the time bar, 450 x 10
    ui::Label* Label3 = nullptr;         // level number
    ui::Control* Label4 = nullptr;       // continue
    ui::Timer* Timer1 = nullptr;         // 200 ms, link display wait
    ui::Timer* Timer2 = nullptr;         // the game clock
    ui::Control* XPButton1 = nullptr;    // restart
    ui::Control* XPButton2 = nullptr;    // pause
    ui::Control* XPButton5 = nullptr;    // help move

    // Pictures of the store.
    const gfx::Bitmap* tileFaces[50] = {};  // face f at f - 1, highlighted at f + 24
    const gfx::Bitmap* pausePicture = nullptr;
    const gfx::Bitmap* timeBar = nullptr;
    const gfx::Bitmap* banners[2] = {};     // 0 game over, 1 level cleared

    std::string programFolder;
};

extern GameControls gameControls;

void ResetGameControls();

}  // namespace game
