// Fuzz target of the build-file loader: any bytes, loaded as a build file by
// "Load Character", must load what they can (missing and malformed keys take
// their defaults) without crashing, hanging or reading out of bounds, and
// leave the sheet live with a completed pass.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "buildfile/build_file.h"
#include "pipeline/planner.h"
#include "engine/startup.h"

namespace {

namespace fs = std::filesystem;

void check(bool ok) {
  if (!ok) std::abort();
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(input_file(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    check(static_cast<bool>(out));
  }
  FileDialogs dialogs(input_file().string());
  brennick::Planner calc(brennick::NumberFormat::point(), {&dialogs, nullptr, nullptr});
  brennick::start_sheet(calc);
  // The first byte picks the locale, so both separators are exercised.
  if (size > 0 && (data[0] & 1)) {
    brennick::Planner comma(brennick::NumberFormat::comma(), {&dialogs, nullptr, nullptr});
    brennick::start_sheet(comma);
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
  const fs::path first = input_file().parent_path() / "first.brk";
  const fs::path second = input_file().parent_path() / "second.brk";
  fs::remove(first);
  fs::remove(second);
  brennick::save_build_file(calc, first);
  FileDialogs again_dialogs(first.string());
  brennick::Planner again(brennick::NumberFormat::point(), {&again_dialogs, nullptr, nullptr});
  brennick::start_sheet(again);
  again.user_click(brennick::Ctl::MainMenu_file_load);
  brennick::save_build_file(again, second);
  check(brennick::read_file(first, 1 << 20).bytes == brennick::read_file(second, 1 << 20).bytes);
  for (brennick::Ctl id : brennick::all_controls()) {
    if (id == brennick::Ctl::lbl_filename) continue;
    const brennick::Control& a = calc.sheet[id];
    const brennick::Control& b = again.sheet[id];
    check(a.text == b.text && a.row == b.row && a.checked == b.checked && a.picture == b.picture);
  }
  return 0;
}
