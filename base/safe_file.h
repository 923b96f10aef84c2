// Reading whole files with a size limit, and writing them so that a failure
// or an interruption never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brennick {

// A file that cannot be read or written. The message names the file and the
// system's reason, e.g. "Cannot write '/home/a/b.brk': Permission denied".
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The outcome of read_file.
struct FileReadResult {
  enum class Status {
    ok,         // `bytes` holds the whole file
    not_found,  // there is no such file (or a folder of its path is missing)
    failed,     // `error` says why: a folder, too large, access denied, ...
  };
  Status status = Status::failed;
  std::string bytes;
  std::string error;  // the message for not_found and failed

  bool ok() const { return status == Status::ok; }
};

// Reads a whole file of at most `max_bytes` bytes. Never throws for a file
// system failure (only std::bad_alloc can escape). Works on files whose size
// the system does not report (pipes, /proc): reading stops after max_bytes+1
// bytes, so endless sources do not hang it.
FileReadResult read_file(const std::filesystem::path& path, std::size_t max_bytes);

// Test hooks of write_file_atomically.
struct AtomicWriteHooks {
  // Called when the temporary file is complete, flushed and closed, before
  // it replaces the target. It may throw to simulate an interruption: the
  // temporary file is then removed and the exception passes on unchanged.
  std::function<void(const std::filesystem::path& temporary)> before_rename;
};

// Replaces the content of `path` by `bytes` in one piece:
//   1. writes a new temporary file in the same folder (a hidden name derived
//      from the target's, created exclusively), with the permissions of the
//      existing target (or the usual ones for a new file);
//   2. flushes it to the disk (fsync) and closes it;
//   3. renames it over the target, which the system does atomically;
//   4. flushes the folder, so the rename itself survives a power loss.
// A target that is a symbolic link to a file is written through the link
// (the link stays, its file gets the new content).
// On any failure before step 3 the temporary file is removed, the target is
// left byte for byte as it was, and FileError is thrown naming the target and
// the system's reason. A failure of step 4 is reported the same way, but the
// target then already holds the new content.
void write_file_atomically(const std::filesystem::path& path, std::string_view bytes,
                           const AtomicWriteHooks& hooks = {});

}  // namespace brennick
