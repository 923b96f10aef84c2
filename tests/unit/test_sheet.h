// A calculator with its sheet, for tests that enter a character and read
// the results.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "tests/support/recording.h"

namespace brennick {

using test_support::LogLine;
using test_support::RecordingLog;

struct TestSheet {
  explicit TestSheet(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, nullptr, nullptr}) {}
  SilentDialogs dialogs;
  Planner calc;

  // Chooses the class as the user would (class branch and one pass).
  void pick(int class_no) { calc.user_select_row(Ctl::Select_class, class_no); }
  // Writes a box without starting a pass.
  void set(Ctl id, const std::string& text) { calc.sheet.set_text(id, text); }
  // One pass, which must complete.
  void pass() {
    calc.run_calculation(Ctl::MainForm);
    ASSERT_EQ(calc.sheet.status_panel1, "OK");
  }
  const std::string& text(Ctl id) const { return calc.sheet.text(id); }
  std::uint32_t color(Ctl id) const { return calc.sheet[id].color; }
  const CalcState& st() const { return calc.state; }
};

}  // namespace brennick
