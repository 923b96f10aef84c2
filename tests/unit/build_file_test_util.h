// Helpers of the build-file tests: scripted dialogs, a recording error log,
// a started sheet, and a fresh folder per test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "tests/support/recording.h"
#include "engine/startup.h"

namespace brennick::testing_build {

namespace fs = std::filesystem;

// Answers the file dialogs and the warning from queues, and records what
// was asked. An empty queue answers "cancelled" / Abort.
using test_support::ScriptedDialogs;

// A calculator as the window shows it after start-up.
struct StartedSheet {
  explicit StartedSheet(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, &log, nullptr}) { start_sheet(calc); }
  ScriptedDialogs dialogs;
  RecordingLog log;
  brennick::Planner calc;

  // "Load Character" answered with `file`.
  void load(const fs::path& file) {
    dialogs.open_answers.push_back(file.string());
    calc.user_click(Ctl::MainMenu_file_load);
  }
};

// A fresh, empty folder for one test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("brennick_build_") + (info ? info->test_suite_name() : "x") + "_" +
                       (info ? info->name() : "y") + "_" + std::to_string(::getpid());
    for (char& c : name)
      if (c == '/') c = '_';
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

inline std::string read_bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void write_bytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace brennick::testing_build
