// The bitmap patcher: copies the bytes of Patch.dat over the start of every
// bitmap below a folder, subfolders first, and logs each file.
//
// Symbolic links are never followed: a link to a folder is not entered, and
// a link named like a bitmap gets a "FAIL... " line instead of writing to
// whatever it points at. Names match without regard to letter case
// (Patch.dat, *.bmp). Only regular files are written.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/services.h"

namespace brennick {

// A write that failed after the bitmap was opened; it ends the run.
class PatchWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The message shown when Patch.dat cannot be opened.
extern const char* const kPatchDatMessage;
// The message shown when the log cannot be saved.
extern const char* const kLogWriteMessage;

// `*` and `?` wildcards, letters compared without regard to case.
bool matches_mask(const std::string& name, const std::string& mask);

struct BmpPatcher {
  explicit BmpPatcher(std::string app_dir) : app_dir(std::move(app_dir)) {}

  std::string app_dir;            // where Patch.dat is and log.txt goes
  std::int32_t success = 0;       // never reset: counts over every run
  std::int32_t fail = 0;
  std::vector<std::string> log;   // never cleared

  // Called after every log line, with the counters already counted (the
  // window repaints its labels at once).
  std::function<void(const std::string& line)> on_line;

  // The recursive walk. Shows kPatchDatMessage through `dialogs` when
  // Patch.dat cannot be opened, and then ends the run (false); true when
  // the walk completed. Throws PatchWriteError when a write fails after a
  // bitmap was opened; the log and counters up to it stay.
  bool FileList(const std::string& folder, const std::string& mask, bool recurse, Dialogs& dialogs);

  // "Patch!" on a folder: FileList(folder, "*.bmp", recurse).
  bool patch(const std::string& folder, Dialogs& dialogs) { return FileList(folder, "*.bmp", true, dialogs); }

  // "Save Log": every line ended by CR LF, written atomically to log.txt in
  // app_dir; kLogWriteMessage through `dialogs` on failure. True on success.
  bool save_log(Dialogs& dialogs) const;
  std::string log_path() const;

  // Patch.dat in app_dir, found without regard to letter case (empty when none).
  std::string patch_dat_path() const;

 private:
  bool walk(int dir_fd, const std::string& dir, const std::string& mask, bool recurse, Dialogs& dialogs);
  void add(std::string line, bool ok);
};

}  // namespace brennick
