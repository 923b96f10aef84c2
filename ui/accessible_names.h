// The names a screen reader says for the main window's controls: a
// control's caption and its place ("Armor, Defense, Base"; "Skill tier 2,
// slot 3, level"), made from the window's own tables: the captions of the
// pages and groups that hold it (engine/controls.def), the fixed captions
// beside and above it (ui/main_window_layout.h), and the skill and buff
// slots (engine/sheet.h).
#pragma once

#include <string>

#include "engine/sheet.h"

namespace brennick {

// True for the controls a user acts on: boxes, number fields, lists, check
// boxes, buttons, tool buttons, the skill texts and the pictures that act
// on a click.
bool is_interactive(Ctl id);

// The name of a control; never empty (the hint, at worst the control's own
// name, when nothing else names it).
std::string accessible_name(Ctl id);

}  // namespace brennick
