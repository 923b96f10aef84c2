// One class report on a prepared state: the class, the slot levels, the
// switches, the weapons and the values the report starts from are set
// directly, then `run()` runs Calc_skills alone (no whole pass), so the test
// reads exactly what the report wrote.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "engine/startup.h"
#include "skills/report_framework.h"

namespace brennick {

inline const std::string kCrlf = "\r\n";

struct ReportFixture {
  explicit ReportFixture(int class_no, NumberFormat format = NumberFormat::point())
      : calc(format, {&dialogs, nullptr, nullptr}) {
    start_sheet(calc);
    calc.state.locale_decimal_comma = format.decimal_comma() ? 1 : 0;
    calc.sheet.set_row(Ctl::Select_class, class_no);
  }
  // The level of a slot (index, as skills::tier gives it).
  void level(int slot, int l) { calc.sheet.set_value(slot_controls(slot).level, l); }
  // The timed skill's switch of a slot.
  void on(int slot, bool enabled = true) { calc.state.skill_on[static_cast<std::size_t>(slot)] = enabled ? 1 : 0; }
  // The weapon kinds of the 1h and the 2h column (rows of Select_weapon).
  void weapons(int one, int two) {
    calc.sheet.set_row(Ctl::Select_weapon, one);
    calc.sheet.set_row(Ctl::Select_weapon_2, two);
  }
  // The same base attack power in both columns.
  void base(int min, int max) {
    calc.state.final_atkpow_min = calc.state.final_atkpow_min_2 = min;
    calc.state.final_atkpow_max = calc.state.final_atkpow_max_2 = max;
  }
  // The same weapon power in both columns.
  void weapon_power(int min, int max) {
    calc.state.weap_min_pow = calc.state.weap_min_pow_2 = min;
    calc.state.weap_max_pow = calc.state.weap_max_pow_2 = max;
  }
  void stat(Ctl field, int value) { calc.sheet.set_value(field, value); }
  void run() { calc.Calc_skills(); }

  std::string box(int slot) const { return calc.sheet.text(slot_controls(slot).info); }
  std::string usage(int slot) const { return calc.sheet.text(slot_controls(slot).mana); }
  bool usage_shown(int slot) const { return calc.sheet[slot_controls(slot).mana].visible; }
  std::string picture(int slot) const { return calc.sheet[slot_controls(slot).kind_img].picture; }
  CalcState& st() { return calc.state; }

  SilentDialogs dialogs;
  Calculator calc;
};

// Lines joined by CRLF, for expected report texts.
inline std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  bool first = true;
  for (const std::string& l : lines) {
    if (!first) out += kCrlf;
    out += l;
    first = false;
  }
  return out;
}

}  // namespace brennick
