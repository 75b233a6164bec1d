#pragma once
// The modal message box: its own window centred on its owner, an icon, the
// prompt (CJK text), and OK or Yes/No buttons. Enter answers the default
// button, Escape answers No (or OK), Y and N are the access keys of Yes and
// No, Tab moves between the buttons, and the buttons take mouse clicks.
// While it is open the owner takes no input, but timers keep firing and every
// form keeps painting: the box runs a nested loop.
//
// The App's observer sees every box open and close, and may answer it: then
// the box closes by itself. Otherwise the box stays open for keys and clicks,
// like the real one; if nothing more can ever happen (no event, no timer) it
// closes with the Escape answer.
#include <string>

#include "ui/MessageBoxTypes.h"

namespace ui {

class App;
class Form;

// defaultButton: 0 the first button (OK or Yes), 1 the second (No).
MsgResult MessageBox(App& app, Form* owner, const std::string& prompt, MsgButtons buttons = MsgButtons::Ok,
                     MsgIcon icon = MsgIcon::None, int defaultButton = 0, const std::string& title = "");

}  // namespace ui
