// Start-up of the sheet: the resource check and what the main window shows
// before the first recalculation.
#pragma once

#include <string>
#include <vector>

#include "engine/calculator.h"

namespace brennick {

// Every file the program needs, in the order the check looks for them:
// names inside images/ ("Fighter_01.jpg", ...), then "patch.dat" (beside
// the executable).
const std::vector<std::string>& required_files();

// The resource check: sets state.files_missing and writes one error-log
// line per missing file (owner "MainForm", detail "Start File-Check").
void CheckFiles(CalcState& state, ErrorLog* log);

// The message of the fatal dialog shown when files are missing.
std::string missing_files_message();

// The sheet's part of the start-up: start pictures, "OK" in the status bar,
// the item lists filled from the tables with no row selected.
void start_sheet(Calculator& calc);

// Fills the item lists (all but the armour list, which follows the class)
// with "none/manual input" and the item names, no row selected.
void fill_item_lists(Calculator& calc);

}  // namespace brennick
