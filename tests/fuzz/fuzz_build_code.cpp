// Fuzz target of the build-code reader: any text pasted as a build code
// must either load or be refused without crashing, hanging or reading out
// of bounds; a refused code leaves the sheet exactly as it was (everything
// sheet_json shows, compared as values by SheetSnapshot).
//
// The first byte chooses the input's form: odd, the bytes after it are the
// code's text as pasted; even, they are the content behind a correct prefix
// and checksum (version, packing, body), so the fuzzer reaches the
// decompression and the body reader rather than stopping at the checksum.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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

std::string with_checksum(std::string bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
  const auto crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
  for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((crc >> shift) & 0xFF);
  std::string out = "BRK-";
  std::uint32_t bits = 0;
  int count = 0;
  for (char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      out += kAlphabet[(bits >> count) & 0x3F];
    }
  }
  if (count > 0) out += kAlphabet[(bits << (6 - count)) & 0x3F];
  return out;
}

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
  const bool loaded = brennick::load_build_code(calc, code, "MainMenu_file", "MainMenu_file_paste_code");
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
  check(brennick::load_build_code(calc, again, "MainMenu_file", "MainMenu_file_paste_code"));
  check(brennick::build_code_of_sheet(calc) == again);
  check(brennick::fuzz::SheetSnapshot(calc) == shown);
  // Back to the start sheet for the next input.
  calc.user_click(brennick::Ctl::MainMenu_file_reset);
  return 0;
}
