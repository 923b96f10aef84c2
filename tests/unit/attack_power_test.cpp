// Attack power: weapon formulas by class and kind, bonuses, divisors, the
// unarmed formulas and the force-orb additions.
#include <gtest/gtest.h>

#include <string>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {


struct Sheet1 : TestSheet {
  using TestSheet::TestSheet;

  // Level 10, Strength 28, Talent 21, Agility 17 and a 10-20 weapon in both columns.
  void standard(int class_no, int kind1, int kind2) {
    pick(class_no);
    set(Ctl::stat_level, "10");
    set(Ctl::stat_strenght, "28");
    set(Ctl::stat_talent, "21");
    set(Ctl::stat_agility, "17");
    set(Ctl::stat_weap_min_pow, "10");
    set(Ctl::stat_weap_max_pow, "20");
    set(Ctl::stat_weap_min_pow_2, "10");
    set(Ctl::stat_weap_max_pow_2, "20");
    calc.sheet.set_row(Ctl::Select_weapon, kind1);
    calc.sheet.set_row(Ctl::Select_weapon_2, kind2);
    pass();
  }
  std::string one() const { return text(Ctl::Lbl_final_stat_atkpow); }
  std::string two() const { return text(Ctl::Lbl_final_stat_atkpow_2); }
};

Ctl skill_level(int tier, int n) { return slot_controls((tier - 1) * 4 + n - 1).level; }

}  // namespace

TEST(AttackPower, FighterAxeWithLevelBonus) {
  Sheet1 s;
  s.standard(Fighter, Axe, Axe);
  EXPECT_EQ(s.st().final_atkpow_min, 16);
  EXPECT_EQ(s.st().final_atkpow_max, 29);
  EXPECT_EQ(s.one(), "16 - 29");
  EXPECT_EQ(s.two(), "16 - 29");
}

TEST(AttackPower, MasteryAddsItsFractionOfTheWeapon) {
  Sheet1 s;
  s.standard(Fighter, Axe, Axe);
  s.set(skill_level(1, 1), "1");  // Melee Mastery: 0.06
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().fighter_skill_value, 0.06);
  EXPECT_EQ(s.one(), "16 - 30");  // trunc(0.6 + 13) adds nothing, trunc(1.2 + 24) one
  EXPECT_EQ(s.two(), "16 - 30");
  s.set(skill_level(1, 1), "10");  // 0.32: min trunc(3.2 + 13) = 16, max trunc(6.4 + 24) = 30
  s.pass();
  EXPECT_EQ(s.one(), "19 - 35");
  s.set(skill_level(1, 1), "0");  // back to nothing in the same pass
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().fighter_skill_value, 0.0);
  EXPECT_EQ(s.one(), "16 - 29");
}

TEST(AttackPower, MasteryInACommaLocale) {
  Sheet1 s(NumberFormat::comma());
  s.standard(Fighter, Axe, Claw);
  s.set(skill_level(1, 1), "1");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().fighter_skill_value, 0.06);
  EXPECT_EQ(s.one(), "16 - 30");
  EXPECT_EQ(s.two(), "15 - 29");  // claw: mastery but no level bonus
}

TEST(AttackPower, TypedMasteryLevelAboveTheTopReadsTheTop) {
  Sheet1 s;
  s.standard(Fighter, Axe, Axe);
  s.set(skill_level(1, 1), "12");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().fighter_skill_value, 0.32);
  s.set(skill_level(1, 1), "-4");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().fighter_skill_value, 0.0);
}

TEST(AttackPower, PikemanBonusesOnlyForTheScythe) {
  Sheet1 s;
  s.standard(Pikeman, Axe, Scythe);
  s.set(skill_level(1, 1), "10");  // Pikeman has no mastery: nothing changes
  s.pass();
  EXPECT_EQ(s.one(), "15 - 28");
  EXPECT_EQ(s.two(), "16 - 29");
}

TEST(AttackPower, KnightBonusesFollowEachColumnsKind) {
  Sheet1 s;
  s.standard(Knight, Sword, Axe);
  EXPECT_EQ(s.one(), "16 - 29");
  EXPECT_EQ(s.two(), "15 - 28");
  s.set(skill_level(3, 1), "1");  // Sword Mastery 0.06
  s.pass();
  EXPECT_EQ(s.one(), "16 - 30");
  EXPECT_EQ(s.two(), "15 - 28");
}

TEST(AttackPower, PowerDivisorReachesOnlyTheMaximum) {
  Sheet1 s;
  s.standard(Fighter, Axe, Axe);
  s.set(Ctl::stat_level, "50");
  s.pass();
  // min: 12, 13, trunc(8.33 + 13) = 21, 23; max: 24, 32, 36
  ASSERT_EQ(s.one(), "23 - 36");
  for (const char* ignored : {"0", "2", "8", "-5"}) {
    s.set(Ctl::stat_weap_spec_pow, ignored);
    s.pass();
    EXPECT_EQ(s.one(), "23 - 36") << ignored;
  }
  s.set(Ctl::stat_weap_spec_pow, "5");
  s.pass();
  EXPECT_EQ(s.one(), "23 - 46");
  EXPECT_EQ(s.two(), "23 - 36");
  s.set(Ctl::stat_weap_spec_pow_2, "3");  // + 16.67
  s.pass();
  EXPECT_EQ(s.two(), "23 - 52");
}

TEST(AttackPower, ArcherAndAtalantaFormulas) {
  Sheet1 archer;
  archer.standard(Archer, Bow, Axe);
  // Bow, formula E with both bonuses: g = trunc(49 / 40) = 1, t = 17 / 130
  // min: trunc(11.31 + 1) = 12, trunc(1.875 + 12) = 13, trunc(1.67 + 13) = 14, 16
  // max: trunc(22.62 + 1) = 23, 24, 28
  EXPECT_EQ(archer.one(), "16 - 28");
  // Axe, formula D: g = trunc(38 / 45) = 0, t = 28 / 150; min 11, 12, 14; max 23, 27
  EXPECT_EQ(archer.two(), "14 - 27");

  Sheet1 atalanta;
  atalanta.standard(Atalanta, Javelin, Bow);
  EXPECT_EQ(atalanta.one(), "16 - 28");
  EXPECT_EQ(atalanta.two(), "15 - 27");  // bow without bonuses for her
  atalanta.set(skill_level(1, 3), "1");   // Throwing Mastery 0.07
  atalanta.pass();
  EXPECT_EQ(atalanta.one(), "16 - 29");
}

TEST(AttackPower, MechanicianFormulaK) {
  Sheet1 s;
  s.standard(Mechanician, Mace, Bow);
  // K: g = 0, t = 28 / 150; min 11, 12, 13, 15; max 23, 24, 28
  EXPECT_EQ(s.one(), "15 - 28");
  // The bow uses B with both bonuses: g = trunc(49 / 50) = 0, t = 17 / 190
  // min: 10, trunc(1.875 + 10) = 11, 12, 14; max: 21, 22, 26
  EXPECT_EQ(s.two(), "14 - 26");
  s.set(skill_level(3, 3), "10");  // Mechanic Mastery 0.28
  s.pass();
  // min: 11, 12, trunc(2.8 + 12) = 14, 15, 17; max: 23, trunc(5.6 + 23) = 28, 29, 33
  EXPECT_EQ(s.one(), "17 - 33");
}

TEST(AttackPower, MagicianAndPriestess) {
  Sheet1 s;
  s.standard(Magician, Axe, NoWeapon);
  EXPECT_EQ(s.one(), "0 - 0");
  // Formula I with the Magician's Strength 28, Talent 21, Agility 17:
  // 38/50 + 28/200 + 3 = 3.9; 38/45 + 28/200 + 4 = 4.98
  EXPECT_EQ(s.two(), "3 - 4");

  s.calc.sheet.set_row(Ctl::Select_weapon, WandStaff);
  s.set(Ctl::stat_spirit, "29");
  s.set(Ctl::stat_level, "50");
  s.set(Ctl::stat_weap_spec_pow, "5");  // no divisor term in formula F
  s.pass();
  // F: g = trunc(21 / 30) = 0, t = 29 / 150; min 11, 12, 20, 22; max 23, 31, 35
  EXPECT_EQ(s.one(), "22 - 35");

  Sheet1 p;
  p.standard(Priestess, WandStaff, Sword);
  p.set(Ctl::stat_spirit, "28");
  p.pass();
  // G: g = trunc(21 / 45) = 0, t = 28 / 165; min 11, 12, 13, 15; max 23, 24, 28
  EXPECT_EQ(p.one(), "15 - 28");
  EXPECT_EQ(p.two(), "0 - 0");
}

TEST(AttackPower, UnarmedFormulaH) {
  Sheet1 s;
  s.standard(Fighter, NoWeapon, NoWeapon);
  // 38/40 + 28/130 + 3 = 4.17; 38/35 + 28/130 + 4 = 5.30
  EXPECT_EQ(s.one(), "4 - 5");
  EXPECT_EQ(s.two(), "4 - 5");
}

TEST(AttackPower, NoKindOrNoClassGivesZero) {
  Sheet1 s;
  s.standard(Fighter, Axe, Axe);
  s.calc.sheet.set_row(Ctl::Select_weapon, -1);
  s.pass();
  EXPECT_EQ(s.one(), "0 - 0");
  EXPECT_EQ(s.two(), "16 - 29");

  Sheet1 none;
  none.set(Ctl::stat_weap_max_pow, "20");
  none.calc.sheet.set_row(Ctl::Select_weapon, Axe);
  none.calc.sheet.set_row(Ctl::Select_weapon_2, NoWeapon);
  none.pass();
  EXPECT_EQ(none.one(), "0 - 0");
  EXPECT_EQ(none.two(), "0 - 0");
}

TEST(AttackPower, ForceOrbAddsToEveryFormulaButTheZeroOnes) {
  Sheet1 s;
  s.standard(Fighter, Axe, NoWeapon);
  s.calc.state.forceorb_add_min = 5;
  s.calc.state.forceorb_add_max = 7;
  s.calc.state.forceorb_add_min_2 = 100;
  s.calc.state.forceorb_add_max_2 = 200;
  s.calc.Calc_dmg();
  EXPECT_EQ(s.st().final_atkpow_min, 21);
  EXPECT_EQ(s.st().final_atkpow_max, 36);
  EXPECT_EQ(s.st().final_atkpow_min_2, 104);
  EXPECT_EQ(s.st().final_atkpow_max_2, 205);

  s.calc.sheet.set_row(Ctl::Select_weapon, WandStaff);  // a Fighter cannot use it
  s.calc.Calc_dmg();
  EXPECT_EQ(s.st().final_atkpow_min, 0);
  EXPECT_EQ(s.st().final_atkpow_max, 0);
}
