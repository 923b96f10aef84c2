// Defence, absorption, attack rating, critical, block, weight and speed.
#include <gtest/gtest.h>

#include <string>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

using Sheet1 = TestSheet;

}  // namespace

TEST(Defence, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  // 1.4 + 8.5 + 5.25 = 15.15
  EXPECT_EQ(s.st().final_def, 15);
  EXPECT_EQ(s.st().final_def_2, 15);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_def), "15");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_def_2), "15");
}

TEST(Defence, ColumnTerms) {
  Sheet1 s;
  s.pick(Fighter);
  for (Ctl box : {Ctl::stat_armor_def, Ctl::stat_armor_spec_def, Ctl::stat_boots_def, Ctl::stat_gaunts_def,
                  Ctl::stat_gaunts_spec_def, Ctl::stat_armlets_def, Ctl::stat_other_def})
    s.set(box, "10");
  s.set(Ctl::stat_shield_def, "100");
  s.set(Ctl::stat_shield_spec_def, "200");
  s.set(Ctl::stat_orb_def, "400");
  s.set(Ctl::stat_weap_def, "800");
  s.pass();
  EXPECT_EQ(s.st().final_def_2, 85);
  EXPECT_EQ(s.st().final_def, 85 + 1500);
}

TEST(Absorption, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  // 0.1 + 0.7 + 0.525 + 1 = 2.325, plus 15 / 100
  EXPECT_DOUBLE_EQ(s.st().final_abs, 2.48);
  EXPECT_DOUBLE_EQ(s.st().final_abs_2, 2.48);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs), "2.48 (3)");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs_2), "2.48 (3)");
}

TEST(Absorption, RightSpecArmourAddsOneToBoth) {
  Sheet1 s;
  s.pick(Fighter);
  s.calc.sheet.set_checked(Ctl::chk_armor_is_right_spec, true);
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_abs, 3.48);
  EXPECT_DOUBLE_EQ(s.st().final_abs_2, 3.48);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs), "3.48 (4)");
}

TEST(Absorption, ColumnTermsAndDefence) {
  Sheet1 s;
  s.set(Ctl::stat_level, "0");
  for (Ctl box : {Ctl::stat_armor_abs, Ctl::stat_armor_spec_abs, Ctl::stat_boots_abs, Ctl::stat_boots_spec_abs,
                  Ctl::stat_gaunts_abs, Ctl::stat_gaunts_spec_abs, Ctl::stat_other_abs})
    s.set(box, "0.25");
  s.set(Ctl::stat_shield_abs, "1");
  s.set(Ctl::stat_shield_spec_abs, "2");
  s.set(Ctl::stat_orb_abs, "4");
  s.set(Ctl::stat_orb_spec_abs, "8");
  s.set(Ctl::stat_armor_def, "50");  // both columns: 0.5
  s.set(Ctl::stat_orb_def, "100");   // 1h only: 1
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_abs_2, 1 + 1.75 + 0.5);
  EXPECT_DOUBLE_EQ(s.st().final_abs, 1 + 1.75 + 15 + 1.5);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs_2), "3.25 (4)");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs), "19.25 (20)");
}

TEST(Absorption, WholeValueShowsItselfInBrackets) {
  Sheet1 s;
  s.set(Ctl::stat_level, "0");
  s.set(Ctl::stat_armor_abs, "2");
  s.pass();
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs), "3 (3)");
}

TEST(AttackRating, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  // trunc(1.9 + 52.7 + 31.5) = 86
  EXPECT_EQ(s.st().final_rtg, 86);
  EXPECT_EQ(s.st().final_rtg_2, 86);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_rtg), "86");
}

TEST(AttackRating, LevelDivisorsCountFromOneToThree) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_level, "10");
  s.pass();
  // trunc(19 + 52.7 + 31.5) = 103
  ASSERT_EQ(s.st().final_rtg, 103);
  for (const char* ignored : {"0", "4", "-3", "100"}) {
    s.set(Ctl::stat_armlets_lvl, ignored);
    s.pass();
    EXPECT_EQ(s.st().final_rtg, 103) << ignored;
    EXPECT_EQ(s.st().final_rtg_2, 103) << ignored;
  }
  s.set(Ctl::stat_armlets_lvl, "3");  // + 3.33
  s.pass();
  EXPECT_EQ(s.st().final_rtg, 106);
  EXPECT_EQ(s.st().final_rtg_2, 106);
  s.set(Ctl::stat_armlets_lvl, "1");
  s.pass();
  EXPECT_EQ(s.st().final_rtg, 113);
  // The weapons' divisors count only in their own column; the fractions of
  // both divisors add up before the floor: 103 + 3.33 + 3.33 = 109.67.
  s.set(Ctl::stat_armlets_lvl, "3");
  s.set(Ctl::stat_weap_spec_rtg, "3");
  s.set(Ctl::stat_weap_spec_rtg_2, "2");
  s.pass();
  EXPECT_EQ(s.st().final_rtg, 109);
  EXPECT_EQ(s.st().final_rtg_2, 111);
}

TEST(AttackRating, ItemRatingsPerColumn) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_armlets_rtg, "10");
  s.set(Ctl::stat_weap_rtg, "100");
  s.set(Ctl::stat_weap_rtg_2, "200");
  s.pass();
  EXPECT_EQ(s.st().final_rtg, 196);
  EXPECT_EQ(s.st().final_rtg_2, 296);
}

TEST(CriticalAndBlock, ColumnSums) {
  Sheet1 s;
  s.set(Ctl::stat_weap_crit, "10");
  s.set(Ctl::stat_weap_spec_crit, "5");
  s.set(Ctl::stat_weap_crit_2, "7");
  s.set(Ctl::stat_weap_spec_crit_2, "1");
  s.set(Ctl::stat_shield_blk, "12");
  s.set(Ctl::stat_shield_spec_blk, "3");
  s.set(Ctl::stat_weap_blk, "9");
  s.pass();
  EXPECT_EQ(s.st().final_crit, 15);
  EXPECT_EQ(s.st().final_crit_2, 8);
  EXPECT_EQ(s.st().final_blk, 15);
  EXPECT_EQ(s.st().final_blk_2, 9);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_crit), "15 %");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_crit_2), "8 %");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_blk), "15 %");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_blk_2), "9 %");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_eva), "0 %");
}

TEST(Weight, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  // 40.5 + 59 + 60 = 159.5
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_weight), "159");
}

TEST(Speed, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  // 1.4 + 1/150 + 21/150 + 27/150 = 1.73
  EXPECT_EQ(s.text(Ctl::lbl_final_stat_spd), "1");
  s.set(Ctl::stat_boots_spd, "2.5");
  s.set(Ctl::stat_boots_spec_spd, "0.3");
  s.pass();
  EXPECT_EQ(s.text(Ctl::lbl_final_stat_spd), "4");
}

TEST(Speed, EmptyBootsBoxStopsThePassBeforeTheResults) {
  Sheet1 s;
  s.pick(Fighter);
  ASSERT_EQ(s.text(Ctl::Lbl_final_stat_HP), "79");
  s.set(Ctl::stat_boots_spd, "");
  s.calc.user_set_text(Ctl::stat_health, "30");
  // Reported in the status bar; the sheet stays live.
  EXPECT_EQ(s.calc.sheet.status_panel1, "'' is not a valid floating point value");
  EXPECT_EQ(s.st().calc_ready, 1);
  // The steps before the speed completed; the result labels keep their texts.
  EXPECT_EQ(s.st().final_hp, 86);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_HP), "79");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_weight), "164");
  EXPECT_EQ(s.text(Ctl::lbl_final_stat_spd), "1");
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "-3");

  s.calc.user_set_text(Ctl::stat_boots_spec_spd, "abc");
  EXPECT_NE(s.calc.sheet.status_panel1, "OK");
  s.set(Ctl::stat_boots_spec_spd, "0");
  s.calc.user_set_text(Ctl::stat_boots_spd, "0");
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_HP), "86");
}

TEST(Speed, CommaInAPointLocaleFails) {
  Sheet1 s;
  s.set(Ctl::stat_boots_spd, "1,5");
  EXPECT_THROW(s.calc.run_calculation(Ctl::MainForm), ConversionError);
}
