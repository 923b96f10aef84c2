// The bitmap patcher: copies the bytes of Patch.dat over the start of every
// bitmap below a folder, subfolders first, and logs each file.
//
// Symbolic links are never followed: a link to a folder is not entered, and
// a link named like a bitmap gets a "FAIL... " line instead of writing to
// whatever it points at. Names match without regard to letter case
// (Patch.dat, *.bmp). Only regular files are written.
//
// It never walks from an empty text or from the root of a file system, and
// the window's "Patch!" (patch_after_asking) checks the folder the user
// typed and asks before the first write.
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
// The largest Patch.dat copied (1 GiB); a larger one is refused with a
// message that says so.
inline constexpr std::uintmax_t kPatchDatMaxBytes = std::uintmax_t{1} << 30;

// Why the walk may not start from `folder`, whoever asks: an empty or blank
// text, or the root of a file system (also when named through a link, or
// as a mount point). Empty when it may.
std::string refused_walk_root(const std::string& folder);

// The checks of a folder the user typed, before anything is read: it must
// be a full path naming an existing folder, and refused_walk_root must not
// refuse it. The message names the folder and what is wrong; empty when
// it may be patched.
std::string patch_folder_problem(const std::string& folder);

// The matching regular files below `folder`, as the walk would find them
// (no link followed): what a run would write.
int count_matching_files(const std::string& folder, const std::string& mask);

// A path or file name as the log and the messages show it: a line break
// or another control character in it is written as an escape (\n, \r, \t,
// \xHH), so that each file stays one line.
std::string log_text(const std::string& path);

// The question asked before the first write.
std::string patch_question(std::uintmax_t patch_bytes, int bitmaps, const std::string& folder);

// `*` and `?` wildcards, letters compared without regard to case.
bool matches_mask(const std::string& name, const std::string& mask);

struct BmpPatcher {
  explicit BmpPatcher(std::string app_dir) : app_dir(std::move(app_dir)) {}

  std::string app_dir;            // where Patch.dat is, and log.txt goes unless log_dir is set
  std::string log_dir;            // where log.txt goes, when not app_dir
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

  // "Patch!" as the window does it: patch_folder_problem refuses a folder
  // with an error message; Patch.dat must be readable and at most
  // kPatchDatMaxBytes long; a tree without bitmaps is said so; then the
  // user is asked (patch_question) and only Yes patches. True when the walk
  // ran and completed; nothing is written otherwise.
  bool patch_after_asking(const std::string& folder, Dialogs& dialogs);

  // "Save Log": every line ended by CR LF, written atomically to log.txt in
  // log_dir (else app_dir); kLogWriteMessage through `dialogs` on failure. True on success.
  bool save_log(Dialogs& dialogs) const;
  std::string log_path() const;

  // Patch.dat in app_dir, found without regard to letter case (empty when none).
  std::string patch_dat_path() const;

 private:
  bool walk(int dir_fd, const std::string& dir, const std::string& mask, bool recurse, Dialogs& dialogs);
  void add(std::string line, bool ok);
};

}  // namespace brennick
