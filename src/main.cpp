// Kelvaro: starts the game in a real window, or says clearly why it cannot.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "platform/sdl/SdlBackend.h"
#include "ui/App.h"
#include "window/Startup.h"

int main() {
    std::string error;
    std::unique_ptr<platform::SdlBackend> backend = platform::SdlBackend::Create(&error);
    if (!backend) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    try {
        ui::App app(*backend);
        if (!window::Main(app, window::StartupEnv::ForUser())) return 0;  // another instance runs
        backend->SetConnectionLost(window::Form_Unload);
        // The position is saved and synced by the unload; no event or timer may
        // run after it. exit() releases what the program holds in order (the
        // leak check sees a clean end) and never returns into the loop.
        window::EndNow = [] { std::exit(0); };
        app.Run();
        window::EndProgram();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
