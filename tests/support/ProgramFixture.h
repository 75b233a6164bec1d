#pragma once
// The whole program on the headless backend, built by the same code main
// uses: a fresh Program, game state and temporary folders for the settings,
// the lock and the program's folder. Message boxes are answered from a script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "game/GameState.h"
#include "platform/headless/HeadlessBackend.h"
#include "support/MessageBoxScript.h"
#include "ui/App.h"
#include "window/FrmMain.h"
#include "window/Program.h"
#include "window/Startup.h"

namespace kelvaro_test {

// Pixel of the board's cell (row, col) centre, in window pixels.
constexpr int kBoardLeft = 4 + 8;
constexpr int kBoardTop = 32 + 24;
inline int CellX(int col) { return kBoardLeft + (col - 1) * 40 + 20; }
inline int CellY(int row) { return kBoardTop + (row - 1) * 40 + 20; }

// The headless backend whose clock seconds a test may take over.
class TestBackend : public platform::HeadlessBackend {
public:
    std::function<int()> secondsOfMinute;
    int SecondsOfMinute() override { return secondsOfMinute ? secondsOfMinute() : HeadlessBackend::SecondsOfMinute(); }
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kelvaro-prog-XXXXXX";
        dir_ = mkdtemp(pattern);
        std::filesystem::create_directories(dir_ + "/prog");
        env_.settingsPath = dir_ + "/config/Kelvaro/settings.ini";
        env_.lockPath = dir_ + "/Kelvaro.lock";
        env_.programFolder = dir_ + "/prog";
        game::ResetGameState();
        backend_.SetSecondsOfMinute(7);
    }

    void TearDown() override {
        program_.reset();
        app_ = nullptr;
        std::filesystem::remove_all(dir_);
    }

    // Starts the program; false when it ended at once (another instance).
    // `store` replaces the picture store the program would decode.
    bool Start(std::unique_ptr<const window::PictureStore> store = nullptr) {
        program_.reset();
        program_ = std::make_unique<window::Program>(backend_, env_);
        program_->Form2 = std::move(store);
        app_ = &program_->app;
        app_->SetObserver(&boxes_);
        bool running = window::Main(*program_);
        if (running) app_->DoEvents();
        return running;
    }

    void WriteSettings(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(env_.settingsPath).parent_path());
        std::ofstream(env_.settingsPath) << text;
    }
    std::string ReadSettings() const {
        std::ifstream in(env_.settingsPath);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    window::Program& Prog() { return *program_; }
    window::FrmMain& Main() { return *program_->frmMain; }
    platform::WindowId Win() { return program_->frmMain->Window(); }
    gfx::Point WindowPos() { return backend_.GetWindowPosition(Win()); }
    const gfx::Bitmap& Screen() { return backend_.Screen(Win()); }

    void Click(int x, int y, int button = platform::kLeftButton) {
        backend_.Click(Win(), x, y, button);
        app_->DoEvents();
    }
    void ClickCell(int row, int col) { Click(CellX(col), CellY(row)); }

    TestBackend backend_;
    MessageBoxScript boxes_;
    std::unique_ptr<window::Program> program_;
    ui::App* app_ = nullptr;  // the program's, once started
    window::StartupEnv env_;
    std::string dir_;
};

}  // namespace kelvaro_test
