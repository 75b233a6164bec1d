#pragma once

namespace flow {

// Attaches the game's handlers to the controls in game::gameControls and takes
// the salt from the backend's clock. The main window fills the controls first.
void WireGameHandlers();

}  // namespace flow
