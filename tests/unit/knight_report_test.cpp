// The Knight's report, run directly on a prepared state, and through the
// window's actions where the order of a pass matters.
#include <gtest/gtest.h>

#include <cstdint>

#include "report_sheet.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Knight_ : ReportSheet {
  Knight_() : ReportSheet(Knight) {}
};

const int kSwordMastery = tier(3, 1), kPhysicalTraining = tier(1, 3), kDrasticSpirit = tier(2, 4),
          kGodsBless = tier(4, 3), kDivineShield = tier(3, 2), kGodlyShield = tier(4, 2), kSwordBlast = tier(1, 1),
          kHolyBody = tier(1, 2), kDoubleCrash = tier(1, 4), kHolyValor = tier(2, 1), kBrandish = tier(2, 2),
          kPiercing = tier(2, 3), kHolyIncantion = tier(3, 3), kGrandCross = tier(3, 4),
          kSwordOfJustice = tier(4, 1), kDivinePiercing = tier(4, 4);

}  // namespace

TEST(KnightReport, AllLevelsZero) {
  Knight_ k;
  k.on(kDrasticSpirit);
  k.st().final_stm = 300;
  for (int i = 0; i < 16; ++i) k.calc.sheet.set_text(slot_controls(i).info, "old");
  k.run();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(k.box(i), "") << i;
    EXPECT_FALSE(k.usage_shown(i)) << i;
  }
  EXPECT_EQ(k.picture(kPhysicalTraining), "passive.bmp");
  EXPECT_EQ(k.picture(kSwordMastery), "passive.bmp");
  EXPECT_EQ(k.picture(kDrasticSpirit), "on.bmp");
  EXPECT_EQ(k.picture(kHolyBody), "off.bmp");
  EXPECT_EQ(k.picture(kSwordBlast), "active.bmp");
  EXPECT_EQ(k.st().final_stm, 300);
}

TEST(KnightReport, BowsInBothColumns) {
  Knight_ k;
  k.weapons(Bow, Bow);
  k.base(100, 120);
  k.st().final_crit = 10;
  k.st().final_def = 1000;
  k.st().final_def_2 = 1000;
  k.st().final_blk = 10;
  for (int slot : {kSwordBlast, kDoubleCrash, kHolyValor, kDrasticSpirit, kDivineShield, kSwordMastery}) k.level(slot, 1);
  k.on(kDrasticSpirit);
  k.on(kDivineShield);
  k.run();
  EXPECT_EQ(k.box(kSwordBlast), "Atk-Pow 1h/2h: 0 - 0" + kCrlf + "to Mutant: 0 - 0" + kCrlf + "to Normal: 0 - 0" + kCrlf);
  EXPECT_EQ(k.box(kDoubleCrash), "Atk-Pow 1h: 0 - 0" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                     "Critical 1h: 0 % (+5)" + kCrlf + "Critical 2h: 0 % (+5)" + kCrlf);
  // Holy Valor has no weapon condition: 100 + 11, 120 + floor(13.2)
  EXPECT_EQ(k.box(kHolyValor), "Atk-Pow 1h: 111 - 133" + kCrlf + "Atk-Pow 2h: 111 - 133" + kCrlf + kCrlf +
                                   "Duration: 180" + kCrlf + kCrlf + "(only to undead!)" + kCrlf);
  EXPECT_EQ(k.box(kSwordMastery), "Add to 1h: 0 - 0" + kCrlf + "Add to 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(k.st().final_def, 1060);
  EXPECT_EQ(k.st().final_blk, 12);
}

TEST(KnightReport, SwordBlastWithASwordInOneColumn) {
  Knight_ k;
  k.level(kSwordBlast, 1);  // "12-16+lv/2"
  k.calc.sheet.set_value(Ctl::stat_level, 40);
  k.weapons(Bow, Sword);
  k.st().final_mp = 500;
  k.st().final_mp_2 = 433;
  k.run();
  EXPECT_EQ(k.box(kSwordBlast),
            "Atk-Pow 1h/2h: 32 - 36" + kCrlf + "to Mutant: 41 - 46" + kCrlf + "to Normal: 41 - 46" + kCrlf);
  EXPECT_EQ(k.usage(kSwordBlast), "29 / 25");  // cost 17
  k.calc.sheet.set_value(Ctl::stat_level, 41);   // 41 div 2 is still 20
  k.run();
  EXPECT_EQ(k.box(kSwordBlast).substr(0, 22), "Atk-Pow 1h/2h: 32 - 36");
}

TEST(KnightReport, PhysicalTrainingRaisesStaminaBeforeLaterSlots) {
  Knight_ k;
  k.level(kPhysicalTraining, 10);  // 0.32
  k.st().final_stm = 300;
  k.st().final_stm_2 = 250;
  k.run();
  EXPECT_EQ(k.box(kPhysicalTraining), "STM 1h: 396 (+96)" + kCrlf + kCrlf + "STM 2h: 330 (+80)" + kCrlf);
  EXPECT_EQ(k.st().final_stm, 396);
  EXPECT_EQ(k.st().final_stm_2, 330);
  EXPECT_EQ(k.picture(kPhysicalTraining), "passive.bmp");
}

TEST(KnightReport, DrasticSpiritOnAndOff) {
  for (bool on : {false, true}) {
    Knight_ k;
    k.level(kDrasticSpirit, 1);  // 0.06
    k.st().final_def = 1055;
    k.st().final_def_2 = 900;
    k.on(kDrasticSpirit, on);
    k.run();
    EXPECT_EQ(k.box(kDrasticSpirit), "Defense 1h: 1118 (+63)" + kCrlf + "Defense 2h: 954 (+54)" + kCrlf + kCrlf +
                                         "Duration: 150" + kCrlf);
    EXPECT_EQ(k.st().final_def, on ? 1118 : 1055);
    EXPECT_EQ(k.st().final_def_2, on ? 954 : 900);
  }
}

TEST(KnightReport, GodsBlessRaisesTheBaseOfLaterSlots) {
  Knight_ k;
  k.level(kGodsBless, 3);  // +AP 12
  k.level(kHolyValor, 1);  // 0.11
  k.base(100, 120);
  k.on(kGodsBless);
  k.run();
  EXPECT_EQ(k.box(kGodsBless),
            "Atk-Pow 1h: 112 - 132" + kCrlf + "Atk-Pow 2h: 112 - 132" + kCrlf + kCrlf + "Duration: 55" + kCrlf);
  // 112 + floor(12.32), 132 + floor(14.52)
  EXPECT_EQ(k.box(kHolyValor).substr(0, 21), "Atk-Pow 1h: 124 - 146");
  EXPECT_EQ(k.st().final_atkpow_min_2, 112);
  EXPECT_EQ(k.st().final_atkpow_max, 132);
  k.on(kGodsBless, false);
  k.base(100, 120);
  k.run();
  EXPECT_EQ(k.st().final_atkpow_max, 120);
}

TEST(KnightReport, DivineShieldRaisesTheOneHandBlock) {
  Knight_ k;
  k.level(kDivineShield, 5);  // 0.45, +Block 4, Duration 50
  k.st().final_blk = 10;
  k.st().final_blk_2 = 7;
  k.on(kDivineShield);
  k.run();
  EXPECT_EQ(k.box(kDivineShield), "1h Block: 14 % (+4)" + kCrlf + "dmg to HP: 45 %" + kCrlf + kCrlf +
                                      "Duration: 50" + kCrlf);
  EXPECT_EQ(k.st().final_blk, 14);
  EXPECT_EQ(k.st().final_blk_2, 7);
}

TEST(KnightReport, ShieldBlocksAtTheLimitStayThere) {
  // A block typed up to the 32-bit limit: the bonus cannot wrap it negative.
  Knight_ k;
  k.level(kDivineShield, 5);
  k.st().final_blk = INT32_MAX;
  k.on(kDivineShield);
  k.run();
  EXPECT_EQ(k.box(kDivineShield).substr(0, 27), "1h Block: 2147483647 % (+4)");
  EXPECT_EQ(k.st().final_blk, INT32_MAX);
  Knight_ g;
  g.level(kDivineShield, 5);
  g.level(kGodlyShield, 1);
  g.st().final_blk = INT32_MAX;
  g.on(kGodlyShield);
  g.run();
  EXPECT_EQ(g.st().final_blk, INT32_MAX);
}

TEST(KnightReport, GodlyShieldTakesDivineShieldsBlock) {
  Knight_ k;
  k.level(kGodlyShield, 5);   // 0.10, Duration 130
  k.level(kDivineShield, 5);  // +Block 4, switched off
  k.st().final_abs = 20;
  k.st().final_abs_2 = 15;
  k.st().final_blk = 10;
  k.on(kGodlyShield);
  k.run();
  EXPECT_EQ(k.box(kGodlyShield), "1h Block: 14 % (+4)" + kCrlf + "1h Abs: 22 % (+2)" + kCrlf + kCrlf +
                                     "Duration: 130" + kCrlf);
  EXPECT_EQ(k.st().final_blk, 14);
  EXPECT_EQ(k.st().final_abs, 22);
  EXPECT_EQ(k.st().final_abs_2, 15) << "the 2h absorption is never written";
}

TEST(KnightReport, GodlyShieldWithoutDivineShield) {
  Knight_ k;
  k.level(kGodlyShield, 1);  // 0.06
  k.st().final_abs = 12.34;
  k.st().final_blk = 10;
  k.on(kGodlyShield);
  k.run();
  // 12.34 x 1.06 = 13.0804 -> 13.08; the increase 0.7404 -> 0.74; no block bonus.
  EXPECT_EQ(k.box(kGodlyShield), "1h Block: 10 % (+0)" + kCrlf + "1h Abs: 13.08 % (+0.74)" + kCrlf + kCrlf +
                                     "Duration: 90" + kCrlf);
  EXPECT_EQ(k.st().final_blk, 10);
  EXPECT_EQ(k.st().final_abs, 13.08);
}

TEST(KnightReport, HolyBodyOnlyReports) {
  Knight_ k;
  k.level(kHolyBody, 1);  // 0.08
  k.st().final_abs = 12.5;
  k.st().final_abs_2 = 10;
  k.on(kHolyBody);
  k.run();
  EXPECT_EQ(k.box(kHolyBody), "Abs vs Undead 1h: 13.5" + kCrlf + "Abs vs Undead 2h: 10.8" + kCrlf);
  EXPECT_EQ(k.st().final_abs, 12.5);
  EXPECT_EQ(k.picture(kHolyBody), "on.bmp");
}

TEST(KnightReport, ForceOrbOffTheBaseOfThreeSkillsOnly) {
  Knight_ k;
  k.weapons(Sword, Bow);
  k.base(110, 130);
  k.st().forceorb_add_min = k.st().forceorb_add_max = 10;
  k.st().forceorb_add_min_2 = k.st().forceorb_add_max_2 = 10;
  for (int slot : {kPiercing, kSwordOfJustice, kBrandish, kDoubleCrash}) k.level(slot, 1);
  k.st().final_crit = 10;
  k.run();
  // Piercing 0.22 on 100 - 120: 122 - 146; mutants floor(158.6) - floor(189.8)
  EXPECT_EQ(k.box(kPiercing), "Atk-Pow 1h: 122 - 146" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                  "to Mutant 1h: 158 - 189" + kCrlf + "to Mutant 2h: 0 - 0" + kCrlf);
  // Sword of Justice 0.36: 136 - 163; Brandish 0.22: 122 - 146
  EXPECT_EQ(k.box(kSwordOfJustice), "Atk-Pow 1h: 136 - 163" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(k.box(kBrandish), "Atk-Pow 1h: 122 - 146" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  // Double Crash keeps the orb: (110 + 17) x 2, (130 + 20) x 2
  EXPECT_EQ(k.box(kDoubleCrash), "Atk-Pow 1h: 254 - 300" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                     "Critical 1h: 15 % (+5)" + kCrlf + "Critical 2h: 0 % (+5)" + kCrlf);
}

TEST(KnightReport, BrandishFitsClawAndSword) {
  Knight_ k;
  k.weapons(Claw, Mace);
  k.base(100, 120);
  k.level(kBrandish, 1);
  k.st().final_mp = 100;
  k.st().final_mp_2 = 100;
  k.run();
  EXPECT_EQ(k.box(kBrandish), "Atk-Pow 1h: 122 - 146" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(k.usage(kBrandish), "4 / 4");  // cost 25
}

TEST(KnightReport, GrandCrossRatingPerColumn) {
  Knight_ k;
  k.weapons(Sword, Bow);
  k.base(100, 120);
  k.st().final_rtg = 700;
  k.st().final_rtg_2 = 800;
  k.st().weap_rtg = 200;
  k.st().weap_rtg_2 = 300;
  k.st().final_mp = k.st().final_mp_2 = 100;
  k.level(kGrandCross, 1);  // 0.28, U 0.12, wAR 0.09
  k.run();
  // (100 + 28) x 2, (120 + 33) x 2; undead +30, +36; rating 700 + floor(18); 2h unchanged.
  EXPECT_EQ(k.box(kGrandCross), "Atk-Pow 1h: 256 - 306" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf +
                                    "to Undead 1h: 286 - 342" + kCrlf + "to Undead 2h: 0 - 0" + kCrlf + kCrlf +
                                    "Atk-Rtg 1h: 718" + kCrlf + "Atk-Rtg 2h: 800" + kCrlf);
  EXPECT_EQ(k.usage(kGrandCross), "4 / 4");  // row 4, cost 25
  k.weapons(Mace, Sword);
  k.run();
  const std::string box = k.box(kGrandCross);
  EXPECT_NE(box.find("Atk-Rtg 1h: 718" + kCrlf + "Atk-Rtg 2h: 827" + kCrlf), std::string::npos) << box;
}

TEST(KnightReport, OtherTexts) {
  Knight_ k;
  k.weapons(Sword, Axe);
  k.base(100, 120);
  k.st().weap_min_pow = 100;
  k.st().weap_max_pow = 150;
  k.st().weap_min_pow_2 = 100;
  k.st().weap_max_pow_2 = 150;
  for (int slot : {kSwordMastery, kHolyIncantion, kDivinePiercing}) k.level(slot, 1);
  k.run();
  EXPECT_EQ(k.box(kSwordMastery), "Add to 1h: 6 - 9" + kCrlf + "Add to 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(k.box(kHolyIncantion), "Success Rate: 11 %" + kCrlf + "Monster HP: 21 %" + kCrlf + kCrlf +
                                       "Duration: 120" + kCrlf);
  // 0.44, two hits: (100 + 44) x 2, (120 + 52) x 2
  EXPECT_EQ(k.box(kDivinePiercing), "Atk-Pow 1h: 288 - 344" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf +
                                        "# of Hits: 2" + kCrlf);
  for (int slot : {kHolyIncantion, kSwordOfJustice, kDivinePiercing, kHolyValor}) EXPECT_FALSE(k.usage_shown(slot));
}

TEST(KnightReport, ShieldsExcludeEachOtherThroughTheWindow) {
  Knight_ k;
  k.calc.user_select_row(Ctl::Select_class, Knight);
  k.calc.user_set_value(Ctl::stat_level, 90);
  k.calc.user_set_value(slot_controls(kDivineShield).level, 5);
  k.calc.user_set_value(slot_controls(kGodlyShield).level, 5);
  const std::int32_t blk = k.st().final_blk;
  k.calc.user_click(slot_controls(kDivineShield).kind_img);
  EXPECT_EQ(k.st().final_blk, blk + 4);
  k.calc.user_click(slot_controls(kGodlyShield).kind_img);
  EXPECT_EQ(k.picture(kGodlyShield), "on.bmp");
  EXPECT_EQ(k.picture(kDivineShield), "off.bmp");
  EXPECT_EQ(k.st().final_blk, blk + 4) << "Godly Shield takes Divine Shield's bonus once";
  EXPECT_EQ(k.calc.sheet.status_panel1, "OK");
}
