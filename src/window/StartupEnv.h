#pragma once
// What start-up takes from the system; tests point it at temporary folders.
#include <string>
#include <vector>

namespace window {

struct StartupEnv {
    std::string settingsPath;   // the per-user settings file; empty: none is kept
    std::string lockPath;       // the single-instance lock file
    std::vector<std::string> lockFallbacks;  // tried in order when lockPath cannot be opened
    std::string programFolder;  // the folder of the executable
    // The default: the user's settings, the runtime lock and the executable's folder.
    static StartupEnv ForUser();
};

}  // namespace window
