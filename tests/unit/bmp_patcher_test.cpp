// The bitmap patcher: walk order, what is written, the counters and log,
// symbolic links, letter case, files that cannot be written, Patch.dat
// missing, and Save Log.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/bmp_patcher.h"
#include "tests/support/recording.h"

using namespace brennick;
using test_support::RecordingDialogs;
namespace fs = std::filesystem;

namespace {

std::string read_all(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}
void write_all(const fs::path& p, const std::string& bytes) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << bytes;
}
std::string bytes_of(std::size_t n, char first) {
  std::string s(n, '\0');
  for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(first + static_cast<char>(i % 23));
  return s;
}

// A program folder with Patch.dat and a tree to patch, removed afterwards.
struct Trees {
  Trees() {
    char tmpl[] = "/tmp/brennick-patch-XXXXXX";
    base = mkdtemp(tmpl);
    app = base / "app";
    root = base / "root";
    fs::create_directories(app);
    fs::create_directories(root);
    patch = bytes_of(54, 'A');
    write_all(app / "Patch.dat", patch);
  }
  ~Trees() {
    std::error_code ec;
    fs::remove_all(base, ec);
  }
  fs::path base, app, root;
  std::string patch;
  RecordingDialogs dialogs;
  BmpPatcher patcher{""};
  BmpPatcher& p() {
    patcher.app_dir = app.string();
    return patcher;
  }
  bool run(const std::string& folder) { return p().patch(folder, dialogs); }
  bool run() { return run(root.string()); }
  std::string r() const { return root.string(); }
};

}  // namespace

TEST(BmpPatcher, SubfoldersFirstAndTheTailStays) {
  Trees t;
  const std::string a = bytes_of(100, 'a'), b = bytes_of(80, 'b');
  write_all(t.root / "a.bmp", a);
  write_all(t.root / "sub" / "b.bmp", b);
  write_all(t.root / "notes.txt", "leave me");
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.log, (std::vector<std::string>{"SUCCESS!... " + t.r() + "/sub/b.bmp", "SUCCESS!... " + t.r() + "/a.bmp"}));
  EXPECT_EQ(read_all(t.root / "a.bmp"), t.patch + a.substr(54));
  EXPECT_EQ(read_all(t.root / "sub" / "b.bmp"), t.patch + b.substr(54));
  EXPECT_EQ(read_all(t.root / "notes.txt"), "leave me");
  EXPECT_EQ(t.patcher.success, 2);
  EXPECT_EQ(t.patcher.fail, 0);
  EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(BmpPatcher, ShortFileGrowsAndEmptyPatchChangesNothing) {
  Trees t;
  write_all(t.root / "small.bmp", "0123456789");
  ASSERT_TRUE(t.run());
  EXPECT_EQ(read_all(t.root / "small.bmp"), t.patch);
  EXPECT_EQ(fs::file_size(t.root / "small.bmp"), 54u);

  Trees e;
  write_all(e.app / "Patch.dat", "");
  write_all(e.root / "x.bmp", "unchanged");
  ASSERT_TRUE(e.run());
  EXPECT_EQ(e.patcher.log, std::vector<std::string>{"SUCCESS!... " + e.r() + "/x.bmp"});
  EXPECT_EQ(read_all(e.root / "x.bmp"), "unchanged");
}

TEST(BmpPatcher, FolderNamedLikeABitmapIsEntered) {
  Trees t;
  write_all(t.root / "x.bmp" / "in.bmp", "zz");
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.log, std::vector<std::string>{"SUCCESS!... " + t.r() + "/x.bmp/in.bmp"});
  EXPECT_TRUE(fs::is_directory(t.root / "x.bmp"));
}

TEST(BmpPatcher, CountersAndLogGrowOverRuns) {
  Trees t;
  for (const char* n : {"1.bmp", "2.bmp", "deep/3.bmp"}) write_all(t.root / n, "old");
  ASSERT_TRUE(t.run());
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.success, 6);
  EXPECT_EQ(t.patcher.log.size(), 6u);
  for (const std::string& line : t.patcher.log) EXPECT_EQ(line.rfind("SUCCESS!... ", 0), 0u) << line;
}

TEST(BmpPatcher, TrailingSeparatorBehavesTheSame) {
  Trees t;
  write_all(t.root / "a.bmp", "x");
  write_all(t.root / "s" / "b.bmp", "y");
  ASSERT_TRUE(t.run(t.r() + "/"));
  ASSERT_TRUE(t.run(t.r()));
  ASSERT_EQ(t.patcher.log.size(), 4u);
  EXPECT_EQ(t.patcher.log[0], t.patcher.log[2]);
  EXPECT_EQ(t.patcher.log[1], t.patcher.log[3]);
  EXPECT_EQ(t.patcher.log[0], "SUCCESS!... " + t.r() + "/s/b.bmp");
}

TEST(BmpPatcher, LetterCaseOfBmpAndPatchDat) {
  Trees t;
  fs::remove(t.app / "Patch.dat");
  write_all(t.app / "PATCH.DAT", t.patch);
  write_all(t.root / "UP.BMP", "u");
  write_all(t.root / "Mixed.Bmp", "m");
  write_all(t.root / "no.bmpx", "n");
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.success, 2);
  EXPECT_EQ(read_all(t.root / "UP.BMP"), t.patch);
  EXPECT_EQ(read_all(t.root / "no.bmpx"), "n");
  EXPECT_TRUE(matches_mask("a.BmP", "*.bmp"));
  EXPECT_FALSE(matches_mask("a.bmp.txt", "*.bmp"));
  EXPECT_TRUE(matches_mask(".bmp", "*.bmp"));
}

TEST(BmpPatcher, SymlinkLoopEndsAndLinksAreNotFollowed) {
  Trees t;
  write_all(t.root / "a" / "one.bmp", "1");
  fs::create_directory_symlink("..", t.root / "a" / "up");         // a loop
  fs::create_directory_symlink(t.root / "a", t.root / "again");   // a second way in
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.log, std::vector<std::string>{"SUCCESS!... " + t.r() + "/a/one.bmp"});
}

TEST(BmpPatcher, LinkedBitmapOutsideTheTreeStaysAndFails) {
  Trees t;
  const fs::path outside = t.base / "outside.bmp";
  const std::string original = bytes_of(200, 'o');
  write_all(outside, original);
  write_all(t.root / "real.bmp", "r");
  fs::create_symlink(outside, t.root / "x.bmp");
  fs::create_directory_symlink(t.base, t.root / "dir.bmp");
  ASSERT_TRUE(t.run());
  EXPECT_EQ(read_all(outside), original);
  EXPECT_EQ(t.patcher.success, 1);
  EXPECT_EQ(t.patcher.fail, 2);
  int links = 0;
  for (const std::string& line : t.patcher.log)
    if (line.rfind("FAIL... ", 0) == 0) {
      EXPECT_NE(line.find(" REASON: Is a symbolic link"), std::string::npos) << line;
      ++links;
    }
  EXPECT_EQ(links, 2);
  EXPECT_TRUE(fs::is_symlink(t.root / "x.bmp"));
}

TEST(BmpPatcher, MissingPatchDatTouchesNothing) {
  Trees t;
  fs::remove(t.app / "Patch.dat");
  write_all(t.root / "a.bmp", "keep");
  write_all(t.root / "s" / "b.bmp", "keep");
  EXPECT_FALSE(t.run());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);  // once: the run stops
  EXPECT_EQ(t.dialogs.messages[0],
            "can`t load patch.dat!\r\n1. make sure this file is in the brennick.exe folder\r\n2. Brennick need "
            "Read-Access to this file.");
  EXPECT_EQ(read_all(t.root / "a.bmp"), "keep");
  EXPECT_EQ(read_all(t.root / "s" / "b.bmp"), "keep");
  EXPECT_TRUE(t.patcher.log.empty());
}

TEST(BmpPatcher, NothingToPatchSaysNothing) {
  Trees t;
  fs::remove(t.app / "Patch.dat");  // not even looked for without bitmaps
  EXPECT_TRUE(t.run((t.base / "no-such-folder").string()));
  EXPECT_TRUE(t.run());
  write_all(t.root / "x.txt", "x");
  EXPECT_TRUE(t.run());
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_TRUE(t.patcher.log.empty());
}

TEST(BmpPatcher, PipeNamedLikeABitmapIsRefused) {
  Trees t;
  ASSERT_EQ(mkfifo((t.root / "pipe.bmp").c_str(), 0644), 0);
  ASSERT_TRUE(t.run());
  EXPECT_EQ(t.patcher.log, std::vector<std::string>{"FAIL... " + t.r() + "/pipe.bmp REASON: Not a regular file"});
}

// A write that fails after the file was opened ends the run: here the file
// size limit stops the write, in a child process so the limit stays there.
TEST(BmpPatcher, WriteErrorEndsTheRunKeepingTheLog) {
  Trees t;
  write_all(t.root / "a" / "first.bmp", std::string(100, 'f'));
  write_all(t.root / "b" / "second.bmp", "");
  write_all(t.root / "c" / "third.bmp", "");
  t.patch = std::string(4096, 'P');
  write_all(t.app / "Patch.dat", t.patch);
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(fds[0]);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{1000, RLIM_INFINITY};  // the 4096 bytes of Patch.dat cannot all be written
    setrlimit(RLIMIT_FSIZE, &lim);
    std::string report;
    try {
      t.run();
      report = "completed";
    } catch (const PatchWriteError& e) {
      report = std::string("error: ") + e.what();
    }
    report += "\nsuccess " + std::to_string(t.patcher.success) + " fail " + std::to_string(t.patcher.fail) + "\n";
    for (const std::string& l : t.patcher.log) report += l + "\n";
    (void)!::write(fds[1], report.data(), report.size());
    _exit(0);
  }
  ::close(fds[1]);
  std::string report;
  char buf[512];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) report.append(buf, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  // Listing order decides which file comes first; exactly one is attempted.
  EXPECT_EQ(report.rfind("error: Cannot write '" + t.r() + "/", 0), 0u) << report;
  EXPECT_NE(report.find("': File too large\nsuccess 0 fail 0\n"), std::string::npos) << report;
}

TEST(BmpPatcher, SaveLogGoesToTheProgramFolderAtomically) {
  Trees t;
  write_all(t.root / "a.bmp", "a");
  ASSERT_TRUE(t.run());
  fs::create_directories(t.base / "elsewhere");
  const fs::path before = fs::current_path();
  fs::current_path(t.base / "elsewhere");
  const bool saved = t.patcher.save_log(t.dialogs);
  fs::current_path(before);
  ASSERT_TRUE(saved);
  EXPECT_EQ(read_all(t.app / "log.txt"), "SUCCESS!... " + t.r() + "/a.bmp\r\n");
  EXPECT_FALSE(fs::exists(t.base / "elsewhere" / "log.txt"));
  // A second save replaces the file whole; no temporary file stays behind.
  ASSERT_TRUE(t.run());
  ASSERT_TRUE(t.patcher.save_log(t.dialogs));
  EXPECT_EQ(read_all(t.app / "log.txt"), "SUCCESS!... " + t.r() + "/a.bmp\r\nSUCCESS!... " + t.r() + "/a.bmp\r\n");
  int files = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(t.app)) ++files;
  EXPECT_EQ(files, 2);  // Patch.dat and log.txt
}

TEST(BmpPatcher, LogThatCannotBeWrittenSaysSoAndKeepsTheLines) {
  Trees t;
  write_all(t.root / "a.bmp", "a");
  ASSERT_TRUE(t.run());
  fs::create_directory(t.app / "log.txt");  // even root cannot replace a folder by a file
  EXPECT_FALSE(t.patcher.save_log(t.dialogs));
  EXPECT_EQ(t.dialogs.messages, std::vector<std::string>{"Error! can not write log file to disk!"});
  EXPECT_EQ(t.patcher.log.size(), 1u);
  t.patcher.app_dir = (t.base / "missing").string();
  EXPECT_FALSE(t.patcher.save_log(t.dialogs));
  EXPECT_EQ(t.dialogs.messages.size(), 2u);
}

// A bitmap its user may not write: run as another user when we are root,
// because root may write a file of mode 444. The helper is brennick-cli
// patch, copied beside its own Patch.dat where that user can read both.
TEST(BmpPatcher, FileThatCannotBeOpenedForWritingFailsAndTheWalkGoesOn) {
  Trees t;
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  ASSERT_GT(n, 0);
  self[n] = 0;
  const fs::path cli = fs::path(self).parent_path() / "brennick-cli";
  ASSERT_TRUE(fs::exists(cli)) << cli << " is built with the tests";
  fs::copy_file(cli, t.app / "brennick-cli");
  write_all(t.root / "a" / "locked.bmp", "locked");
  write_all(t.root / "b" / "open.bmp", "open");
  write_all(t.root / "c.bmp", "open");
  const bool root = geteuid() == 0;
  std::string prefix;
  if (root) {
    if (std::system("command -v setpriv >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "running as root and setpriv (util-linux) is missing: cannot run as another user";
    prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    for (const auto& e : fs::recursive_directory_iterator(t.base))
      fs::permissions(e.path(), e.is_directory() ? fs::perms(0777) : fs::perms(0666));
    fs::permissions(t.base, fs::perms(0755));
    fs::permissions(t.app / "brennick-cli", fs::perms(0755));
  }
  fs::permissions(t.root / "a" / "locked.bmp", fs::perms(0444));
  const std::string out = (t.base / "out.txt").string();
  const std::string cmd = prefix + (t.app / "brennick-cli").string() + " patch " + t.r() + " >" + out + " 2>&1";
  const int rc = std::system(cmd.c_str());
  const std::string printed = read_all(out);
  EXPECT_EQ(WEXITSTATUS(rc), 1) << printed;
  EXPECT_NE(printed.find("FAIL... " + t.r() + "/a/locked.bmp REASON: Permission denied\n"), std::string::npos)
      << printed;
  EXPECT_NE(printed.find("SUCCESS!... " + t.r() + "/b/open.bmp\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find("SUCCESS!... " + t.r() + "/c.bmp\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find("success: 2 fail: 1"), std::string::npos) << printed;
  EXPECT_EQ(read_all(t.root / "a" / "locked.bmp"), "locked");
  EXPECT_EQ(read_all(t.root / "c.bmp"), t.patch);
}

namespace {

// The window's dialogs: errors, messages and questions in order. A question
// is agreed to (when `agree`) only for a folder inside the test's own tree,
// so that even a fault cannot make a test write anywhere else.
struct AskingDialogs : RecordingDialogs {
  std::string tree;
  bool agree = true;
  AskingDialogs() {
    on_question = [this](const std::string& text) {
      return agree && !tree.empty() && text.find(" under " + tree) != std::string::npos ? Answer::Yes : Answer::No;
    };
  }
};

// The brennick-cli beside this test program, copied into `folder`, run with
// `args` from `cwd`; its output and exit status.
std::pair<int, std::string> run_cli_copy(const fs::path& folder, const std::string& args, const fs::path& cwd) {
  char self[4096];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return {-1, "no /proc/self/exe"};
  self[n] = 0;
  fs::create_directories(folder);
  fs::copy_file(fs::path(self).parent_path() / "brennick-cli", folder / "brennick-cli",
                fs::copy_options::overwrite_existing);
  const fs::path out = folder / "out.txt";
  const std::string cmd = "cd '" + cwd.string() + "' && '" + (folder / "brennick-cli").string() + "' patch " + args +
                          " >'" + out.string() + "' 2>&1";
  const int rc = std::system(cmd.c_str());
  return {WEXITSTATUS(rc), read_all(out)};
}

}  // namespace

// What the window's "Patch!" refuses: nothing asked, nothing written.
TEST(BmpPatcher, WindowRefusesFolderTextsThatNameNoFolderOrAWholeFileSystem) {
  Trees t;
  write_all(t.root / "a.bmp", "keep");
  write_all(t.root / "file.txt", "x");
  fs::create_directory_symlink("/", t.root / "to_root");
  const std::string r = t.r();
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"", "The folder box is empty: enter the full path of the folder whose bitmaps are to be patched."},
      {" \t ", "The folder box is empty: enter the full path of the folder whose bitmaps are to be patched."},
      {"root", "'root' is not a full path: enter the folder's full path, beginning with /."},
      {"C:\\Backup\\Harrowlight\\Veldara",
       "'C:\\Backup\\Harrowlight\\Veldara' is not a full path: enter the folder's full path, beginning with /."},
      {r + "/missing", "The folder '" + r + "/missing' does not exist."},
      {r + "/file.txt/x", "The folder '" + r + "/file.txt/x' does not exist."},
      {r + "/file.txt", "'" + r + "/file.txt' is not a folder."},
  };
  AskingDialogs d;
  d.tree = r;
  for (const auto& [text, message] : refused) {
    d.said.clear();
    EXPECT_FALSE(t.p().patch_after_asking(text, d)) << text;
    EXPECT_EQ(d.said, std::vector<std::string>{"error: " + message}) << text;
  }
  const std::string root_tail =
      " is the root of a file system. The patcher rewrites every bitmap below the folder it is given: name the folder "
      "of your backup copy instead.";
  for (const std::string& text : {std::string("/"), std::string("//"), std::string("/."), r + "/to_root",
                                  r + "/to_root/"}) {
    EXPECT_EQ(patch_folder_problem(text), "'" + text + "'" + root_tail) << text;
    EXPECT_EQ(refused_walk_root(text), "'" + text + "'" + root_tail) << text;
  }
  EXPECT_EQ(refused_walk_root(r), "");
  EXPECT_EQ(patch_folder_problem(r + "/"), "");
  // The walk itself refuses an empty text and a root. Patch.dat is gone
  // first, so that even a walk that went ahead could write nothing.
  fs::remove(t.app / "Patch.dat");
  d.said.clear();
  EXPECT_FALSE(t.p().patch("", d));
  EXPECT_FALSE(t.p().patch(r + "/to_root", d));
  ASSERT_EQ(d.said.size(), 2u);
  EXPECT_EQ(d.said[0], "error: " + refused.front().second);
  EXPECT_EQ(d.said[1], "error: '" + r + "/to_root'" + root_tail);
  EXPECT_EQ(read_all(t.root / "a.bmp"), "keep");
  EXPECT_TRUE(t.patcher.log.empty());
}

// The question names what will be written; only Yes writes.
TEST(BmpPatcher, WindowAsksBeforeTheFirstWriteAndSaysWhenThereIsNothingToPatch) {
  Trees t;
  write_all(t.root / "a.bmp", "0123");
  write_all(t.root / "sub" / "B.BMP", "0123");
  write_all(t.root / "sub" / "deep" / "c.bmp", "0123");
  write_all(t.root / "notes.txt", "0123");
  write_all(t.base / "outside.bmp", "0123");
  fs::create_symlink(t.base / "outside.bmp", t.root / "link.bmp");  // never written, not counted
  EXPECT_EQ(count_matching_files(t.r(), "*.bmp"), 3);
  AskingDialogs d;
  d.tree = t.r();
  d.agree = false;
  EXPECT_FALSE(t.p().patch_after_asking(t.r(), d));
  const std::string question =
      "question: Overwrite the first 54 bytes of 3 bitmaps under " + t.r() + "? This cannot be undone.";
  EXPECT_EQ(d.said, std::vector<std::string>{question});
  EXPECT_EQ(read_all(t.root / "a.bmp"), "0123");
  EXPECT_TRUE(t.patcher.log.empty());

  d.agree = true;
  d.said.clear();
  EXPECT_TRUE(t.p().patch_after_asking(t.r(), d));
  EXPECT_EQ(d.said, std::vector<std::string>{question});
  EXPECT_EQ(read_all(t.root / "sub" / "deep" / "c.bmp"), t.patch);
  EXPECT_EQ(read_all(t.base / "outside.bmp"), "0123");
  EXPECT_EQ(t.patcher.success, 3);
  EXPECT_EQ(t.patcher.fail, 1);  // the link

  d.said.clear();
  fs::create_directories(t.root / "empty" / "inner");
  EXPECT_FALSE(t.p().patch_after_asking(t.r() + "/empty", d));
  EXPECT_EQ(d.said, std::vector<std::string>{"information: There are no bitmaps (*.bmp) under '" + t.r() +
                                             "/empty': nothing was written."});
}

// A name with a line break (or another control character) stays one line
// of the log and of log.txt.
TEST(BmpPatcher, ControlCharactersInNamesAreEscapedInTheLog) {
  Trees t;
  write_all(t.root / "two\nlines.bmp", "x");
  write_all(t.root / "tab\there\x01.bmp", "x");
  write_all(t.root / "back\\slash.bmp", "x");
  ASSERT_TRUE(t.run());
  std::vector<std::string> log = t.patcher.log;
  std::sort(log.begin(), log.end());
  const std::string s = "SUCCESS!... " + t.r() + "/";
  EXPECT_EQ(log, (std::vector<std::string>{s + "back\\slash.bmp", s + "tab\\there\\x01.bmp", s + "two\\nlines.bmp"}));
  EXPECT_EQ(read_all(t.root / "two\nlines.bmp"), t.patch);
  RecordingDialogs d;
  ASSERT_TRUE(t.p().save_log(d));
  const std::string saved = read_all(t.app / "log.txt");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 3);
  EXPECT_EQ(log_text("a\rb\x7f"), "a\\rb\\x7F");
}

// A Patch.dat over 1 GiB is refused with its own message (the file is
// sparse: no gigabyte is written to the disk).
TEST(BmpPatcher, PatchDatOverOneGibibyteIsRefusedAsTooLarge) {
  Trees t;
  write_all(t.root / "a.bmp", "keep");
  fs::resize_file(t.app / "Patch.dat", kPatchDatMaxBytes + 1);
  const std::string message =
      "information: Patch.dat is too large (1073741825 bytes): the patcher copies at most 1073741824 bytes (1 GiB).";
  AskingDialogs d;
  d.tree = t.r();
  EXPECT_FALSE(t.p().patch_after_asking(t.r(), d));
  EXPECT_FALSE(t.p().patch(t.r(), d));
  EXPECT_EQ(d.said, (std::vector<std::string>{message, message}));
  EXPECT_EQ(read_all(t.root / "a.bmp"), "keep");
}

// The command line: a relative ROOT is taken from the working folder; the
// root of a file system and a missing folder are bad arguments. The copy of
// the program used for the refusals has no Patch.dat beside it, so nothing
// could be written even if a refusal failed.
TEST(BmpPatcher, CommandLineResolvesRelativeRootsAndRefusesAFileSystemRoot) {
  Trees t;
  write_all(t.root / "sub" / "a.bmp", "x");
  const auto [rc, out] = run_cli_copy(t.app, "root/sub", t.base);
  EXPECT_EQ(rc, 0) << out;
  EXPECT_EQ(out, "SUCCESS!... " + t.r() + "/sub/a.bmp\nsuccess: 1 fail: 0\n");

  const fs::path bare = t.base / "bare";
  fs::create_directory_symlink("/", t.base / "slash");
  for (const std::string& arg : {std::string("/"), (t.base / "slash").string(), std::string("nowhere")}) {
    const auto [code, text] = run_cli_copy(bare, arg, t.base);
    EXPECT_EQ(code, 2) << arg << ": " << text;
    const std::string shown = arg == "nowhere" ? "The folder '" + (t.base / "nowhere").string() + "' does not exist."
                                               : "'" + arg + "' is the root of a file system.";
    EXPECT_NE(text.find(shown), std::string::npos) << text;
    EXPECT_EQ(text.find("SUCCESS"), std::string::npos) << text;
  }
}
