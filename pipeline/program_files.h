// The program's files as About lists them: where the pictures are read from,
// where error.log goes, and where each item table came from.
#pragma once

#include <string>

namespace brennick {

// Lines ending in '\n':
//   Pictures: DATA/images
//   error.log: LOG-FOLDER
//   Item tables: all built-in
// or, with corrections, "Item tables: built-in, except" and one
// "  FILE: PATH" line per corrected table.
std::string program_files_text();

}  // namespace brennick
