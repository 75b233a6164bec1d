#pragma once
// The program's life cycle around the main window: the start-up procedure, the
// single-instance rule, the stored window position and the exit question.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui { class App; }

namespace window {

// What start-up takes from the system; tests point it at temporary folders.
struct StartupEnv {
    std::string settingsPath;   // the per-user settings file; empty: none is kept
    std::string lockPath;       // the single-instance lock file
    std::vector<std::string> lockFallbacks;  // tried in order when lockPath cannot be opened
    std::string programFolder;  // the folder of the executable
    // The default: the user's settings, the runtime lock and the executable's folder.
    static StartupEnv ForUser();
};

// Stored left and top edge of the main window, in twips.
extern int32_t MainX;
extern int32_t MainY;
// The program's folder without a trailing separator.
extern std::string AppPath;
// The help page as registered at start-up.
extern std::string HelpFile;

// Loads and shows the main window and deals the first board. Returns false
// when another instance runs: then nothing is shown and the program ends.
bool Main(ui::App& app, const StartupEnv& env);
// The main window's unload handler: saves the window position.
void Form_Unload();
// Asks whether to end the program; on Yes unloads the main window and ends.
void ConfirmExit();
// Releases the main window, the lock and the store (the program's end; tests).
void EndProgram();
// How the program ends after the exit question has unloaded the main window.
// Unset (tests), the loop is asked to stop; the real program leaves at once, so
// no half-done removal or timer runs on after the answer.
extern std::function<void()> EndNow;

// Round to the nearest integer, halves to the even neighbour, into 32 bits.
int32_t RoundToLong(double v);

}  // namespace window
