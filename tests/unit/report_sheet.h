// A class report run directly on a prepared calculation state: the class is
// selected without its set-up, and each test writes the values the report
// reads before calling Calc_skills.
#pragma once

#include <string>

#include "engine/calculator.h"
#include "engine/startup.h"
#include "skills/report_framework.h"

namespace brennick {

inline const std::string kCrlf = "\r\n";

struct ReportSheet {
  explicit ReportSheet(int class_no, NumberFormat f = NumberFormat::point())
      : calc(f, {&dialogs, nullptr, nullptr}) {
    start_sheet(calc);
    calc.sheet.set_row(Ctl::Select_class, class_no);
  }
  void level(int slot, int l) { calc.sheet.set_value(slot_controls(slot).level, l); }
  void on(int slot, bool v = true) { calc.state.skill_on[static_cast<std::size_t>(slot)] = v ? 1 : 0; }
  void weapons(int one, int two) {
    calc.sheet.set_row(Ctl::Select_weapon, one);
    calc.sheet.set_row(Ctl::Select_weapon_2, two);
  }
  void base(int min, int max) {
    calc.state.final_atkpow_min = calc.state.final_atkpow_min_2 = min;
    calc.state.final_atkpow_max = calc.state.final_atkpow_max_2 = max;
  }
  // The weapon's own power, the same in both columns.
  void weapon_power(int min, int max) {
    calc.state.weap_min_pow = calc.state.weap_min_pow_2 = min;
    calc.state.weap_max_pow = calc.state.weap_max_pow_2 = max;
  }
  void run() { calc.Calc_skills(); }
  std::string box(int slot) const { return calc.sheet.text(slot_controls(slot).info); }
  std::string usage(int slot) const { return calc.sheet.text(slot_controls(slot).mana); }
  bool usage_shown(int slot) const { return calc.sheet[slot_controls(slot).mana].visible; }
  std::string picture(int slot) const { return calc.sheet[slot_controls(slot).kind_img].picture; }
  CalcState& st() { return calc.state; }

  SilentDialogs dialogs;
  Calculator calc;
};

}  // namespace brennick
