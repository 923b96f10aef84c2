// The Fighter's report, run directly on a prepared state.
#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "skills/report_framework.h"
#include "tests/unit/report_fixture.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Fighter_ : ReportFixture {
  Fighter_() : ReportFixture(Fighter) {}
};

}  // namespace

TEST(FighterReport, AllLevelsZero) {
  Fighter_ f;
  f.calc.state.fighter_skill_value = 0.5;
  f.calc.state.skill_on[tier(3, 1)] = 1;
  for (int i = 0; i < 16; ++i) f.calc.sheet.set_text(slot_controls(i).info, "old");
  f.calc.Calc_skills();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(f.box(i), "") << i;
    EXPECT_FALSE(f.calc.sheet[slot_controls(i).mana].visible) << i;
  }
  EXPECT_EQ(f.calc.sheet[slot_controls(tier(1, 1)).kind_img].picture, "passive.bmp");
  EXPECT_EQ(f.calc.sheet[slot_controls(tier(1, 3)).kind_img].picture, "active.bmp");
  EXPECT_EQ(f.calc.sheet[slot_controls(tier(3, 1)).kind_img].picture, "on.bmp");
  EXPECT_EQ(f.calc.sheet[slot_controls(tier(4, 2)).kind_img].picture, "off.bmp");
  EXPECT_EQ(f.calc.state.fighter_skill_value, 0.0);
}

TEST(FighterReport, MeleeMasteryInforms) {
  Fighter_ f;
  f.level(tier(1, 1), 1);  // 0.06
  f.weapons(Axe, Bow);
  f.calc.state.weap_min_pow = 100;
  f.calc.state.weap_max_pow = 150;
  f.calc.state.weap_min_pow_2 = 100;
  f.calc.state.weap_max_pow_2 = 150;
  f.calc.state.fighter_skill_value = 0.06;
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(1, 1)), "Add to 1h: 6 - 9" + kCrlf + "Add to 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(f.calc.state.fighter_skill_value, 0.06) << "only level 0 clears it";
}

TEST(FighterReport, RavingWithUsage) {
  Fighter_ f;
  f.level(tier(1, 3), 4);
  f.weapons(Axe, Bow);
  f.base(100, 120);
  f.calc.state.final_hp = 1000;
  f.calc.state.final_hp_2 = 1000;
  f.calc.state.final_mp = 500;
  f.calc.state.final_mp_2 = 433;
  f.calc.Calc_skills();
  // The HP-loss fraction "0.019" is held as a double, just below 0.019, and
  // the product is floored unrounded: 1000 x 0.019 gives 18.
  EXPECT_EQ(f.box(tier(1, 3)), "Atk-Pow 1h: 366 - 438" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                   "HP loss/cast 1h: 18" + kCrlf + "HP loss/cast 2h: 0" + kCrlf);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(tier(1, 3)).mana), "25 / 21");  // cost 20
}

TEST(FighterReport, ImpactWithABow) {
  Fighter_ f;
  f.level(tier(1, 4), 1);  // 0.12, +AR 25
  f.weapons(Bow, Sword);
  f.base(100, 120);
  f.calc.state.final_rtg = 700;
  f.calc.state.final_rtg_2 = 800;
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(1, 4)), "Atk-Pow 1h: 0 - 0" + kCrlf + "Atk-Pow 2h: 224 - 268" + kCrlf + kCrlf +
                                   "Atk-Rtg 1h: 700 (+0)" + kCrlf + "Atk-Rtg 2h: 825 (+25)" + kCrlf);
}

TEST(FighterReport, AvengingCrashNotFitting) {
  Fighter_ f;
  f.level(tier(3, 2), 1);  // +%wAR 0.10
  f.weapons(Claw, Axe);
  f.base(100, 120);
  f.calc.state.final_rtg = 700;
  f.calc.state.final_rtg_2 = 800;
  f.calc.state.weap_rtg = 200;
  f.calc.state.weap_rtg_2 = 200;
  f.calc.Calc_skills();
  const std::string box = f.box(tier(3, 2));
  EXPECT_NE(box.find("Atk-Pow 1h: 0 - 0"), std::string::npos);
  EXPECT_NE(box.find("Atk-Rtg 1h: 700" + kCrlf + "Atk-Rtg 2h: 820" + kCrlf), std::string::npos) << box;
}

TEST(FighterReport, BeserkerEnabledAndDisabled) {
  for (int on = 0; on <= 1; ++on) {
    Fighter_ f;
    f.level(tier(4, 2), 3);  // +AP 32, -Abs -6, Duration 40
    f.base(100, 120);
    f.calc.state.final_abs = 12.34;
    f.calc.state.final_abs_2 = 12.34;
    f.calc.state.skill_on[tier(4, 2)] = static_cast<std::uint8_t>(on);
    f.calc.Calc_skills();
    EXPECT_EQ(f.box(tier(4, 2)), "Atk-Pow 1h: 132 - 152" + kCrlf + "Atk-Pow 2h: 132 - 152" + kCrlf + kCrlf +
                                     "New Abs 1h: 6.34" + kCrlf + "New Abs 2h: 6.34" + kCrlf + kCrlf +
                                     "Duration: 40" + kCrlf);
    if (on) {
      EXPECT_EQ(f.calc.state.final_abs, 12.34 - 6);
      EXPECT_EQ(f.calc.state.final_atkpow_max, 152);
      EXPECT_EQ(f.calc.sheet[slot_controls(tier(4, 2)).kind_img].picture, "on.bmp");
    } else {
      EXPECT_EQ(f.calc.state.final_abs, 12.34);
      EXPECT_EQ(f.calc.state.final_atkpow_max, 120);
      EXPECT_EQ(f.calc.sheet[slot_controls(tier(4, 2)).kind_img].picture, "off.bmp");
    }
  }
}

TEST(FighterReport, BeserkerRaisesTheBaseOfLaterSlots) {
  Fighter_ f;
  f.level(tier(4, 2), 3);
  f.level(tier(2, 1), 1);  // Triple Impact: 0.24, 3 hits
  f.weapons(Axe, Axe);
  f.base(100, 120);
  f.calc.state.skill_on[tier(4, 2)] = 1;
  f.calc.Calc_skills();
  // (132 + floor(31.68)) * 3 = 489, (152 + floor(36.48)) * 3 = 564
  EXPECT_EQ(f.box(tier(2, 1)), "Atk-Pow 1h: 489 - 564" + kCrlf + "Atk-Pow 2h: 489 - 564" + kCrlf);
}

TEST(FighterReport, ConcentrationWithAClaw) {
  Fighter_ f;
  f.level(tier(3, 1), 1);  // +AR 120, Duration 150
  f.weapons(Claw, Sword);
  f.calc.state.final_rtg = 700;
  f.calc.state.final_rtg_2 = 800;
  f.calc.state.skill_on[tier(3, 1)] = 1;
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(3, 1)), "Atk-Rtg 1h: 700 (+0)" + kCrlf + "Atk-Rtg 2h: 920 (+120)" + kCrlf + kCrlf +
                                   "Duration: 150" + kCrlf);
  EXPECT_EQ(f.calc.state.final_rtg, 700);
  EXPECT_EQ(f.calc.state.final_rtg_2, 920);
}

TEST(FighterReport, SwiftAxeSelectsTheSpeedRowsAtLevelsNineAndTen) {
  for (int level : {8, 9, 10}) {
    for (int on = 0; on <= 1; ++on) {
      Fighter_ f;
      f.level(tier(3, 3), level);
      f.weapons(Axe, Sword);
      f.calc.sheet.set_row(Ctl::stat_weap_spd, 2);
      f.calc.sheet.set_row(Ctl::stat_weap_spd_2, 2);
      f.calc.state.skill_on[tier(3, 3)] = static_cast<std::uint8_t>(on);
      const auto passes = f.calc.passes();
      f.calc.Calc_skills();
      EXPECT_EQ(f.calc.passes(), passes);
      const int expected = level < 9 ? 2 : on ? 1 : 0;
      EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd), expected) << level << " " << on;
      EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd_2), 2) << "no axe in the 2h column";
    }
  }
  Fighter_ f;
  f.level(tier(3, 3), 9);  // +%aSpd 0.22, Duration 69
  f.weapons(Sword, Axe);
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(3, 3)), "Add Spd: 22 %" + kCrlf + "Duration: 69" + kCrlf);
  f.weapons(Sword, Sword);
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(3, 3)), "Add Spd: 0 %" + kCrlf + "Duration: 69" + kCrlf);
}

TEST(FighterReport, SwiftAxeThroughTheWindow) {
  Fighter_ f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  f.calc.user_select_row(Ctl::Select_weapon, Axe);
  f.calc.user_select_row(Ctl::stat_weap_spd, 0);
  f.calc.user_set_value(slot_controls(tier(3, 3)).level, 9);
  f.calc.user_click(slot_controls(tier(3, 3)).kind_img);
  EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd), 1);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_weap_spd), "8");
  f.calc.user_click(slot_controls(tier(3, 3)).kind_img);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_weap_spd), "7");
}

TEST(FighterReport, BoneCrushAddsTwoTexts) {
  Fighter_ f;
  f.level(tier(3, 4), 1);  // 0.34, demon 0.11
  f.weapons(Sword, Bow);
  f.base(100, 120);
  f.calc.Calc_skills();
  // (100 + 34) * 2 = 268, (120 + 40) * 2 = 320; demon 268 + 29 = 297, 320 + 35 = 355
  EXPECT_EQ(f.box(tier(3, 4)), "Atk-Pow 1h: 268 - 320" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                   "to Demon 1h: 297 - 355" + kCrlf + "to Demon 2h: 0 - 0" + kCrlf);
}

TEST(FighterReport, BoostHealth) {
  Fighter_ f;
  f.level(tier(4, 4), 10);
  f.calc.state.final_hp = 1000;
  f.calc.state.final_hp_2 = 900;
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(4, 4)), "Add to HP: 100" + kCrlf);
  EXPECT_EQ(f.calc.state.final_hp, 1100);
  EXPECT_EQ(f.calc.state.final_hp_2, 1000);
}

TEST(FighterReport, BoostHealthReachesTheResultLabels) {
  Fighter_ f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  const std::string before = f.calc.sheet.text(Ctl::Lbl_final_stat_HP);
  f.calc.user_set_value(slot_controls(tier(4, 4)).level, 10);
  EXPECT_EQ(std::stoi(f.calc.sheet.text(Ctl::Lbl_final_stat_HP)), std::stoi(before) + 100);
}

TEST(FighterReport, OtherTexts) {
  Fighter_ f;
  f.weapons(Axe, Mace);
  f.base(100, 120);
  f.calc.state.final_crit = 10;
  f.calc.state.final_crit_2 = 20;
  f.level(tier(1, 2), 2);
  f.level(tier(2, 2), 1);  // Brutal Swing 0.16, +Crit 4
  f.level(tier(2, 3), 1);
  f.level(tier(2, 4), 1);  // Rage of Zecram 0.20 then 0.20
  f.level(tier(4, 1), 1);  // Destroyer 0.44 x3, +Crit 9
  f.level(tier(4, 3), 1);  // Cyclone 0.44, 120-150
  f.calc.Calc_skills();
  EXPECT_EQ(f.box(tier(1, 2)), "Add to Fire Res: 7" + kCrlf);
  EXPECT_EQ(f.box(tier(2, 2)), "Atk-Pow 1h: 116 - 139" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                   "Critical 1h: 14 % (+4)" + kCrlf + "Critical 2h: 20 % (+0)" + kCrlf);
  EXPECT_EQ(f.box(tier(2, 3)), "Range: 60" + kCrlf + "Duration: 90" + kCrlf);
  // 100 -> 120 -> 144; 120 -> 144 -> 172
  EXPECT_EQ(f.box(tier(2, 4)), "Atk-Pow 1h: 144 - 172" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(f.box(tier(4, 1)), "Atk-Pow 1h: 432 - 516" + kCrlf + "Atk-Pow 2h: 432 - 516" + kCrlf + kCrlf +
                                   "Critical 1h: 19 % (+9)" + kCrlf + "Critical 2h: 29 % (+9)" + kCrlf);
  // 144 + 240 = 384, 172 + 300 = 472
  EXPECT_EQ(f.box(tier(4, 3)), "Atk-Pow 1h: 384 - 472" + kCrlf + "Atk-Pow 2h: 384 - 472" + kCrlf);
  EXPECT_FALSE(f.calc.sheet[slot_controls(tier(2, 3)).mana].visible) << "Roar hides its usage";
  EXPECT_TRUE(f.calc.sheet[slot_controls(tier(4, 3)).mana].visible);
}
