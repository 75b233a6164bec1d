#pragma once
// The whole program on the headless backend: a fresh App, game state and
// temporary folders for the settings, the lock and the program's folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "game/GameEnv.h"
#include "game/GameState.h"
#include "platform/headless/HeadlessBackend.h"
#include "ui/App.h"
#include "window/FrmMain.h"
#include "window/Startup.h"

namespace kelvaro_test {

// Pixel of the board's cell (row, col) centre, in window pixels.
constexpr int kBoardLeft = 4 + 8;
constexpr int kBoardTop = 32 + 24;
inline int CellX(int col) { return kBoardLeft + (col - 1) * 40 + 20; }
inline int CellY(int row) { return kBoardTop + (row - 1) * 40 + 20; }

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
        game::ResetGameEnv();
        backend_.SetSecondsOfMinute(7);
    }

    void TearDown() override {
        window::EndProgram();
        app_.reset();
        game::ResetGameEnv();
        std::filesystem::remove_all(dir_);
    }

    // Starts the program; false when it ended at once (another instance).
    bool Start() {
        app_ = std::make_unique<ui::App>(backend_);
        bool running = window::Main(*app_, env_);
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

    window::FrmMain& Main() { return *window::frmMain; }
    platform::WindowId Win() { return window::frmMain->Window(); }
    gfx::Point WindowPos() { return backend_.GetWindowPosition(Win()); }
    const gfx::Bitmap& Screen() { return backend_.Screen(Win()); }

    void Click(int x, int y, int button = platform::kLeftButton) {
        backend_.Click(Win(), x, y, button);
        app_->DoEvents();
    }
    void ClickCell(int row, int col) { Click(CellX(col), CellY(row)); }

    platform::HeadlessBackend backend_;
    std::unique_ptr<ui::App> app_;
    window::StartupEnv env_;
    std::string dir_;
};

}  // namespace kelvaro_test
