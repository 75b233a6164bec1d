#pragma once
// The main window as the game's procedures see it: its controls, the store's
// pictures, the runtime and the program folder. Every procedure that draws,
// plays or asks is handed one. A control or picture that is missing is an
// error at construction, so no procedure has to check for it later.
#include <array>
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

class GameObserver;

class GameWindow {
public:
    struct Controls {
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
    };
    struct Pictures {
        std::array<const gfx::Bitmap*, 50> tileFaces{};  // face f at f - 1, highlighted at f + 24
        const gfx::Bitmap* pausePicture = nullptr;
        const gfx::Bitmap* timeBar = nullptr;
        std::array<const gfx::Bitmap*, 2> banners{};     // 0 game over, 1 level cleared
    };

    // Throws std::invalid_argument naming the first control or picture missing.
    GameWindow(ui::App& app, const Controls& controls, const Pictures& pictures, std::string programFolder);
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Attaches the game's handlers to the board, the timers, Label4 and the
    // three game buttons.
    void WireHandlers();

    ui::App& app;
    ui::Form& frmMain;
    ui::PictureBox& Picture1;
    ui::PictureBox& Picture3;
    ui::Label& Label3;
    ui::Control& Label4;
    ui::Timer& Timer1;
    ui::Timer& Timer2;
    ui::Control& XPButton1;
    ui::Control& XPButton2;
    ui::Control& XPButton5;

    const gfx::Bitmap& TileFace(int index) const { return *pictures_.tileFaces[index]; }
    const gfx::Bitmap& PausePicture() const { return *pictures_.pausePicture; }
    const gfx::Bitmap& TimeBar() const { return *pictures_.timeBar; }
    const gfx::Bitmap& Banner(int index) const { return *pictures_.banners[index]; }
    const std::string& ProgramFolder() const { return programFolder_; }

    // Not owned; nullptr for none.
    GameObserver* observer = nullptr;

private:
    Pictures pictures_;
    std::string programFolder_;
};

}  // namespace game
