// Kelvaro: starts the game in a real window, or says clearly why it cannot.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "platform/sdl/SdlBackend.h"
#include "window/AppInfo.h"
#include "window/Program.h"
#include "window/Startup.h"

namespace {

constexpr const char* kUsage =
    "Usage: kelvaro [--help | --version]\n"
    "Pair up animal tiles against the clock: two tiles with the same animal leave\n"
    "the board when a path of at most three straight lines joins them through\n"
    "empty cells. Twelve levels; F1 in the game opens its help page.\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the name and version and exit\n"
    "\n"
    "The window position is kept in $XDG_CONFIG_HOME/Kelvaro/settings.ini.\n";

// Returns the exit status when the command line is all there is to do, -1 to play.
int HandleCommandLine(int argc, char** argv) {
    if (argc < 2) return -1;
    const char* arg = argv[1];
    if (argc == 2 && std::strcmp(arg, "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(arg, "--version") == 0) {
        std::printf("%s\n", window::WindowCaption().c_str());
        return 0;
    }
    if (argc > 2 && (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "--version") == 0)) arg = argv[2];
    std::fprintf(stderr, "kelvaro: unknown option '%s'\n%s", arg, kUsage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int status = HandleCommandLine(argc, argv); status >= 0) return status;
    std::string error;
    std::unique_ptr<platform::SdlBackend> backend = platform::SdlBackend::Create(&error);
    if (!backend) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    try {
        // Unwinding releases the window before the fonts and the backend it uses.
        window::Program program(*backend, window::StartupEnv::ForUser());
        if (!window::Main(program)) return 0;  // another instance runs
        backend->SetConnectionLost([&program] { window::Form_Unload(program); });
        // The position is saved and synced by the unload; no event or timer may
        // run after it, so exit() leaves at once and never returns into the loop.
        program.EndNow = [] { std::exit(0); };
        program.app.Run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
