#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <system_error>

namespace brennick {

namespace fs = std::filesystem;

namespace {

std::string reason(int error) { return std::system_category().message(error); }

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Closes a descriptor when it goes out of scope, unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports the error of close (0 when none).
  int close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

int open_retrying(const char* path, int flags, mode_t mode = 0) {
  for (;;) {
    const int fd = ::open(path, flags, mode);
    if (fd >= 0 || errno != EINTR) return fd;
  }
}

// A name for the temporary file beside the target that no other writer (of
// this process or another) picks at the same moment.
fs::path temporary_name(const fs::path& target, unsigned attempt) {
  static std::atomic<unsigned long> counter{0};
  const auto ticks = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  // A short stem of the target's name keeps the result within the limit of
  // a file name length.
  const std::string stem = target.filename().string().substr(0, 100);
  std::string name = "." + stem + ".tmp-" + std::to_string(::getpid()) + "-" +
                     std::to_string(counter++) + "-" + std::to_string((ticks + attempt) % 1000000007ULL);
  return target.parent_path() / name;
}

}  // namespace

FileReadResult read_file(const fs::path& path, std::size_t max_bytes) {
  FileReadResult result;
  auto fail = [&](FileReadResult::Status status, const std::string& why) {
    result.status = status;
    result.bytes.clear();
    result.error = "Cannot read " + quoted(path) + ": " + why;
    return result;
  };

  Descriptor file(open_retrying(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) {
    const int error = errno;
    return fail(error == ENOENT ? FileReadResult::Status::not_found : FileReadResult::Status::failed,
                reason(error));
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) return fail(FileReadResult::Status::failed, reason(errno));
  if (S_ISDIR(info.st_mode)) return fail(FileReadResult::Status::failed, reason(EISDIR));
  const std::string too_large = "the file is larger than " + std::to_string(max_bytes) + " bytes";
  if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > max_bytes)
    return fail(FileReadResult::Status::failed, too_large);

  // The size the system reports is only a hint (it may change, or be 0 for
  // special files): read until the end, but never more than max_bytes + 1.
  std::string bytes;
  if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[64 * 1024];
  for (;;) {
    const std::size_t room = max_bytes - bytes.size() + 1;
    const std::size_t want = room < sizeof buffer ? room : sizeof buffer;
    const ssize_t got = ::read(file.get(), buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return fail(FileReadResult::Status::failed, reason(errno));
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > max_bytes) return fail(FileReadResult::Status::failed, too_large);
  }
  result.status = FileReadResult::Status::ok;
  result.bytes = std::move(bytes);
  return result;
}

void write_file_atomically(const fs::path& path, std::string_view bytes, const AtomicWriteHooks& hooks) {
  auto fail = [&path](const std::string& why) -> FileError {
    return FileError("Cannot write " + quoted(path) + ": " + why);
  };
  if (path.empty() || !path.has_filename()) throw fail(reason(EISDIR));

  // Write through a symbolic link to an existing file: the link stays.
  fs::path target = path;
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    fs::path resolved = fs::canonical(path, ec);
    if (!ec) target = resolved;
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  // Keep the permissions of the file being replaced; a new file gets the
  // usual ones (0666 less the umask, applied by open).
  struct stat old_info {};
  const bool replacing = ::stat(target.c_str(), &old_info) == 0;
  if (replacing && S_ISDIR(old_info.st_mode)) throw fail(reason(EISDIR));
  // The rename would replace a file that its owner made read-only: refuse
  // before anything is written, so the file stays byte for byte as it was.
  // A file without any write bit is read-only for everyone, root included
  // (whom the access check always lets through), as editors treat it.
  if (replacing && (old_info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) throw fail(reason(EACCES));
  if (replacing && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) throw fail(reason(errno));

  // 1. Create the temporary file exclusively.
  fs::path temporary;
  int fd = -1;
  for (unsigned attempt = 0; fd < 0; ++attempt) {
    temporary = temporary_name(target, attempt);
    fd = open_retrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0 && (errno != EEXIST || attempt >= 100))
      throw fail("cannot create a temporary file in " + quoted(folder) + ": " + reason(errno));
  }
  Descriptor file(fd);
  bool temporary_exists = true;
  auto remove_temporary = [&]() {
    if (temporary_exists) {
      ::unlink(temporary.c_str());
      temporary_exists = false;
    }
  };

  try {
    // The replaced file's owner and group stay (a save by root does not
    // take the file over). Where the system does not allow that to a user,
    // the new file is the user's, as any file the user writes.
    if (replacing && (old_info.st_uid != ::geteuid() || old_info.st_gid != ::getegid()) &&
        ::fchown(file.get(), old_info.st_uid, old_info.st_gid) != 0 && errno != EPERM)
      throw fail("cannot set the owner of " + quoted(temporary) + ": " + reason(errno));
    if (replacing && ::fchmod(file.get(), old_info.st_mode & 07777) != 0)
      throw fail("cannot set the permissions of " + quoted(temporary) + ": " + reason(errno));

    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t put = ::write(file.get(), bytes.data() + done, bytes.size() - done);
      if (put < 0) {
        if (errno == EINTR) continue;
        throw fail(reason(errno));
      }
      done += static_cast<std::size_t>(put);
    }
    // 2. Flush and close.
    if (::fsync(file.get()) != 0) throw fail(reason(errno));
    if (const int error = file.close(); error != 0) throw fail(reason(error));

    if (hooks.before_rename) hooks.before_rename(temporary);

    // 3. Replace the target.
    if (::rename(temporary.c_str(), target.c_str()) != 0) throw fail(reason(errno));
    temporary_exists = false;
  } catch (...) {
    remove_temporary();
    throw;
  }

  // 4. Make the rename durable. Some file systems cannot flush a folder
  // (EINVAL); the data itself is on the disk then, which is all they offer.
  Descriptor dir(open_retrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() < 0) throw fail("the file was replaced, but its folder cannot be opened: " + reason(errno));
  if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != ENOTSUP)
    throw fail("the file was replaced, but its folder cannot be flushed: " + reason(errno));
}

}  // namespace brennick
