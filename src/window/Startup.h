#pragma once
// The program's life cycle around the main window: the start-up procedure, the
// single-instance rule, the stored window position and the exit question.
#include <cstdint>

namespace window {

struct Program;

// Loads and shows the main window and deals the first board. Returns false
// when another instance runs: then nothing is shown and the program ends.
bool Main(Program& program);
// The main window's unload handler: saves the window position.
void Form_Unload(Program& program);
// Asks whether to end the program; on Yes unloads the main window and ends.
void ConfirmExit(Program& program);

// Round to the nearest integer, halves to the even neighbour, into 32 bits.
int32_t RoundToLong(double v);

}  // namespace window
