#pragma once
// What lives for the whole run, owned by main and handed to what needs it:
// the runtime, the single-instance lock, the settings, the picture store, the
// main window and the game's view of it, and the stored window position.
// Members go in reverse order: the game's view and the main window before the
// pictures and fonts they use, the App last.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/GameWindow.h"
#include "platform/InstanceLock.h"
#include "platform/SettingsStore.h"
#include "ui/App.h"
#include "window/FrmMain.h"
#include "window/PictureStore.h"
#include "window/StartupEnv.h"

namespace window {

struct Program {
    Program(platform::Backend& backend, StartupEnv startupEnv);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ui::App app;
    const StartupEnv env;
    std::unique_ptr<platform::InstanceLock> instanceLock;
    std::unique_ptr<platform::SettingsStore> settings;
    std::unique_ptr<const PictureStore> Form2;  // the hidden picture store
    std::unique_ptr<FrmMain> frmMain;           // nullptr until Main, and after the end
    std::unique_ptr<game::GameWindow> game;

    // Stored left and top edge of the main window, in twips.
    int32_t MainX = 0;
    int32_t MainY = 0;
    // The program's folder without a trailing separator.
    std::string AppPath;
    // The help page as registered at start-up.
    std::string HelpFile;
    // How the program ends after the exit question has unloaded the main window.
    // Unset (tests), the loop is asked to stop; the real program leaves at once, so
    // no half-done removal or timer runs on after the answer.
    std::function<void()> EndNow;
};

}  // namespace window
