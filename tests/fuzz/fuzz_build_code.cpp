// Fuzz target of the build-code reader: any text pasted as a build code
// must either load or be refused without crashing, hanging or reading out
// of bounds; a refused code leaves the sheet exactly as it was (everything
// sheet_json shows, compared as values by SheetSnapshot).
//
// The first byte chooses the input's form: odd, the bytes after it are the
// code's text as pasted; even, they are the content behind a correct prefix
// and checksum (version, packing, body), so the fuzzer reaches the
// decompression and the body reader rather than stopping at the checksum.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "buildfile/build_code.h"
#include "engine/startup.h"
#include "pipeline/planner.h"
#include "tests/fuzz/sheet_snapshot.h"

namespace {

// A failed check names its line before it aborts, so a crash input says
// which property it broke.
void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", __FILE__, line);
  std::abort();
}

std::string with_checksum(std::string bytes) { return brennick::frame_build_code(std::move(bytes)); }

// One started sheet, reused: a refused code must not change it.
brennick::Planner& sheet() {
  static brennick::SilentDialogs dialogs;
  static brennick::Planner* calc = [] {
    auto* p = new brennick::Planner(brennick::NumberFormat::point(), {&dialogs, nullptr, nullptr});
    brennick::start_sheet(*p);
    return p;
  }();
  return *calc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string code = (data[0] & 1) ? rest : with_checksum(rest);

  brennick::Planner& calc = sheet();
  const brennick::fuzz::SheetSnapshot before(calc);
  const bool loaded = calc.user_paste_build_code(code);
  check(calc.attached(brennick::Ctl::stat_level));
  if (!loaded) {
    check(calc.sheet.status_panel1 != "OK");
    calc.sheet.status_panel1 = "OK";
    check(brennick::fuzz::SheetSnapshot(calc) == before);
    return 0;
  }
  // A code that loads gives the code of what it loaded, and that code loads
  // to the same sheet.
  for (brennick::Ctl id : brennick::all_controls()) {
    const brennick::Control& c = calc.sheet[id];
    check(c.row == -1 || (c.row >= 0 && c.row < static_cast<int>(c.rows.size())));
  }
  const std::string again = brennick::build_code_of_sheet(calc);
  const brennick::fuzz::SheetSnapshot shown(calc);
  check(calc.user_paste_build_code(again));
  check(brennick::build_code_of_sheet(calc) == again);
  check(brennick::fuzz::SheetSnapshot(calc) == shown);
  // Back to the start sheet for the next input.
  calc.user_click(brennick::Ctl::MainMenu_file_reset);
  return 0;
}
