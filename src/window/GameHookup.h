#pragma once
// Joins the main window to the game: builds the game's view of the window
// from its controls and the store's pictures, and attaches every handler.

namespace window {

struct Program;

void HookUpMainWindow(Program& program);

}  // namespace window
