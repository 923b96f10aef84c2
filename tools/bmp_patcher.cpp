#include "tools/bmp_patcher.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string_view>

#include "base/safe_file.h"
#include "engine/image_files.h"

namespace brennick {

const char* const kPatchDatMessage =
    "can`t load patch.dat!\r\n1. make sure this file is in the brennick.exe folder\r\n2. Brennick need Read-Access "
    "to this file.";
const char* const kLogWriteMessage = "Error! can not write log file to disk!";

namespace {

constexpr const char* kSeparator = "/";

bool same_letter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool match_from(const char* n, const char* m) {
  for (; *m; ++m) {
    if (*m == '*') {
      while (m[1] == '*') ++m;
      for (const char* rest = n;; ++rest) {
        if (match_from(rest, m + 1)) return true;
        if (!*rest) return false;
      }
    }
    if (!*n) return false;
    if (*m != '?' && !same_letter(*m, *n)) return false;
    ++n;
  }
  return *n == 0;
}

struct Fd {
  int fd = -1;
  explicit Fd(int f) : fd(f) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  // Closes now; the error of close() (a delayed write error) as errno.
  int close_now() {
    const int r = ::close(fd);
    fd = -1;
    return r;
  }
};

std::string errno_text(int e) { return std::strerror(e); }

struct Entry {
  std::string name;
  unsigned char type;  // DT_DIR, DT_REG, DT_LNK, ... after lstat-like resolution
};

// Every entry of the folder in the order the system lists them; the kind of
// each entry is that of the entry itself, never of what a link points to.
std::vector<Entry> list_folder(int dir_fd) {
  std::vector<Entry> out;
  out.reserve(64);
  const int dup_fd = ::dup(dir_fd);
  if (dup_fd < 0) return out;
  DIR* d = ::fdopendir(dup_fd);
  if (!d) {
    ::close(dup_fd);
    return out;
  }
  ::rewinddir(d);
  while (const dirent* e = ::readdir(d)) {
    Entry entry{e->d_name, e->d_type};
    if (entry.type == DT_UNKNOWN) {
      struct stat st {};
      if (::fstatat(dir_fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0)
        entry.type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : S_ISREG(st.st_mode) ? DT_REG : DT_UNKNOWN;
    }
    out.push_back(std::move(entry));
  }
  ::closedir(d);
  return out;
}

bool dot_name(const std::string& n) { return n == "." || n == ".."; }

bool blank(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

// The folder is the root of a file system: its parent is itself ("/"), or
// lies on another device (a mount point). Links are followed, so a link to
// "/" is a root too.
bool file_system_root(const std::string& folder) {
  struct stat here {}, parent {};
  if (::stat(folder.c_str(), &here) != 0 || !S_ISDIR(here.st_mode)) return false;
  const std::string up = folder + (folder.back() == '/' ? ".." : "/..");
  if (::stat(up.c_str(), &parent) != 0) return false;
  return here.st_dev != parent.st_dev || here.st_ino == parent.st_ino;
}

std::string quoted(const std::string& path) { return "'" + log_text(path) + "'"; }

// Patch.dat's bytes, or the message that says why they cannot be copied.
struct PatchBytes {
  std::string bytes;
  std::string problem;  // empty when the bytes are there
};

// Why Patch.dat cannot be copied (empty when it can), and its size.
std::string patch_dat_problem(const std::string& path, std::uintmax_t& size) {
  size = 0;
  if (path.empty()) return kPatchDatMessage;
  struct stat st {};
  Fd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || S_ISDIR(st.st_mode)) return kPatchDatMessage;
  size = S_ISREG(st.st_mode) ? static_cast<std::uintmax_t>(st.st_size) : 0;
  if (size > kPatchDatMaxBytes)
    return "Patch.dat is too large (" + std::to_string(size) + " bytes): the patcher copies at most " +
           std::to_string(kPatchDatMaxBytes) + " bytes (1 GiB).";
  return {};
}

PatchBytes read_patch_dat(const std::string& path) {
  std::uintmax_t size = 0;
  if (std::string problem = patch_dat_problem(path, size); !problem.empty()) return {{}, std::move(problem)};
  FileReadResult read = read_file(path, static_cast<std::size_t>(kPatchDatMaxBytes));
  if (!read.ok()) return {{}, kPatchDatMessage};
  return {std::move(read.bytes), {}};
}

int count_in(int dir_fd, const std::string& mask) {
  int n = 0;
  for (const Entry& e : list_folder(dir_fd)) {
    if (dot_name(e.name)) continue;
    if (e.type == DT_DIR) {
      Fd sub(::openat(dir_fd, e.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (sub.fd >= 0) n += count_in(sub.fd, mask);
    } else if (e.type == DT_REG && matches_mask(e.name, mask)) {
      ++n;
    }
  }
  return n;
}

// Writes all of `bytes` at the start of the file.
void write_at_start(int fd, const std::string& bytes, std::string_view path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (n < 0) {
      const int err = errno;
      if (err == EINTR) continue;
      throw PatchWriteError("Cannot write '" + std::string(path) + "': " + errno_text(err));
    }
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace

bool matches_mask(const std::string& name, const std::string& mask) { return match_from(name.c_str(), mask.c_str()); }

std::string log_text(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

std::string refused_walk_root(const std::string& folder) {
  if (blank(folder)) return "The folder box is empty: enter the full path of the folder whose bitmaps are to be patched.";
  if (file_system_root(folder))
    return quoted(folder) +
           " is the root of a file system. The patcher rewrites every bitmap below the folder it is given: name the "
           "folder of your backup copy instead.";
  return {};
}

std::string patch_folder_problem(const std::string& folder) {
  if (blank(folder)) return refused_walk_root(folder);
  if (folder.front() != '/')
    return quoted(folder) + " is not a full path: enter the folder's full path, beginning with /.";
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR) return "The folder " + quoted(folder) + " does not exist.";
    return "The folder " + quoted(folder) + " cannot be read: " + errno_text(err) + ".";
  }
  if (!S_ISDIR(st.st_mode)) return quoted(folder) + " is not a folder.";
  return refused_walk_root(folder);
}

int count_matching_files(const std::string& folder, const std::string& mask) {
  if (folder.empty()) return 0;
  Fd root(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return root.fd < 0 ? 0 : count_in(root.fd, mask);
}

std::string patch_question(std::uintmax_t patch_bytes, int bitmaps, const std::string& folder) {
  return "Overwrite the first " + std::to_string(patch_bytes) + " bytes of " + std::to_string(bitmaps) +
         " bitmaps under " + log_text(folder) + "? This cannot be undone.";
}

std::string BmpPatcher::patch_dat_path() const { return find_file_nocase(app_dir, "Patch.dat"); }

std::string BmpPatcher::log_path() const {
  return (std::filesystem::path(log_dir.empty() ? app_dir : log_dir) / "log.txt").string();
}

void BmpPatcher::add(std::string line, bool ok) {
  log.push_back(std::move(line));
  (ok ? success : fail) += 1;
  if (on_line) on_line(log.back());
}

bool BmpPatcher::FileList(const std::string& folder, const std::string& mask, bool recurse, Dialogs& dialogs) {
  // Never from nothing, never from a whole file system.
  if (const std::string refused = refused_walk_root(folder); !refused.empty()) {
    dialogs.error_ok(refused);
    return false;
  }
  // 1. The folder with its separator. The folder the user named is opened
  // as named; inside it no link is followed.
  std::string dir = folder;
  if (dir.empty() || dir.back() != '/') dir += kSeparator;
  Fd root(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (root.fd < 0) return true;  // missing: nothing to patch, nothing said
  return walk(root.fd, dir, mask, recurse, dialogs);
}

bool BmpPatcher::walk(int dir_fd, const std::string& dir, const std::string& mask, bool recurse, Dialogs& dialogs) {
  const std::vector<Entry> entries = list_folder(dir_fd);
  // 2. Subfolders first, depth first, in listing order.
  if (recurse) {
    for (const Entry& e : entries) {
      if (e.type != DT_DIR || dot_name(e.name)) continue;
      Fd sub(::openat(dir_fd, e.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
      if (sub.fd < 0) continue;  // gone, replaced by a link, or not readable
      if (!walk(sub.fd, dir + e.name + kSeparator, mask, recurse, dialogs)) return false;
    }
  }
  // 3. The matching entries.
  std::vector<const Entry*> matching;
  for (const Entry& e : entries)
    if (matches_mask(e.name, mask)) matching.push_back(&e);
  if (matching.empty()) return true;
  // 4. Patch.dat, once for this folder.
  const PatchBytes patch = read_patch_dat(patch_dat_path());
  if (!patch.problem.empty()) {
    dialogs.information(patch.problem);
    return false;
  }
  // 5. Each matching file. The log line is built once, and its path is the
  // file's path as the messages show it.
  static constexpr std::string_view kSuccess = "SUCCESS!... ";
  for (const Entry* e : matching) {
    if (e->type == DT_DIR || dot_name(e->name)) continue;
    std::string line;
    line.reserve(kSuccess.size() + dir.size() + e->name.size());
    line.append(kSuccess).append(log_text(dir)).append(log_text(e->name));
    const std::string_view path = std::string_view(line).substr(kSuccess.size());
    if (e->type == DT_LNK) {
      add("FAIL... " + std::string(path) + " REASON: Is a symbolic link; links are not followed", false);
      continue;
    }
    // O_NOFOLLOW also catches an entry that became a link since the listing;
    // O_NONBLOCK keeps a pipe from hanging the walk before it is refused.
    Fd file(::openat(dir_fd, e->name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) {
      const int err = errno;
      add("FAIL... " + std::string(path) + " REASON: " +
              (err == ELOOP ? std::string("Is a symbolic link; links are not followed") : errno_text(err)),
          false);
      continue;
    }
    // The listing already tells a regular file; anything else is asked.
    struct stat st {};
    if (e->type != DT_REG && (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))) {
      add("FAIL... " + std::string(path) + " REASON: Not a regular file", false);
      continue;
    }
    write_at_start(file.fd, patch.bytes, path);
    if (file.close_now() != 0) {
      const int err = errno;
      throw PatchWriteError("Cannot write '" + std::string(path) + "': " + errno_text(err));
    }
    add(std::move(line), true);
  }
  return true;
}

bool BmpPatcher::patch_after_asking(const std::string& folder, Dialogs& dialogs) {
  if (const std::string problem = patch_folder_problem(folder); !problem.empty()) {
    dialogs.error_ok(problem);
    return false;
  }
  std::uintmax_t patch_bytes = 0;
  if (const std::string problem = patch_dat_problem(patch_dat_path(), patch_bytes); !problem.empty()) {
    dialogs.information(problem);
    return false;
  }
  const int bitmaps = count_matching_files(folder, "*.bmp");
  if (bitmaps == 0) {
    dialogs.information("There are no bitmaps (*.bmp) under " + quoted(folder) + ": nothing was written.");
    return false;
  }
  if (dialogs.question_yes_no(patch_question(patch_bytes, bitmaps, folder)) != Answer::Yes) return false;
  return patch(folder, dialogs);
}

bool BmpPatcher::save_log(Dialogs& dialogs) const {
  std::string text;
  for (const std::string& line : log) text += line + "\r\n";
  try {
    std::error_code ec;
    if (!log_dir.empty()) std::filesystem::create_directories(log_dir, ec);  // an installed program's state folder
    write_file_atomically(log_path(), text);
    return true;
  } catch (const std::exception&) {
    dialogs.information(kLogWriteMessage);
    return false;
  }
}

}  // namespace brennick
