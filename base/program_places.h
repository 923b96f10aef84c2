// Where the program finds its read-only data and where it writes, chosen by
// the layout of the folder it runs from:
//
//   - a build tree (`images/` beside the program, as in build/bin/): the
//     pictures, patch.dat, error.log, the patcher's log.txt and the build
//     dialogs' start folder are all the program's own folder;
//   - an installation (`../share/brennick/` beside the program's folder, as
//     /usr/bin and /usr/share/brennick, or a package unpacked anywhere): the
//     data are read from there, and what the program writes follows the XDG
//     base directories: error.log and log.txt in $XDG_STATE_HOME/brennick
//     (~/.local/state/brennick), the build dialogs in
//     $XDG_DOCUMENTS_DIR/Brennick (made when first needed) or the home folder.
//
// The choice is made by what lies beside the program, never by trying to
// write: root may write anywhere, so a write test tells nothing.
//
// In both layouts the player's corrected game-data tables are read from
// $XDG_DATA_HOME/brennick/tables (~/.local/share/brennick/tables).
#pragma once

#include <string>

namespace brennick {

// The environment's say in the places (empty texts: not set).
struct PlaceEnvironment {
  std::string home;
  std::string xdg_state_home;
  std::string xdg_data_home;
  std::string xdg_documents_dir;  // the documents folder, when known

  // HOME, XDG_STATE_HOME, XDG_DATA_HOME and XDG_DOCUMENTS_DIR of this process.
  static PlaceEnvironment of_process();
};

struct ProgramPlaces {
  bool installed = false;
  std::string data_dir;       // images/ and patch.dat
  std::string log_dir;        // error.log and the patcher's log.txt
  std::string documents_dir;  // where the open and save dialogs start
  bool make_documents_dir = false;  // documents_dir is made when first needed
  std::string home_dir;       // the dialogs' folder when documents_dir cannot be made
  std::string tables_dir;     // the player's table files
};

// The places of a program whose executable lies in `program_dir`. Relative
// or empty XDG variables are ignored, as the XDG rules say.
ProgramPlaces find_program_places(const std::string& program_dir, const PlaceEnvironment& env);

// The folder the build dialogs start in: documents_dir, made (with its
// parents) when `make_documents_dir` asks for it; the home folder when it
// cannot be made.
std::string dialog_start_folder(const ProgramPlaces& places);

// The places of this run: set once at start-up by the program and the
// command-line tool; until then those of a build tree in the current folder.
const ProgramPlaces& program_places();
void set_program_places(ProgramPlaces places);

// The log folder of this run when it is installed; empty in a build tree,
// whose logs go beside the program, in the folder it was started with.
std::string installed_log_dir();

}  // namespace brennick
