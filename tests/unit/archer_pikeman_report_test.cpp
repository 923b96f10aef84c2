// The Archer's and the Pikeman's reports, slot by slot, on a prepared state.
#include <gtest/gtest.h>

#include "skills/report_framework.h"
#include "tests/unit/report_fixture.h"

using namespace brennick;
using namespace brennick::skills;

// --- Archer ------------------------------------------------------------------

TEST(ArcherReport, WindArrowWithBowsAndWithout) {
  ReportFixture f(Archer);
  f.level(tier(1, 3), 4);  // "0.39", "+wSpd" 3
  f.weapons(Bow, Bow);
  f.base(100, 120);
  f.run();
  EXPECT_EQ(f.box(tier(1, 3)), crlf({"Atk-Pow 1h: 139 - 166", "Atk-Pow 2h: 139 - 166", "", "to Normal 1h: 180 - 215",
                                     "to Normal 2h: 180 - 215", "", "Add wSpd: 3", ""}));
  f.weapons(Sword, Axe);
  f.level(tier(4, 3), 1);
  f.level(tier(3, 3), 1);
  f.run();
  EXPECT_EQ(f.box(tier(1, 3)), crlf({"Atk-Pow 1h: 0 - 0", "Atk-Pow 2h: 0 - 0", "", "to Normal 1h: 0 - 0",
                                     "to Normal 2h: 0 - 0", "", "Add wSpd: 0", ""}));
  EXPECT_EQ(f.box(tier(4, 3)), crlf({"Atk-Pow 1h: 0 - 0", "Atk-Pow 2h: 0 - 0", "Add wSpd: 0 %", ""}));
  EXPECT_NE(f.box(tier(3, 3)).find("Splash Dmg: 0 - 0"), std::string::npos);
}

TEST(ArcherReport, PerfectAim) {
  ReportFixture f(Archer);
  f.level(tier(1, 4), 5);
  f.stat(Ctl::stat_level, 50);
  f.weapons(Bow, Sword);
  f.base(100, 120);
  f.run();
  const std::string box = f.box(tier(1, 4));
  EXPECT_EQ(box.substr(0, box.find(kCrlf)), "Atk-Pow 1h: 119 - 139");
  EXPECT_NE(box.find("to Demon 1h: 154 - 180" + kCrlf + "to Demon 2h: 0 - 0"), std::string::npos);
  EXPECT_NE(box.find("Atk-Rtg 2h: " + std::to_string(f.st().final_rtg_2) + " (+0)"), std::string::npos);
}

TEST(ArcherReport, DionsEyeRaisesTheRatingForLaterSlots) {
  ReportFixture f(Archer);
  f.level(tier(2, 1), 3);  // 0.30
  f.weapons(Bow, Sword);
  f.st().weap_rtg = 200;
  f.st().final_rtg = 1000;
  f.st().final_rtg_2 = 900;
  f.level(tier(1, 1), 1);  // Scout Hawk reads the raised rating
  f.run();
  EXPECT_EQ(f.box(tier(2, 1)), crlf({"Add Atk-Rtg 1h: 60", "", "Add Atk-Rtg 2h: 0", ""}));
  EXPECT_EQ(f.st().final_rtg, 1060);
  EXPECT_EQ(f.st().final_rtg_2, 900);
  EXPECT_EQ(f.box(tier(1, 1)).rfind("Atk-Rtg 1h: 10", 0), 0u);
}

TEST(ArcherReport, FalconAndForceOfNature) {
  ReportFixture f(Archer);
  f.level(tier(2, 2), 1);
  f.on(tier(2, 2));
  f.st().dot_extra[kFalconBonus] = 40;  // from an earlier pass
  f.run();
  EXPECT_EQ(f.box(tier(2, 2)), crlf({"Atk-Pow: 10 - 36", "", "Duration: " + f.calc.sheet.text(Ctl::MainForm).substr(0, 0) +
                                                                     std::string(skill_value_text(22, 2, 1)), ""}));
  EXPECT_EQ(f.st().dot_extra[kFalconDamage], 506);
  EXPECT_EQ(f.st().dot_extra[kFalconBonus], 0) << "Force of Nature not learned";
  // Force of Nature switched on: its falcon bonus reaches the Falcon's text.
  f.level(tier(4, 4), 1);
  f.on(tier(4, 4));
  f.run();
  const std::int32_t k = skill_int_of_text(skill_value_text(32, 3, 1));
  EXPECT_EQ(f.st().dot_extra[kFalconBonus], k);
  EXPECT_EQ(f.box(tier(2, 2)).rfind("Atk-Pow: " + std::to_string(10 + k) + " - " + std::to_string(36 + k), 0), 0u);
  // Switched off: the entries clear in the same pass.
  f.on(tier(4, 4), false);
  f.on(tier(2, 2), false);
  f.run();
  EXPECT_EQ(f.st().dot_extra[kFalconBonus], 0);
  EXPECT_EQ(f.st().dot_extra[kFalconDamage], 0);
  EXPECT_EQ(f.box(tier(2, 2)).rfind("Atk-Pow: 10 - 36", 0), 0u);
}

TEST(ArcherReport, GoldenFalconWithoutTheFalconCountsZero) {
  ReportFixture f(Archer);
  f.level(tier(3, 2), 1);
  f.on(tier(3, 2));
  f.run();
  EXPECT_EQ(f.box(tier(3, 2)).rfind("Atk-Pow: 0 - 0", 0), 0u);
  EXPECT_EQ(f.st().dot_extra[kGoldenFalconDamage], 0);
  f.level(tier(2, 2), 1);  // "10-36" x "1.20"
  ASSERT_EQ(skill_value_text(26, 1, 1), "1.20");
  f.run();
  // 1.20 held as a double lies just below 1.2, and the product is taken in
  // extended precision: 10 x 1.2 floors to 11, 36 x 1.2 to 43.
  EXPECT_EQ(f.box(tier(3, 2)).rfind("Atk-Pow: 11 - 43", 0), 0u);
  EXPECT_EQ(f.st().dot_extra[kGoldenFalconDamage], 594);
}

TEST(ArcherReport, WolverineAndEvasionMastery) {
  ReportFixture f(Archer);
  f.level(tier(4, 1), 1);
  f.stat(Ctl::stat_agility, 100);
  f.on(tier(4, 1));
  f.level(tier(4, 2), 2);
  f.run();
  EXPECT_NE(f.box(tier(4, 1)).find("Defense: 1200"), std::string::npos);
  EXPECT_EQ(f.box(tier(4, 1)).rfind("Atk-Pow: 50 - 75", 0), 0u);
  EXPECT_EQ(f.st().dot_extra[kWolverineDamage], 1375);
  EXPECT_EQ(f.st().final_eva, skill_int_of_text(skill_value_text(30, 1, 2)));
  f.level(tier(4, 2), 0);
  f.level(tier(4, 1), 0);
  f.run();
  EXPECT_EQ(f.st().final_eva, 0);
  EXPECT_EQ(f.st().dot_extra[kWolverineDamage], 0);
  EXPECT_EQ(f.box(tier(4, 1)), "");
}

TEST(ArcherReport, KindsAndUsage) {
  ReportFixture f(Archer);
  f.level(tier(1, 3), 1);
  f.st().final_mp = f.st().final_mp_2 = 1000;
  f.on(tier(1, 1));
  f.run();
  EXPECT_EQ(f.picture(tier(2, 1)), "passive.bmp");
  EXPECT_EQ(f.picture(tier(1, 1)), "on.bmp");
  EXPECT_EQ(f.picture(tier(4, 4)), "off.bmp");
  EXPECT_EQ(f.picture(tier(1, 3)), "active.bmp");
  EXPECT_TRUE(f.usage_shown(tier(1, 3)));
  EXPECT_FALSE(f.usage_shown(tier(2, 2)));
}

// --- Pikeman -------------------------------------------------------------------

TEST(PikemanReport, CriticalHitIsCappedAndChangesNothing) {
  ReportFixture f(Pikeman);
  f.level(tier(1, 3), 10);
  f.weapons(Scythe, Bow);
  f.st().final_crit = 95;
  f.st().final_crit_2 = 10;
  f.run();
  EXPECT_EQ(f.box(tier(1, 3)).rfind("Crit 1h: 100 % (+5)" + kCrlf + "Crit 2h: 10 % (+0)", 0), 0u);
  EXPECT_EQ(f.st().final_crit, 95);
}

TEST(PikemanReport, WeaponDefMasteryOnlyThe2hColumn) {
  ReportFixture f(Pikeman);
  f.level(tier(2, 3), 1);
  f.weapons(Scythe, Bow);
  f.st().final_blk = 5;
  f.st().final_blk_2 = 7;
  f.run();
  EXPECT_EQ(f.box(tier(2, 3)), "Block 2h: 7 % (+0)" + kCrlf);
  EXPECT_EQ(f.st().final_blk_2, 7);
  f.weapons(Bow, Scythe);
  f.run();
  const std::string b = skill_value_text(39, 1, 1);
  EXPECT_EQ(f.box(tier(2, 3)), "Block 2h: " + std::to_string(7 + std::stoi(b)) + " % (+" + b + ")" + kCrlf);
  EXPECT_EQ(f.st().final_blk, 5);
}

TEST(PikemanReport, PikeWindGroundPikeAndVenomSpear) {
  ReportFixture f(Pikeman);
  f.stat(Ctl::stat_level, 52);
  f.level(tier(1, 1), 1);
  f.level(tier(2, 1), 1);
  f.level(tier(3, 1), 1);
  f.weapons(Sword, Sword);
  f.run();
  EXPECT_EQ(f.box(tier(1, 1)), "Atk-Pow: 0 - 0" + kCrlf);
  EXPECT_EQ(f.box(tier(2, 1)), crlf({"Atk-Pow: 0 - 0", "Frozen Time: 0", ""}));
  EXPECT_EQ(f.box(tier(3, 1)), "") << "no scythe: Venom Spear stays empty";
  f.weapons(Bow, Scythe);
  f.run();
  EXPECT_EQ(f.box(tier(1, 1)), "Atk-Pow: 13 - 30" + kCrlf);
  EXPECT_EQ(f.box(tier(3, 1)), crlf({"Atk-Pow: 75 - 90 in 5 sec", "max Targets: 3", "",
                                     "Atk-Pow count for each poisoned Monster, not all together.", ""}));
}

TEST(PikemanReport, JumpingCrashDemonIsHalfAgain) {
  ReportFixture f(Pikeman);
  f.level(tier(1, 4), 7);
  f.weapons(Sword, Bow);
  f.base(100, 121);
  f.run();
  const std::string box = f.box(tier(1, 4));
  const std::string line = box.substr(box.find("Atk-Pow 1h: ") + 12);
  const int a = std::stoi(line), b = std::stoi(line.substr(line.find(" - ") + 3));
  EXPECT_NE(box.find("to Demon 1h: " + std::to_string(a + a / 2) + " - " + std::to_string(b + b / 2)),
            std::string::npos);
  EXPECT_NE(box.find("to Demon 2h: 0 - 0"), std::string::npos);
}

TEST(PikemanReport, ShadowMasterPerColumnAndVague) {
  ReportFixture f(Pikeman);
  f.level(tier(4, 4), 1);
  f.level(tier(4, 3), 5);
  f.weapons(Scythe, Bow);
  f.base(100, 120);
  f.on(tier(4, 3));
  f.run();
  EXPECT_NE(f.box(tier(4, 4)).find("Atk-Pow 2h: 0 - 0"), std::string::npos);
  EXPECT_EQ(f.box(tier(4, 4)).find("Atk-Pow 1h: 0 - 0"), std::string::npos);
  EXPECT_EQ(f.st().final_eva, 14);
  f.on(tier(4, 3), false);
  f.run();
  EXPECT_EQ(f.st().final_eva, 0);
  f.on(tier(4, 3));
  f.level(tier(4, 3), 0);
  f.st().final_eva = 9;
  f.run();
  EXPECT_EQ(f.st().final_eva, 0);
}

TEST(PikemanReport, CriticalsComeFirst) {
  ReportFixture f(Pikeman);
  f.level(tier(3, 3), 1);
  f.level(tier(4, 1), 1);
  f.on(tier(4, 1));
  f.weapons(Scythe, Sword);
  f.st().final_crit = f.st().final_crit_2 = 10;
  f.run();
  const int mastery = std::stoi(skill_value_text(43, 1, 1)), eye = std::stoi(skill_value_text(45, 1, 1));
  EXPECT_EQ(f.st().final_crit, 10 + mastery + eye);
  EXPECT_EQ(f.st().final_crit_2, 10 + eye);
}
