// The question the main window asks before the program ends.
#pragma once

#include "engine/calculator.h"

namespace brennick {

inline constexpr const char* kCloseQuestion = "Save the current Character before quit ?";

// Asks "Save the current Character before quit ?" with Yes, No and Abort.
// Yes runs the Save command (its dialog is shown) and ends the program, also
// when the user cancels the save dialog; a save that fails keeps the program
// running, so the build is not lost (the failure shows in the status bar and
// the error log). No ends the program without saving. Abort, or a box closed
// any other way, keeps it running. True when the program is to end.
bool CloseApp(Calculator& calc, Ctl sender);

// The main window's close query: the window never closes on its own; the
// question decides. True when the program is to end.
bool oncloserunthis(Calculator& calc);

}  // namespace brennick
