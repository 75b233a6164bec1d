#pragma once
// Chooses the window magnification at start-up and hands the backend the hand
// pointer picture; both before the first window is made.
namespace ui { class App; }

namespace window {

struct HandPointer;

// Sets the backend's scale from the environment, the desktop and the screen
// (a refused KELVARO_SCALE is reported on stderr), and the hand pointer.
void SetUpDisplay(ui::App& app, const HandPointer& hand);

}  // namespace window
