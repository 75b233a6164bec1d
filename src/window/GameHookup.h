#pragma once
// Joins the main window to the game: hands the game its controls and pictures
// and attaches every handler of the window.
#include <string>

namespace ui { class App; }

namespace window {

void HookUpMainWindow(ui::App& app, const std::string& programFolder);
// Takes the game's references to the window back (before the window goes).
void UnhookMainWindow();

}  // namespace window
