#include "base/safe_file.h"

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>

namespace brennick {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void put(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::size_t entries(const fs::path& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kOld = "[CharacterStats]\r\nLevel=80\r\n\r\n";
const std::string kNew = "[CharacterStats]\r\nLevel=81\r\n\r\n[Extra]\r\nx=1\r\n\r\n";

class SafeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "brennick-safe-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    ::chmod(dir_.c_str(), 0755);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

TEST_F(SafeFileTest, ReadFileReportsContentMissingFilesFoldersAndTheLimit) {
  const auto path = dir_ / "a.brk";
  put(path, std::string("x\0y", 3));
  FileReadResult r = read_file(path, 3);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.bytes, std::string("x\0y", 3));

  r = read_file(path, 2);  // one byte over the limit
  EXPECT_EQ(r.status, FileReadResult::Status::failed);
  EXPECT_TRUE(contains(r.error, path.string())) << r.error;
  EXPECT_TRUE(r.bytes.empty());

  put(dir_ / "empty.brk", "");
  r = read_file(dir_ / "empty.brk", 0);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.bytes, "");

  r = read_file(dir_ / "missing.brk", 100);
  EXPECT_EQ(r.status, FileReadResult::Status::not_found);
  EXPECT_TRUE(contains(r.error, std::strerror(ENOENT))) << r.error;

  r = read_file(dir_, 100);
  EXPECT_EQ(r.status, FileReadResult::Status::failed);
  EXPECT_TRUE(contains(r.error, std::strerror(EISDIR))) << r.error;

  // An endless source whose size the system does not know stops at the limit.
  r = read_file("/dev/zero", 1000);
  EXPECT_EQ(r.status, FileReadResult::Status::failed);
  EXPECT_TRUE(contains(r.error, "larger than 1000 bytes")) << r.error;
}

TEST_F(SafeFileTest, WriteCreatesAndReplacesLeavingNoTemporaryFile) {
  const auto path = dir_ / "b.brk";
  write_file_atomically(path, kOld);
  EXPECT_EQ(slurp(path), kOld);
  ::chmod(path.c_str(), 0640);
  write_file_atomically(path, kNew);
  EXPECT_EQ(slurp(path), kNew);
  EXPECT_EQ(entries(dir_), 1u);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);  // the replaced file's permissions

  write_file_atomically(path, "");  // an empty file is a file too
  EXPECT_EQ(slurp(path), "");
  EXPECT_TRUE(fs::is_regular_file(path));

  // A relative path writes in the current folder.
  const fs::path here = fs::current_path();
  fs::current_path(dir_);
  write_file_atomically("relative.brk", kOld);
  fs::current_path(here);
  EXPECT_EQ(slurp(dir_ / "relative.brk"), kOld);
}

TEST_F(SafeFileTest, SymbolicLinkStaysAndItsFileGetsTheContent) {
  fs::create_directory(dir_ / "real");
  put(dir_ / "real" / "c.brk", kOld);
  fs::create_symlink(dir_ / "real" / "c.brk", dir_ / "link.brk");
  write_file_atomically(dir_ / "link.brk", kNew);
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.brk"));
  EXPECT_EQ(slurp(dir_ / "real" / "c.brk"), kNew);
  EXPECT_EQ(entries(dir_ / "real"), 1u);
}

TEST_F(SafeFileTest, InterruptedSaveKeepsThePreviousFileByteForByte) {
  const auto path = dir_ / "d.brk";
  put(path, kOld);
  struct Interrupted {};
  fs::path seen;
  AtomicWriteHooks hooks;
  hooks.before_rename = [&](const fs::path& temporary) {
    seen = temporary;
    // The temporary file is complete, beside the target, and the target is
    // still the old file.
    EXPECT_EQ(temporary.parent_path(), path.parent_path());
    EXPECT_EQ(slurp(temporary), kNew);
    EXPECT_EQ(slurp(path), kOld);
    throw Interrupted{};
  };
  EXPECT_THROW(write_file_atomically(path, kNew, hooks), Interrupted);
  EXPECT_FALSE(seen.empty());
  EXPECT_FALSE(fs::exists(seen));
  EXPECT_EQ(slurp(path), kOld);
  EXPECT_EQ(entries(dir_), 1u);

  // The next, uninterrupted save goes through.
  write_file_atomically(path, kNew);
  EXPECT_EQ(slurp(path), kNew);
}

TEST_F(SafeFileTest, MissingFolderAndFolderTargetAreErrorsNamingThePath) {
  const auto path = dir_ / "no-such-folder" / "e.brk";
  try {
    write_file_atomically(path, kNew);
    ADD_FAILURE() << "no error";
  } catch (const FileError& e) {
    EXPECT_TRUE(contains(e.what(), path.string())) << e.what();
    EXPECT_TRUE(contains(e.what(), std::strerror(ENOENT))) << e.what();
  }
  EXPECT_FALSE(fs::exists(dir_ / "no-such-folder"));

  fs::create_directory(dir_ / "folder.brk");
  EXPECT_THROW(write_file_atomically(dir_ / "folder.brk", kNew), FileError);
  EXPECT_TRUE(fs::is_directory(dir_ / "folder.brk"));
  EXPECT_EQ(entries(dir_), 1u);
}

// A write that fails halfway, for every user: the process may write files of
// at most 10 bytes, so the temporary file cannot be completed.
void expect_failed_write_keeps_old_file(const fs::path& dir) {
  const auto path = dir / "f.brk";
  put(path, kOld);
  const std::size_t before = entries(dir);

  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* const previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 10;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  try {
    write_file_atomically(path, kNew);
  } catch (const FileError& e) {
    message = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);

  EXPECT_TRUE(contains(message, path.string())) << message;
  EXPECT_TRUE(contains(message, std::strerror(EFBIG))) << message;
  EXPECT_EQ(slurp(path), kOld);
  EXPECT_EQ(entries(dir), before);  // the temporary file is gone
}

TEST_F(SafeFileTest, FailedWriteRemovesTemporaryFileAndKeepsOldFile) { expect_failed_write_keeps_old_file(dir_); }

TEST_F(SafeFileTest, SaveIntoReadOnlyFolderKeepsOldFile) {
  const auto path = dir_ / "g.brk";
  put(path, kOld);
  ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
  // Permission bits do not stop a privileged user (tests may run as root):
  // probe whether the folder really refuses a new file.
  const bool refused = ::access(dir_.c_str(), W_OK) != 0;
  if (refused) {
    try {
      write_file_atomically(path, kNew);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_TRUE(contains(e.what(), path.string())) << e.what();
      EXPECT_TRUE(contains(e.what(), std::strerror(EACCES))) << e.what();
    }
    EXPECT_EQ(slurp(path), kOld);
    EXPECT_EQ(entries(dir_), 1u);
  } else {
    // The folder accepts writes anyway; prove the same guarantee with a
    // failure that binds every user.
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    expect_failed_write_keeps_old_file(dir_);
  }
}

// Runs `check` as a user other than root: in a child process that drops to
// the user "nobody" (65534) when the test runs as root, as CI does. The
// child's exit status is check's result.
int as_non_root(const fs::path& dir, const std::function<int()>& check) {
  if (::geteuid() != 0) return check();
  for (const auto& e : fs::recursive_directory_iterator(dir)) ::lchown(e.path().c_str(), 65534, 65534);
  ::chown(dir.c_str(), 65534, 65534);
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
        ::setresuid(65534, 65534, 65534) != 0)
      ::_exit(90);
    ::_exit(check());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 99;
}

TEST_F(SafeFileTest, ReadOnlyTargetIsRefusedAndStaysByteForByte) {
  const auto path = dir_ / "readonly.brk";
  put(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  const int result = as_non_root(dir_, [&] {
    try {
      write_file_atomically(path, kNew);
      return 1;  // replaced silently
    } catch (const FileError& e) {
      const std::string m = e.what();
      return contains(m, path.string()) && contains(m, std::strerror(EACCES)) ? 0 : 2;
    }
  });
  EXPECT_EQ(result, 0) << "1: replaced the read-only file, 2: the message lacks the file or the reason";
  EXPECT_EQ(slurp(path), kOld);
  EXPECT_EQ(entries(dir_), 1u);  // no temporary file was written
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0444u);
}

// As the user running the tests (root in CI, whom the access check always
// lets through): a file without any write bit is refused, and a file that
// is replaced keeps its owner and group.
TEST_F(SafeFileTest, NoWriteBitRefusesEveryoneAndAReplacedFileKeepsItsOwner) {
  const bool root = ::geteuid() == 0;
  const uid_t uid = root ? 65534 : ::geteuid();
  const gid_t gid = root ? 65534 : ::getegid();
  const auto readonly = dir_ / "theirs_readonly.brk", writable = dir_ / "theirs.brk";
  put(readonly, kOld);
  put(writable, kOld);
  ASSERT_EQ(::chown(readonly.c_str(), uid, gid), 0);
  ASSERT_EQ(::chown(writable.c_str(), uid, gid), 0);
  ASSERT_EQ(::chmod(readonly.c_str(), 0444), 0);
  ASSERT_EQ(::chmod(writable.c_str(), 0664), 0);
  try {
    write_file_atomically(readonly, kNew);
    ADD_FAILURE() << "the read-only file was replaced";
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot write '" + readonly.string() + "': " + std::strerror(EACCES));
  }
  EXPECT_EQ(slurp(readonly), kOld);
  write_file_atomically(writable, kNew);
  EXPECT_EQ(slurp(writable), kNew);
  struct stat info {};
  ASSERT_EQ(::stat(writable.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, uid);
  EXPECT_EQ(info.st_gid, gid);
  EXPECT_EQ(info.st_mode & 07777, 0664u);
  ASSERT_EQ(::stat(readonly.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, uid);
  EXPECT_EQ(entries(dir_), 2u);
}

TEST_F(SafeFileTest, NormalSaveKeepsTheFileMode) {
  const auto path = dir_ / "mode.brk";
  put(path, kOld);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  write_file_atomically(path, kNew);
  EXPECT_EQ(slurp(path), kNew);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace brennick
