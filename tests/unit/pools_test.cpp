// Hit points, mana, stamina and mana regeneration of both columns.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "base/evaluation.h"

using namespace brennick;

namespace {

using Sheet1 = TestSheet;

}  // namespace

TEST(HitPoints, FighterAtLevelOne) {
  Sheet1 s;
  s.pick(Fighter);
  EXPECT_EQ(s.st().final_hp, 79);
  EXPECT_EQ(s.st().final_hp_2, 79);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_HP), "79");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_HP_2), "79");
}

TEST(HitPoints, TheClassTermIsStoredBeforeTheFloor) {
  // 2 * 2.1 + 28 * 0.8 + 1 * 2.4 - 10 lies just below 19 in extended
  // precision and is exactly 19 once rounded to a double.
  const ext unrounded = 2 * 2.1L + 28 * 0.8L + 1 * 2.4L - 10;
  ASSERT_LT(unrounded, 19.0L);
  ASSERT_EQ(static_cast<double>(unrounded), 19.0);

  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_level, "2");
  s.set(Ctl::stat_health, "1");
  s.pass();
  EXPECT_EQ(s.st().final_hp, 19);
  EXPECT_EQ(s.st().final_hp_2, 19);
}

TEST(HitPoints, ClassTerms) {
  struct Case {
    int class_no;
    int hp;
  };
  // Level 10, Strength 20, Health 30, no equipment.
  const Case cases[] = {
      {Fighter, 99},      // 21 + 16 + 72 - 10
      {Pikeman, 99},
      {Archer, 87},       // 18 + 6 + 63
      {Mechanician, 94},  // 21 + 12 + 66 - 5
      {Atalanta, 94},
      {Knight, 94},
      {Magician, 72},     // 15 + 57
      {Priestess, 78},    // 15 + 63
  };
  for (const Case& c : cases) {
    Sheet1 s;
    s.pick(c.class_no);
    s.set(Ctl::stat_level, "10");
    s.set(Ctl::stat_strenght, "20");
    s.set(Ctl::stat_health, "30");
    s.pass();
    EXPECT_EQ(s.st().final_hp, c.hp) << "class " << c.class_no;
    EXPECT_EQ(s.st().final_hp_2, c.hp) << "class " << c.class_no;
  }
}

TEST(HitPoints, ColumnsAndEquipment) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_amu_HP, "10");
  s.set(Ctl::stat_rings_HP, "3");
  s.set(Ctl::stat_rings_HP_2, "4");
  s.set(Ctl::stat_gem_armor_hp, "5");
  s.set(Ctl::stat_gem_HP, "100");
  s.set(Ctl::stat_gem_shield_HP, "200");
  s.set(Ctl::stat_gem_orb_HP, "400");
  s.set(Ctl::stat_gem_HP_2, "1000");
  s.pass();
  EXPECT_EQ(s.st().final_hp, 79 + 22 + 700);
  EXPECT_EQ(s.st().final_hp_2, 79 + 22 + 1000);
}

TEST(HitPoints, TierThreeQuestFromLevel40) {
  Sheet1 s;
  s.pick(Knight);
  s.calc.sheet.set_checked(Ctl::tier3_done, true);
  s.set(Ctl::stat_level, "39");
  s.pass();
  const int at39 = s.st().final_hp;
  const int at39_2 = s.st().final_hp_2;
  s.calc.sheet.set_checked(Ctl::tier3_done, false);
  s.set(Ctl::stat_level, "40");
  s.pass();
  const int without = s.st().final_hp;
  EXPECT_EQ(without, at39 + 2);  // 2.1 more from the level only
  EXPECT_EQ(at39, at39_2);
  s.calc.sheet.set_checked(Ctl::tier3_done, true);
  s.pass();
  EXPECT_EQ(s.st().final_hp, without + 15);
  EXPECT_EQ(s.st().final_hp_2, without + 15);
}

TEST(HitPoints, Level90Quest) {
  Sheet1 s;
  s.pick(Fighter);
  s.set(Ctl::stat_level, "90");
  s.pass();
  const int before = s.st().final_hp;
  s.calc.sheet.set_checked(Ctl::level_90_done, true);
  s.pass();
  EXPECT_EQ(s.st().final_hp, before + 40);
  EXPECT_EQ(s.st().final_hp_2, before + 40);
}

TEST(HitPoints, NoClassLeavesTheEquipmentAndQuests) {
  Sheet1 s;
  s.set(Ctl::stat_level, "95");
  s.set(Ctl::stat_health, "300");
  s.calc.sheet.set_checked(Ctl::level_90_done, true);
  s.set(Ctl::stat_amu_HP, "7");
  s.set(Ctl::stat_gem_HP, "1");
  s.pass();
  EXPECT_EQ(s.st().final_hp, 48);
  EXPECT_EQ(s.st().final_hp_2, 47);
}

TEST(Mana, MagicianLosesTwentyInTheOneHandColumn) {
  Sheet1 s;
  s.pick(Magician);
  // 1.5 + 29 * 3.8 = 111.7
  EXPECT_EQ(s.st().final_mp_2, 111);
  EXPECT_EQ(s.st().final_mp, 91);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_MP), "91");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_MP_2), "111");
}

TEST(Mana, ClassTermsAndColumns) {
  Sheet1 s;
  s.pick(Knight);  // 0.9 + 13 * 2.7 = 36
  EXPECT_EQ(s.st().final_mp, 36);
  EXPECT_EQ(s.st().final_mp_2, 36);
  s.set(Ctl::stat_amu_MP, "10");
  s.set(Ctl::stat_gem_armor_mp, "2");
  s.set(Ctl::stat_gem_MP, "100");
  s.set(Ctl::stat_gem_shield_MP, "200");
  s.set(Ctl::stat_orb_MP, "400");
  s.set(Ctl::stat_gem_orb_MP, "800");
  s.set(Ctl::stat_gem_MP_2, "3000");
  s.pass();
  EXPECT_EQ(s.st().final_mp, 36 + 12 + 1500);
  EXPECT_EQ(s.st().final_mp_2, 36 + 12 + 3000);

  Sheet1 f;
  f.pick(Fighter);  // 0.6 + 6 * 2.2 = 13.8
  EXPECT_EQ(f.st().final_mp, 13);
}

TEST(Mana, NoClassCountsOnlyTheColumnItems) {
  Sheet1 s;
  s.set(Ctl::stat_spirit, "100");
  s.set(Ctl::stat_amu_MP, "50");        // part of the class term
  s.set(Ctl::stat_gem_armor_mp, "60");  // part of the class term
  s.set(Ctl::stat_gem_MP, "7");
  s.set(Ctl::stat_orb_MP, "1");
  s.set(Ctl::stat_gem_MP_2, "9");
  s.pass();
  EXPECT_EQ(s.st().final_mp, 8);
  EXPECT_EQ(s.st().final_mp_2, 9);
}

TEST(Stamina, SameFormulaForEveryClassAndNone) {
  Sheet1 none;
  none.pass();
  EXPECT_EQ(none.st().final_stm, 82);  // 2.3 + 80
  EXPECT_EQ(none.st().final_stm_2, 82);

  Sheet1 s;
  s.pick(Fighter);
  // 2.3 + 14 + 6 + 10.5 + 37.8 + 80 = 150.6
  EXPECT_EQ(s.st().final_stm, 150);
  s.set(Ctl::stat_rings_STM, "1");
  s.set(Ctl::stat_rings_STM_2, "2");
  s.set(Ctl::stat_gem_armor_stm, "4");
  s.set(Ctl::stat_gem_STM, "10");
  s.set(Ctl::stat_gem_shield_STM, "20");
  s.set(Ctl::stat_gem_orb_STM, "40");
  s.set(Ctl::stat_gem_STM_2, "100");
  s.pass();
  EXPECT_EQ(s.st().final_stm, 150 + 7 + 70);
  EXPECT_EQ(s.st().final_stm_2, 150 + 7 + 100);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_STM_2), "257");
}

TEST(ArmourGems, CountInBothColumns) {
  Sheet1 s;
  s.pick(Archer);
  const CalcState before = s.st();
  s.set(Ctl::stat_gem_armor_hp, "11");
  s.set(Ctl::stat_gem_armor_mp, "12");
  s.set(Ctl::stat_gem_armor_stm, "13");
  s.pass();
  EXPECT_EQ(s.st().final_hp - before.final_hp, 11);
  EXPECT_EQ(s.st().final_hp_2 - before.final_hp_2, 11);
  EXPECT_EQ(s.st().final_mp - before.final_mp, 12);
  EXPECT_EQ(s.st().final_mp_2 - before.final_mp_2, 12);
  EXPECT_EQ(s.st().final_stm - before.final_stm, 13);
  EXPECT_EQ(s.st().final_stm_2 - before.final_stm_2, 13);
}

TEST(ManaRegen, FighterIgnoresRobeOrbAndWeapon) {
  Sheet1 s;
  s.pick(Fighter);
  // 1/125 + 6/100 + 27/200 = 0.203
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 0.2);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_mp_regen), "0.2");
  s.set(Ctl::stat_orb_regen, "1.5");
  s.set(Ctl::stat_weap_MP_regen, "2");
  s.set(Ctl::stat_weap_MP_regen_2, "3");
  s.set(Ctl::stat_robe_regen, "4");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 0.2);
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen_2, 0.2);
  s.set(Ctl::stat_amu_regen, "1.1");
  s.set(Ctl::stat_sheltom_mp, "0.5");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 1.8);
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen_2, 1.8);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_mp_regen_2), "1.8");
}

TEST(ManaRegen, PriestessCountsRobeOrbAndWeapons) {
  Sheet1 s;
  s.pick(Priestess);
  // 1/125 + 28/100 + 20/200 = 0.388
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 0.39);
  s.set(Ctl::stat_robe_regen, "1");
  s.set(Ctl::stat_orb_regen, "1.5");
  s.set(Ctl::stat_weap_MP_regen, "2");
  s.set(Ctl::stat_weap_MP_regen_2, "3");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 4.89);
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen_2, 4.39);
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_mp_regen), "4.89");
}

TEST(ManaRegen, RoundsHalfToEven) {
  Sheet1 s;
  // 0 + 0 + 25/200 = 0.125: a tie, rounded to even.
  s.set(Ctl::stat_level, "0");
  s.set(Ctl::stat_health, "25");
  s.pass();
  EXPECT_DOUBLE_EQ(s.st().final_mp_regen, 0.12);
}

TEST(ManaRegen, CommaLocale) {
  SilentDialogs dialogs;
  Planner calc(NumberFormat::comma(), {&dialogs, nullptr, nullptr});
  calc.user_select_row(Ctl::Select_class, Magician);
  calc.sheet.set_text(Ctl::stat_robe_regen, "1,25");
  calc.run_calculation(Ctl::MainForm);
  // 1/125 + 29/100 + 21/200 + 1.25 = 1.653
  EXPECT_EQ(calc.sheet.text(Ctl::Lbl_final_stat_mp_regen), "1,65");
}
