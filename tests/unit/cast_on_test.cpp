// Buffs cast on the character: availability per class, the first pass's
// changes to the state, and Holy Valor's note in the second pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "tests/support/recording.h"
#include "engine/startup.h"
#include "data/calc_skill.h"
#include "skills/cast_on.h"

using namespace brennick;
using test_support::RecordingDialogs;

namespace {

struct Buffs {
  explicit Buffs(int class_no) : calc(NumberFormat::point(), {&dialogs, nullptr, nullptr}) {
    start_sheet(calc);
    calc.sheet.set_row(Ctl::Select_class, class_no);
    CalcState& s = calc.state;
    s.final_atkpow_min = s.final_atkpow_min_2 = 100;
    s.final_atkpow_max = s.final_atkpow_max_2 = 120;
    s.final_rtg = s.final_rtg_2 = 500;
    s.final_eva = 33;
  }
  void cast(int slot, int level) {
    calc.sheet.set_value(cast_on_controls(slot - 1).spin, level);
    calc.state.cast_on_on[slot - 1] = 1;
  }
  RecordingDialogs dialogs;
  Planner calc;
};

const std::string kCrlf = "\r\n";

}  // namespace

TEST(CastOn, ForceOfNatureForAFighterAndNotForAnArcher) {
  Buffs f(Fighter);
  f.cast(1, 10);
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 130);
  EXPECT_EQ(f.calc.state.final_atkpow_max_2, 150);
  EXPECT_EQ(f.calc.state.final_rtg, 610);
  EXPECT_EQ(f.calc.state.final_rtg_2, 610);

  Buffs a(Archer);
  a.cast(1, 10);
  Calc_castOn(a.calc, true);
  EXPECT_EQ(a.calc.state.final_atkpow_min, 100);
  EXPECT_EQ(a.calc.state.final_rtg, 500);
  EXPECT_FALSE(a.calc.sheet[cast_on_controls(0).spin].enabled);
  EXPECT_FALSE(a.calc.sheet[cast_on_controls(0).label].enabled);
  EXPECT_EQ(a.calc.state.final_eva, 33) << "the Archer's evasion is its own report's";
}

TEST(CastOn, LevelZeroOrSwitchOffDoesNothing) {
  Buffs f(Fighter);
  f.cast(1, 0);
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 100);
  f.cast(1, 5);
  f.calc.state.cast_on_on[0] = 0;
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 100);
}

TEST(CastOn, EnchantWeapon) {
  Buffs f(Fighter);
  f.cast(4, 4);  // lightning 8-16
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 108);
  EXPECT_EQ(f.calc.state.final_atkpow_max, 136);
  EXPECT_EQ(f.calc.state.final_atkpow_min_2, 108);
  EXPECT_EQ(f.calc.state.final_atkpow_max_2, 136);
  Buffs m(Magician);
  m.cast(4, 4);
  Calc_castOn(m.calc, true);
  EXPECT_EQ(m.calc.state.final_atkpow_min, 100);
  EXPECT_FALSE(m.calc.sheet[cast_on_controls(3).spin].enabled);
  EXPECT_FALSE(m.calc.sheet[cast_on_controls(3).stat_img].enabled);
}

TEST(CastOn, TriumphRaisesTheMaximaOnly) {
  Buffs f(Fighter);
  f.cast(5, 1);
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 100);
  EXPECT_EQ(f.calc.state.final_atkpow_min_2, 100);
  EXPECT_EQ(f.calc.state.final_atkpow_max, 127);
  EXPECT_EQ(f.calc.state.final_atkpow_max_2, 127);
}

TEST(CastOn, HallOfValhallaForAKnight) {
  Buffs f(Knight);
  f.cast(6, 5);
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_eva, 6);
  EXPECT_EQ(f.calc.state.final_atkpow_max, 135);
  EXPECT_EQ(f.calc.state.final_atkpow_max_2, 135);
  EXPECT_EQ(f.calc.state.final_atkpow_min, 100);
}

TEST(CastOn, MagicianEvasionWithoutHall) {
  Buffs f(Magician);
  Calc_castOn(f.calc, true);
  EXPECT_EQ(f.calc.state.final_eva, 0);
  Buffs p(Pikeman);
  p.cast(6, 5);
  Calc_castOn(p.calc, true);
  EXPECT_EQ(p.calc.state.final_eva, 33) << "a Pikeman does not receive the Hall";
  EXPECT_EQ(p.calc.state.final_atkpow_max, 120);
}

TEST(CastOn, RegenerationFieldAndVirtualLife) {
  Buffs f(Fighter);
  f.calc.state.final_mp_regen = 2.5;
  f.calc.state.final_mp_regen_2 = 1.5;
  f.calc.state.final_hp = 1000;
  f.calc.state.final_hp_2 = 2000;
  f.cast(7, 1);
  f.cast(8, 1);
  Calc_castOn(f.calc, true);
  const double m = std::stod(skill_value_text(126, 2, 1));
  EXPECT_DOUBLE_EQ(f.calc.state.final_mp_regen, 2.5 + m);
  EXPECT_DOUBLE_EQ(f.calc.state.final_mp_regen_2, 1.5 + m);
  EXPECT_EQ(f.calc.state.final_hp, 1030);
  EXPECT_EQ(f.calc.state.final_hp_2, 2060);
  Buffs p(Priestess);
  p.calc.state.final_hp = 1000;
  p.cast(8, 1);
  Calc_castOn(p.calc, true);
  EXPECT_EQ(p.calc.state.final_hp, 1000);
}

TEST(CastOn, HolyValorTexts) {
  Buffs f(Fighter);
  EXPECT_EQ(f.calc.state.holy_valor_text, "Sorry, no value yet.");
  f.calc.user_click(Ctl::img_holy_valor_special);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0], "Sorry, no value yet.");
  Calc_castOn(f.calc, false);
  EXPECT_EQ(f.calc.state.holy_valor_text, "increase the Level and/or enable it.");
  f.cast(2, 1);  // U+%tAP 0.11, Duration 180
  Calc_castOn(f.calc, false);
  EXPECT_EQ(f.calc.state.holy_valor_text, "Atk-Pow 1h: 111 - 133" + kCrlf + "Atk-Pow 2h: 111 - 133" + kCrlf +
                                              kCrlf + "Duration: 180" + kCrlf + kCrlf + "only to undead!");
  EXPECT_EQ(f.calc.state.final_atkpow_min, 100) << "the second pass changes no value";
  f.calc.user_click(Ctl::img_holy_valor_special);
  EXPECT_EQ(f.dialogs.messages.back(), f.calc.state.holy_valor_text);
}

TEST(CastOn, AKnightKeepsTheLastNoteAndHasNoClick) {
  Buffs f(Knight);
  f.cast(2, 5);
  Calc_castOn(f.calc, false);
  EXPECT_EQ(f.calc.state.holy_valor_text, "Sorry, no value yet.");
  EXPECT_FALSE(f.calc.sheet[Ctl::img_holy_valor_special].enabled);
  f.calc.user_click(Ctl::img_holy_valor_special);
  EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(CastOn, SwitchesThroughTheWindow) {
  Buffs f(Fighter);
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  f.calc.user_set_value(cast_on_controls(0).spin, 10);
  const int base_min = f.calc.state.final_atkpow_min;
  f.calc.user_click(cast_on_controls(0).stat_img);
  EXPECT_EQ(f.calc.sheet.text(cast_on_controls(0).label), "enabled");
  EXPECT_EQ(f.calc.state.final_atkpow_min, base_min + 30);
  // Slot 3 never switches.
  f.calc.user_click(cast_on_controls(2).stat_img);
  EXPECT_EQ(f.calc.state.cast_on_on[2], 0);
  // A class's own buff cannot be switched.
  f.calc.user_select_row(Ctl::Select_class, Archer);
  EXPECT_FALSE(f.calc.sheet[cast_on_controls(0).stat_img].enabled);
  f.calc.user_click(cast_on_controls(0).stat_img);
  EXPECT_EQ(f.calc.state.cast_on_on[0], 1) << "the disabled switch keeps its flag";
  // 5 and 6 exclude each other.
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  f.calc.user_click(cast_on_controls(5).stat_img);
  f.calc.user_click(cast_on_controls(4).stat_img);
  EXPECT_EQ(f.calc.state.cast_on_on[4], 1);
  EXPECT_EQ(f.calc.state.cast_on_on[5], 0);
  EXPECT_EQ(f.calc.sheet.text(cast_on_controls(5).label), "disabled");
}

TEST(CastOn, Availability) {
  using skills::may_receive;
  for (int c = -1; c < 8; ++c) EXPECT_FALSE(may_receive(c, 2));
  EXPECT_FALSE(may_receive(Knight, 1));
  EXPECT_TRUE(may_receive(-1, 0));
  EXPECT_FALSE(may_receive(Atalanta, 4));
  EXPECT_FALSE(may_receive(Archer, 5));
  EXPECT_FALSE(may_receive(Priestess, 6));
  EXPECT_FALSE(may_receive(Priestess, 7));
  EXPECT_TRUE(may_receive(Knight, 5));
}
