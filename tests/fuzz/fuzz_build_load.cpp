// Fuzz target of the build-file loader: any bytes, loaded as a build file by
// "Load Character", must load what they can (missing and malformed keys take
// their defaults) without crashing, hanging or reading out of bounds, and
// leave the sheet live with a completed pass.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "buildfile/build_file.h"
#include "buildfile/ini_document.h"
#include "pipeline/planner.h"
#include "tests/fuzz/start_sheets.h"
#include "engine/startup.h"

namespace {

namespace fs = std::filesystem;

// A failed check names its line before it aborts, so a crash input says
// which property it broke.
void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", __FILE__, line);
  std::abort();
}

class FileDialogs : public brennick::SilentDialogs {
 public:
  explicit FileDialogs(std::string file) : file_(std::move(file)) {}
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return file_; }

 private:
  std::string file_;
};

const fs::path& input_file() {
  static const fs::path file = [] {
    // A memory file system where there is one: the saves flush to the disk.
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path dir = base / ("brennick_fuzz_build_load_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    static const fs::path remove_at_exit = dir;
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(remove_at_exit, ignored);
    });
    return dir / "input.brk";
  }();
  return file;
}

// The bytes a save writes for a new file (save_build_file on a path that does
// not exist yet): the keys set from the sheet into an empty document.
std::string saved_text(const brennick::Planner& calc) {
  brennick::IniDocument doc;
  brennick::write_build(calc, doc);
  return doc.to_string();
}

void write_plain(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  check(static_cast<bool>(out));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_plain(input_file(), std::string_view(reinterpret_cast<const char*>(data), size));
  FileDialogs dialogs(input_file().string());
  brennick::Planner calc(brennick::NumberFormat::point(), {&dialogs, nullptr, nullptr});
  brennick_fuzz::start_like(calc, false);
  // The first byte picks the locale, so both separators are exercised.
  if (size > 0 && (data[0] & 1)) {
    brennick::Planner comma(brennick::NumberFormat::comma(), {&dialogs, nullptr, nullptr});
    brennick_fuzz::start_like(comma, true);
    comma.user_click(brennick::Ctl::MainMenu_file_load);
    check(comma.attached(brennick::Ctl::stat_level));
  }
  calc.user_click(brennick::Ctl::MainMenu_file_load);
  // A pass completed or its error was reported; either way the sheet is live.
  check(calc.attached(brennick::Ctl::stat_level));
  check(calc.state.calc_ready == 1);
  check(calc.sheet.text(brennick::Ctl::lbl_filename) == input_file().string());
  // Whatever loaded, the rows are rows the lists have (or none).
  for (brennick::Ctl id : brennick::all_controls()) {
    const brennick::Control& c = calc.sheet[id];
    check(c.row == -1 || (c.row >= 0 && c.row < static_cast<int>(c.rows.size())));
  }
  // A loaded sheet saves and loads back to the same sheet, and saving that
  // again gives the same bytes.
  const std::string first = saved_text(calc);
  const fs::path first_file = input_file().parent_path() / "first.brk";
  write_plain(first_file, first);
  FileDialogs again_dialogs(first_file.string());
  brennick::Planner again(brennick::NumberFormat::point(), {&again_dialogs, nullptr, nullptr});
  brennick_fuzz::start_like(again, false);
  again.user_click(brennick::Ctl::MainMenu_file_load);
  check(saved_text(again) == first);
  for (brennick::Ctl id : brennick::all_controls()) {
    if (id == brennick::Ctl::lbl_filename) continue;
    const brennick::Control& a = calc.sheet[id];
    const brennick::Control& b = again.sheet[id];
    check(a.text == b.text && a.row == b.row && a.checked == b.checked && a.picture == b.picture);
  }
  return 0;
}

