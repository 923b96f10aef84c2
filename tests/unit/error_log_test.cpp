// The error log only ever grows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/error_log_file.h"

using namespace brennick;
namespace fs = std::filesystem;

namespace {
std::string read_all(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

fs::path fresh_dir(const std::string& name) {
  fs::path d = fs::temp_directory_path() / ("brennick_errlog_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(d);
  fs::create_directories(d);
  return d;
}
}  // namespace

TEST(ErrorLog, LineFormat) {
  EXPECT_EQ(error_log_line("09.12.2026", "05:40:51", "File not found: \\images\\Sword_20.bmp", "MainForm",
                           "Start File-Check"),
            "[09.12.2026] [05:40:51] Error: File not found: \\images\\Sword_20.bmp | Owner: MainForm | "
            "Detail: Start File-Check");
}

TEST(ErrorLog, AppendsAndKeepsEveryEarlierLine) {
  const fs::path dir = fresh_dir("append");
  const fs::path log = dir / "error.log";
  EXPECT_FALSE(append_error_log_line(log.string(), "first").has_value());
  EXPECT_FALSE(append_error_log_line(log.string(), "second\r\nline").has_value());
  EXPECT_EQ(read_all(log), "first\nsecond  line\n");
  fs::remove_all(dir);
}

TEST(ErrorLog, UnreadableOrDamagedLogIsNotReplaced) {
  const fs::path dir = fresh_dir("damaged");
  const fs::path log = dir / "error.log";
  const std::string damaged("\xff\xfe\x00garbage without line end", 26);
  std::ofstream(log, std::ios::binary) << damaged;
  fs::permissions(log, fs::perms::owner_write);  // write-only: cannot be read back
  EXPECT_FALSE(append_error_log_line(log.string(), "new").has_value());
  fs::permissions(log, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(read_all(log), damaged + "new\n");
  fs::remove_all(dir);
}

TEST(ErrorLog, FailureIsReportedWithTheLine) {
  const auto failure = append_error_log_line("/nonexistent-folder/error.log", "x");
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(error_log_write_failure("L"), "Brennick was not able to write the error log! the Error was:\r\n\r\nL");
}
