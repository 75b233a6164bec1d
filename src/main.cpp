// Kelvaro: starts the game in a real window, or says clearly why it cannot.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define KELVARO_LEAK_CHECK() __lsan_do_leak_check()
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#include <sanitizer/lsan_interface.h>
#define KELVARO_LEAK_CHECK() __lsan_do_leak_check()
#endif
#endif
#ifndef KELVARO_LEAK_CHECK
#define KELVARO_LEAK_CHECK() ((void)0)
#endif

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
        // The position is saved and synced by the unload; nothing else may run.
        window::EndNow = [] {
            std::fflush(nullptr);
            KELVARO_LEAK_CHECK();  // _Exit skips the sanitizer's own check at exit
            std::_Exit(0);
        };
        app.Run();
        window::EndProgram();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
