#pragma once
// The painted frame of the main window: the layout pass, the outline, the
// title-bar images and their looks, dragging and minimising.
#include "gfx/Region.h"

namespace window {

class FrmMain;
struct Program;

// The layout pass, run when the window is first shown and at every size change.
void Form_Resize(Program& program);
// Rebuilds the window's outline from its current size.
void RMe(FrmMain& frmMain);
// The outline for a window of w x h pixels.
gfx::Region BuildOutline(int w, int h);
// Takes the hover look off both title-bar images.
void ResetTitleButtons(FrmMain& frmMain);
// Remembers the position and minimises; restoring puts the window back there.
void MinimiseWindow(Program& program);
// Attaches the title-bar images' and the drag areas' handlers.
void WireFrameHandlers(Program& program);

}  // namespace window
