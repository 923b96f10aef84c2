// Fuzz target of typed box texts: any text typed into any text box or number
// field, in either locale, followed by the pass it starts (and the check on
// leaving the box), must never crash, hang or read out of bounds. A text the
// pass cannot use is reported: the status bar shows a message, and the error
// log has that message.
//
// Input: the first byte picks the locale (odd: comma); then up to eight
// typings separated by a zero byte, each a box selector byte followed by the
// text typed (at most 4096 bytes).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/services.h"
#include "engine/startup.h"
#include "pipeline/planner.h"
#include "tests/fuzz/start_sheets.h"

namespace {

// A failed check names its line before it aborts, so a crash input says
// which property it broke.
void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: check failed\n", __FILE__, line);
  std::abort();
}

class KeptLog : public brennick::ErrorLog {
 public:
  void write_error_log(const std::string& message, const std::string& owner, const std::string& detail) override {
    messages.push_back(message);
    (void)owner;
    (void)detail;
  }
  std::vector<std::string> messages;
};

// Every box a user can type into.
const std::vector<brennick::Ctl>& boxes() {
  static const std::vector<brennick::Ctl> all = [] {
    std::vector<brennick::Ctl> out;
    for (brennick::Ctl id : brennick::all_controls()) {
      const brennick::ControlKind kind = brennick::control_spec(id).kind;
      if (kind == brennick::ControlKind::NumberField || kind == brennick::ControlKind::TextBox) out.push_back(id);
    }
    return out;
  }();
  return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool comma = (data[0] & 1) != 0;
  brennick::SilentDialogs dialogs;
  KeptLog log;
  brennick::Planner calc(comma ? brennick::NumberFormat::comma() : brennick::NumberFormat::point(),
                         {&dialogs, &log, nullptr});
  brennick_fuzz::start_like(calc, comma);

  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::size_t at = 0;
  for (int typing = 0; typing < 8 && at < rest.size(); ++typing) {
    const std::size_t end = std::min(rest.find('\0', at), rest.size());
    const std::string_view record = rest.substr(at, end - at);
    at = end + 1;
    if (record.empty()) continue;
    const auto selector = static_cast<unsigned char>(record[0]);
    const brennick::Ctl box = boxes()[selector % boxes().size()];
    const std::string text(record.substr(1, 4096));

    const std::size_t logged = log.messages.size();
    calc.sheet.status_panel1 = "OK";
    calc.user_set_text(box, text);
    if (selector & 0x80) calc.user_leave(box);
    // The program is alive with its handlers attached, and the status bar
    // shows "OK" or the message the error log received.
    check(calc.attached(brennick::Ctl::stat_level));
    const std::string& status = calc.sheet.status_panel1;
    check(!status.empty());
    if (status != "OK") {
      check(log.messages.size() > logged);
      check(log.messages.back() == status);
    }
    for (std::size_t i = logged; i < log.messages.size(); ++i) check(!log.messages[i].empty());
    // Every list still selects a row it has, or none.
    for (brennick::Ctl id : brennick::all_controls()) {
      const brennick::Control& c = calc.sheet[id];
      check(c.row == -1 || (c.row >= 0 && c.row < static_cast<int>(c.rows.size())));
    }
  }
  return 0;
}
