// Damage over time and the result labels.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pipeline/planner.h"
#include "engine/result_display.h"

using namespace brennick;

namespace {

enum Speed { Seven = 0, Eight = 1, Zero = 2 };

struct Dot {
  explicit Dot(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, nullptr, nullptr}) {}
  SilentDialogs dialogs;
  Planner calc;

  // Sets one column's attack power, critical chance, speed row and weapon kind.
  void column1(int min, int max, int crit, int speed, int kind) {
    calc.state.final_atkpow_min = min;
    calc.state.final_atkpow_max = max;
    calc.state.final_crit = crit;
    calc.sheet.set_row(Ctl::stat_weap_spd, speed);
    calc.sheet.set_row(Ctl::Select_weapon, kind);
  }
  void column2(int min, int max, int crit, int speed, int kind) {
    calc.state.final_atkpow_min_2 = min;
    calc.state.final_atkpow_max_2 = max;
    calc.state.final_crit_2 = crit;
    calc.sheet.set_row(Ctl::stat_weap_spd_2, speed);
    calc.sheet.set_row(Ctl::Select_weapon_2, kind);
  }
  std::array<std::string, 5> labels1() const {
    const Sheet& s = calc.sheet;
    return {s.text(Ctl::Lbl_dot_1h_1), s.text(Ctl::Lbl_dot_1h_2), s.text(Ctl::Lbl_dot_1h_3),
            s.text(Ctl::Lbl_dot_1h_5), s.text(Ctl::Lbl_dot_1h_4)};
  }
  std::array<std::string, 5> labels2() const {
    const Sheet& s = calc.sheet;
    return {s.text(Ctl::Lbl_dot_2h_1), s.text(Ctl::Lbl_dot_2h_2), s.text(Ctl::Lbl_dot_2h_3),
            s.text(Ctl::Lbl_dot_2h_5), s.text(Ctl::Lbl_dot_2h_4)};
  }
};

using Labels = std::array<std::string, 5>;  // avg, normal, critical, pets, total

}  // namespace

TEST(DamageOverTime, OneHandAtSpeedSeven) {
  Dot d;
  d.calc.sheet.set_row(Ctl::Select_class, Fighter);
  d.column1(100, 105, 10, Seven, Axe);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"102.5", "5535", "1230", "0", "6765"}));
}

TEST(DamageOverTime, OneHandAtSpeedEight) {
  Dot d;
  d.calc.sheet.set_row(Ctl::Select_class, Fighter);
  d.column1(100, 105, 10, Eight, Axe);
  d.calc.Calc_DoT();
  // 68 hits, trunc(6.8) = 6 critical: 6970 - 615 = 6355, 1230
  EXPECT_EQ(d.labels1(), (Labels{"102.5", "6355", "1230", "0", "7585"}));
}

TEST(DamageOverTime, CommaLocale) {
  Dot d(NumberFormat::comma());
  d.column1(100, 105, 10, Seven, Axe);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1()[0], "102,5");
}

TEST(DamageOverTime, TwoHandedBowStrikesFaster) {
  Dot d;
  d.column2(10, 10, 0, Eight, Bow);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels2()[1], "680");
  d.column2(10, 10, 0, Eight, Sword);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels2()[1], "570");
  d.column2(10, 10, 0, Seven, Sword);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels2()[1], "510");
  d.column2(10, 10, 0, Seven, Bow);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels2()[1], "600");
  // The one-hand column counts 60 and 68 whatever the weapon.
  d.column1(10, 10, 0, Eight, Sword);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1()[1], "680");
}

TEST(DamageOverTime, UnarmedHidesTheCriticalShareButTheTotalKeepsIt) {
  Dot d;
  d.column1(100, 105, 10, Seven, NoWeapon);
  d.column2(100, 105, 10, Seven, Axe);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"102.5", "5535", "0", "0", "6765"}));
  // 51 hits, trunc(5.1) = 5 critical: 5227.5 - 512.5 = 4715, 1025
  EXPECT_EQ(d.labels2(), (Labels{"102.5", "4715", "1025", "0", "5740"}));
}

TEST(DamageOverTime, NoSpeedCountsNoHits) {
  Dot d;
  d.calc.sheet.set_row(Ctl::Select_class, Magician);
  d.calc.state.dot_extra[5] = 300;
  d.calc.state.dot_extra[6] = 45;
  d.column1(7, 8, 50, -1, Axe);
  d.column2(7, 8, 50, Zero, Axe);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"7.5", "0", "0", "345", "345"}));
  EXPECT_EQ(d.labels2(), (Labels{"7.5", "0", "0", "345", "345"}));
}

TEST(DamageOverTime, PetTermsByClass) {
  struct Case {
    int class_no;
    const char* pets;
  };
  const Case cases[] = {{-1, "0"},          {Fighter, "0"},    {Archer, "3002"}, {Pikeman, "0"},
                        {Mechanician, "70000"}, {Atalanta, "0"}, {Knight, "0"},    {Magician, "1100000"},
                        {Priestess, "300000000"}};
  for (const Case& c : cases) {
    Dot d;
    d.calc.sheet.set_row(Ctl::Select_class, c.class_no);
    d.calc.state.dot_extra = {1, 0, 3001, 30000, 40000, 100000, 1000000, 7, 300000000};
    d.calc.Calc_DoT();
    EXPECT_EQ(d.labels1()[3], c.pets) << c.class_no;
    EXPECT_EQ(d.labels2()[3], c.pets) << c.class_no;
    EXPECT_EQ(d.labels1()[4], c.pets) << c.class_no;
  }
  // The Archer's second summon replaces the first when it is there.
  Dot d;
  d.calc.sheet.set_row(Ctl::Select_class, Archer);
  d.calc.state.dot_extra = {1, 20, 3000, 0, 0, 0, 0, 0, 0};
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1()[3], "3020");
}

TEST(DamageOverTime, NegativeZeroShowsAsZero) {
  Dot d;
  d.column1(-10, -5, 0, Seven, Axe);  // critical = 0 * -7.5 * 2
  d.column2(0, 0, 0, -1, Axe);
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"-7.5", "-450", "0", "0", "-450"}));
  EXPECT_EQ(d.labels2(), (Labels{"0", "0", "0", "0", "0"}));
}

TEST(DamageOverTime, FloorsTowardsMinusInfinity) {
  Dot d;
  d.column1(-1, 0, 15, Seven, Axe);  // avg -0.5, k = 9: normal -25.5, critical -9, total -34.5
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"-0.5", "-26", "-9", "0", "-35"}));
  d.column1(0, 1, 15, Seven, Axe);  // avg 0.5: normal 25.5, critical 9, total 34.5
  d.calc.Calc_DoT();
  EXPECT_EQ(d.labels1(), (Labels{"0.5", "25", "9", "0", "34"}));
}

TEST(DamageOverTime, InAFullPassAfterStartUp) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  calc.user_select_row(Ctl::Select_class, Fighter);
  // No weapon kind and no speed selected: no attack power and no hits.
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_dot_1h_1), "0");
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_dot_1h_4), "0");
  calc.sheet.set_row(Ctl::Select_weapon, NoWeapon);
  calc.user_select_row(Ctl::stat_weap_spd, Seven);
  // Formula H at level 1: 4 - 5, average 4.5 in 60 hits.
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_final_stat_atkpow), "4 - 5");
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_dot_1h_1), "4.5");
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_dot_1h_2), "270");
}

TEST(ResultDisplay, RangeTexts) {
  EXPECT_EQ(display_res(5, 5), " 5");
  EXPECT_EQ(display_res(3, 7), "3 - 7");
  EXPECT_EQ(display_res(-2, 4), "-2 - 4");
  EXPECT_EQ(display_res(-128, 127), "-128 - 127");
  EXPECT_EQ(display_res(-1, -1), " -1");
}

TEST(ResultDisplay, LabelsFromTheState) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::point(), {&dialogs, nullptr, nullptr});
  CalcState& s = calc.state;
  s.final_atkpow_min = 12, s.final_atkpow_max = 30, s.final_atkpow_min_2 = -3, s.final_atkpow_max_2 = 0;
  s.final_hp = 1, s.final_hp_2 = 2, s.final_mp = 3, s.final_mp_2 = 4, s.final_stm = 5, s.final_stm_2 = 6;
  s.final_def = 7, s.final_def_2 = 8, s.final_rtg = 9, s.final_rtg_2 = -10;
  s.final_mp_regen = 1.005, s.final_mp_regen_2 = -0.001;
  s.final_abs = 3.0, s.final_abs_2 = 2.481;
  s.final_crit = 15, s.final_crit_2 = 0, s.final_blk = 20, s.final_blk_2 = -1, s.final_eva = 33;
  calc.display_final_results();
  const Sheet& sh = calc.sheet;
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_atkpow), "12 - 30");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_atkpow_2), "-3 - 0");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_HP), "1");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_HP_2), "2");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_MP), "3");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_MP_2), "4");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_STM), "5");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_STM_2), "6");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_def), "7");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_def_2), "8");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_rtg), "9");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_rtg_2), "-10");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_mp_regen), "1");      // the double nearest 1.005 lies below it
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_mp_regen_2), "0");    // never "-0"
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_abs), "3 (3)");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_abs_2), "2.48 (3)");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_crit), "15 %");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_crit_2), "0 %");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_blk), "20 %");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_blk_2), "-1 %");
  EXPECT_EQ(sh.text(Ctl::Lbl_final_stat_eva), "33 %");
}

TEST(ResultDisplay, NegativeAbsorptionCeiling) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::comma(), {&dialogs, nullptr, nullptr});
  calc.state.final_abs = -2.5;
  calc.state.final_abs_2 = -0.25;
  calc.display_final_results();
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_final_stat_abs), "-2,5 (-2)");
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_final_stat_abs_2), "-0,25 (0)");
}
