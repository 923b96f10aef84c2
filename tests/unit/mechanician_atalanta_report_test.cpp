// The Mechanician's and the Atalanta's reports, slot by slot, on a prepared state.
#include <gtest/gtest.h>

#include "skills/report_framework.h"
#include "tests/unit/report_fixture.h"

using namespace brennick;
using namespace brennick::skills;

// --- Mechanician -----------------------------------------------------------------

TEST(MechanicianReport, AbsorptionSkillsAddUp) {
  ReportFixture f(Mechanician);
  f.level(tier(4, 2), 1);  // Compulsion
  f.level(tier(1, 4), 1);  // Physical Absorption "3-4"
  f.level(tier(3, 1), 1);  // Metal Armor
  f.on(tier(4, 2));
  f.on(tier(1, 4));
  f.on(tier(3, 1));
  f.calc.sheet.set_checked(Ctl::chk_armor_is_right_spec, true);
  f.st().armor_def = 500;
  f.st().final_abs = f.st().final_abs_2 = 10;
  f.st().final_def = f.st().final_def_2 = 1000;
  f.run();
  const int compulsion = std::stoi(skill_value_text(62, 1, 1));
  EXPECT_DOUBLE_EQ(f.st().final_abs, 10 + compulsion + 4) << "Metal Armor adds no absorption while PA is on";
  EXPECT_EQ(f.box(tier(1, 4)).rfind("add Abs: 3 - 4", 0), 0u);
  const int gain = f.st().final_def - 1000;
  EXPECT_GT(gain, 0);
  EXPECT_EQ(f.box(tier(3, 1)).rfind("Add Defense: " + std::to_string(gain) + kCrlf + "Add Abs: 4", 0), 0u);
  // Physical Absorption off and unlearned: Metal Armor carries level 1's bound.
  f.on(tier(1, 4), false);
  f.level(tier(1, 4), 0);
  f.st().final_abs = f.st().final_abs_2 = 10;
  f.run();
  EXPECT_DOUBLE_EQ(f.st().final_abs, 10 + compulsion + 4);
  // Without the armour spec box: zeros and no change.
  f.calc.sheet.set_checked(Ctl::chk_armor_is_right_spec, false);
  f.st().final_abs = f.st().final_abs_2 = 10;
  f.st().final_def = 1000;
  f.run();
  EXPECT_EQ(f.box(tier(3, 1)).rfind("Add Defense: 0" + kCrlf + "Add Abs: 0", 0), 0u);
  EXPECT_EQ(f.st().final_def, 1000);
  EXPECT_DOUBLE_EQ(f.st().final_abs, 10 + compulsion);
}

TEST(MechanicianReport, AutomationAndMaximize) {
  ReportFixture f(Mechanician);
  f.level(tier(2, 3), 1);  // 0.30
  f.weapons(WandStaff, Bow);
  f.st().weap_min_pow_2 = 50;
  f.st().weap_max_pow_2 = 90;
  f.base(100, 120);
  f.on(tier(2, 3));
  f.run();
  EXPECT_EQ(f.box(tier(2, 3)).rfind("Atk-Pow 1h: 100 - 120" + kCrlf + "Atk-Pow 2h: 115 - 147", 0), 0u);
  EXPECT_EQ(f.st().final_atkpow_min_2, 115);
  EXPECT_EQ(f.st().final_atkpow_max_2, 147);
  // A Wand/Staff in both columns: Mechanic Mastery and Maximize give 0.
  ReportFixture g(Mechanician);
  g.level(tier(3, 3), 5);
  g.level(tier(2, 2), 5);
  g.weapons(WandStaff, WandStaff);
  g.weapon_power(50, 90);
  g.base(100, 120);
  g.on(tier(2, 2));
  g.run();
  EXPECT_EQ(g.box(tier(3, 3)), crlf({"Add to 1h: 0 - 0", "", "Add to 2h: 0 - 0", ""}));
  EXPECT_EQ(g.st().final_atkpow_max, 120);
}

TEST(MechanicianReport, MagneticSphereImpulsionBombAndGolem) {
  ReportFixture f(Mechanician);
  f.level(tier(4, 3), 7);  // "90-100"
  f.on(tier(4, 3));
  f.level(tier(4, 1), 4);  // "170-210"
  f.level(tier(1, 2), 1);  // "5-29"
  f.level(tier(4, 4), 1);
  f.on(tier(4, 4));
  f.stat(Ctl::stat_strenght, 100);
  f.run();
  EXPECT_NE(f.box(tier(4, 3)).find("to Mechanic: 116 - 130"), std::string::npos);
  EXPECT_EQ(f.st().dot_extra[kMagneticSphereDamage], 1425);
  EXPECT_EQ(f.box(tier(4, 1)).rfind("Atk-Pow: 170 - 210" + kCrlf + "to Mechanic: 220 - 273", 0), 0u);
  EXPECT_EQ(f.box(tier(1, 2)), crlf({"Atk-Pow: 5 - 29", "", "to Normal: 7 - 43", "to Mutant: 7 - 43", ""}));
  EXPECT_NE(f.box(tier(4, 4)).find("HP: 3700"), std::string::npos);
  EXPECT_EQ(f.st().dot_extra[kMetalGolemDamage], 1980);
  f.on(tier(4, 3), false);
  f.level(tier(4, 4), 0);
  f.run();
  EXPECT_EQ(f.st().dot_extra[kMagneticSphereDamage], 0);
  EXPECT_EQ(f.st().dot_extra[kMetalGolemDamage], 0);
}

TEST(MechanicianReport, SparkShieldWithoutSparkCountsZero) {
  ReportFixture f(Mechanician);
  f.level(tier(3, 4), 1);
  f.on(tier(3, 4));
  f.st().final_def = 1000;
  f.st().final_def_2 = 900;
  f.run();
  EXPECT_NE(f.box(tier(3, 4)).find("Atk-Pow: 0 - 0" + kCrlf + "to Mechanic: 0 - 0"), std::string::npos);
  const int d = std::stoi(skill_value_text(60, 1, 1));
  EXPECT_EQ(f.st().final_def, 1000 + d);
  EXPECT_EQ(f.st().final_def_2, 900) << "the 1h column only";
}

TEST(MechanicianReport, ExtremeShieldRaisesThe1hBlock) {
  ReportFixture f(Mechanician);
  f.level(tier(1, 1), 1);
  f.on(tier(1, 1));
  f.st().final_blk = f.st().final_blk_2 = 10;
  f.run();
  const int b = std::stoi(skill_value_text(49, 1, 1));
  EXPECT_EQ(f.st().final_blk, 10 + b);
  EXPECT_EQ(f.st().final_blk_2, 10);
  EXPECT_EQ(f.picture(tier(1, 1)), "on.bmp");
  EXPECT_EQ(f.picture(tier(1, 3)), "passive.bmp");
}

// --- Atalanta --------------------------------------------------------------------

TEST(AtalantaReport, WithASwordEveryJavelinSkillShowsZeros) {
  ReportFixture f(Atalanta);
  for (int i = 0; i < kSlotCount; ++i) f.level(i, 1);
  f.weapons(Sword, Javelin);
  f.base(100, 120);
  f.st().final_rtg = 500;
  f.st().weap_rtg = 100;
  f.run();
  EXPECT_EQ(f.box(tier(3, 4)), "Atk-Pow 1h: 0 - 0" + kCrlf);
  EXPECT_EQ(f.box(tier(1, 3)), "Add to 1h: 0 - 0" + kCrlf);
  EXPECT_EQ(f.box(tier(1, 2)), crlf({"Atk-Rtg 1h: 0 (+0)", "Add wSpd: 0", ""}));
  // Without a javelin the rating line shows final_rtg unchanged.
  EXPECT_NE(f.box(tier(2, 2)).find("Atk-Rtg 1h: 500"), std::string::npos);
  EXPECT_NE(f.box(tier(3, 1)).find("Atk-Rtg 1h: 500"), std::string::npos);
  EXPECT_NE(f.box(tier(3, 2)).find("Atk-Pow 1h: 100 - "), std::string::npos);
  EXPECT_NE(f.box(tier(1, 1)).find("Atk-Pow: "), std::string::npos);
}

TEST(AtalantaReport, TriumphAndHallOfValhalla) {
  ReportFixture f(Atalanta);
  f.stat(Ctl::stat_level, 80);
  f.level(tier(3, 2), 5);  // "20+lv/9"
  f.on(tier(3, 2));
  f.base(100, 120);
  f.run();
  EXPECT_EQ(f.st().final_atkpow_max, 148);
  EXPECT_EQ(f.st().final_atkpow_max_2, 148);
  EXPECT_EQ(f.st().final_atkpow_min, 100);
  // Hall of Valhalla at level 3: evasion 9 when on, 0 when off.
  f.on(tier(3, 2), false);
  f.level(tier(4, 1), 3);
  f.on(tier(4, 1));
  f.base(100, 120);
  f.run();
  EXPECT_EQ(f.st().final_eva, 9);
  EXPECT_EQ(f.st().final_atkpow_max, 148) << "Triumph's part at Triumph's level";
  f.on(tier(4, 1), false);
  f.st().final_eva = 5;
  f.run();
  EXPECT_EQ(f.st().final_eva, 0);
  // Triumph at level 0: its part counts 0, the level term stays.
  f.level(tier(3, 2), 0);
  f.on(tier(4, 1));
  f.base(100, 120);
  f.run();
  EXPECT_EQ(f.st().final_atkpow_max, 128);
}

TEST(AtalantaReport, ShieldStrikeFarinaAndElementalJavelins) {
  ReportFixture f(Atalanta);
  f.stat(Ctl::stat_level, 12);
  f.level(tier(1, 1), 1);
  f.level(tier(1, 2), 1);
  f.weapons(Javelin, Sword);
  f.st().final_rtg = 500;
  f.run();
  EXPECT_EQ(f.box(tier(1, 1)), "Atk-Pow: 6 - 22" + kCrlf);
  EXPECT_EQ(f.box(tier(1, 2)).rfind("Atk-Rtg 1h: 530 (+30)", 0), 0u);
  f.level(tier(1, 1), 5);  // "10-40+lv/5": two digits
  f.run();
  EXPECT_EQ(f.box(tier(1, 1)), "Atk-Pow: 12 - 42" + kCrlf);
}

TEST(AtalantaReport, WindyAndFrostJavelinWithoutAJavelinKeepTheState) {
  ReportFixture f(Atalanta);
  f.level(tier(2, 1), 1);
  f.level(tier(4, 3), 1);
  f.on(tier(2, 1));
  f.on(tier(4, 3));
  f.weapons(Sword, Javelin);
  f.base(100, 120);
  f.st().final_rtg = 500;
  f.run();
  EXPECT_EQ(f.st().final_rtg, 500);
  EXPECT_EQ(f.st().final_atkpow_min, 100);
  EXPECT_EQ(f.box(tier(4, 3)).rfind("Atk-Pow 1h: 0 - 0" + kCrlf + "-eSpd: 0 %" + kCrlf + "freeze: 0sec", 0), 0u);
  f.weapons(Javelin, Sword);
  f.st().weap_rtg = 200;
  f.run();
  EXPECT_GT(f.st().final_rtg, 500);
  EXPECT_GT(f.st().final_atkpow_min, 100);
}

TEST(AtalantaReport, ExtremeRageLeavesTheForceOrbOut) {
  ReportFixture f(Atalanta);
  f.level(tier(4, 2), 1);
  f.weapons(Javelin, Javelin);
  f.base(110, 130);
  f.st().forceorb_add_min = f.st().forceorb_add_max = 10;
  f.run();
  const std::string with_orb = f.box(tier(4, 2));
  f.base(100, 120);
  f.st().forceorb_add_min = f.st().forceorb_add_max = 0;
  f.run();
  EXPECT_EQ(f.box(tier(4, 2)), with_orb);
}

TEST(AtalantaReport, SoulSuckerAtEveryLevel) {
  ReportFixture f(Atalanta);
  f.run();
  EXPECT_EQ(f.box(tier(2, 3)),
            "Waymark say it add X percent OF your HP to your HP but IMO it suck x percent from enemy." + kCrlf +
                "i wait for a comment here." + kCrlf);
  EXPECT_FALSE(f.usage_shown(tier(2, 3)));
}

// The worked examples: with an attack of 100, Fire Javelin shows 150 against
// mutants (half again) and Twisted Javelin 130 against demons (row 0: 0.30).
TEST(AtalantaReport, FireJavelinMutantAndTwistedJavelinDemonValues) {
  ReportFixture f(Atalanta);
  f.weapons(Javelin, Sword);
  f.stat(Ctl::stat_level, 30);  // CL div 3 = 10
  f.level(tier(2, 4), 1);       // "20-30+lv/3"
  f.level(tier(2, 2), 1);       // +%tAP 0.16, +%wAR 0.10
  f.base(70, 90);
  f.run();
  // a = 10 + 20 + 70, b = 90 + 10 + 30.
  EXPECT_EQ(f.box(tier(2, 4)), crlf({"Atk-Pow 1h: 100 - 130", "to Mutant 1h: 150 - 195"}) + kCrlf);

  ReportFixture t(Atalanta);
  t.weapons(Javelin, Sword);
  t.level(tier(2, 2), 1);
  t.base(87, 87);  // 87 + floor(87 x 0.16) = 100
  t.st().final_rtg = 500;
  t.st().weap_rtg = 100;
  t.run();
  // Rating: 500 - 100 + (100 + floor(100 x 0.10)).
  EXPECT_EQ(t.box(tier(2, 2)), crlf({"Atk-Pow 1h: 100 - 100", "to Demon 1h: 130 - 130", "", "Atk-Rtg 1h: 510"}) + kCrlf);
}

// Great Smash adds its "+AP" to each end; Grand Smash boosts the base for two
// hits. Both add their "+AR" to the rating of a fitting column; a column
// without a fitting weapon shows 0 - 0 and a rating of 0, the bonus as given.
TEST(MechanicianReport, GreatAndGrandSmashPerColumn) {
  ReportFixture f(Mechanician);
  f.weapons(Axe, Bow);
  f.base(100, 200);
  f.st().final_rtg = 500;
  f.st().final_rtg_2 = 600;
  f.level(tier(2, 1), 1);  // +AP 12, +AR 100
  f.level(tier(3, 2), 1);  // +%tAP 0.30, +AR 45
  f.run();
  EXPECT_EQ(f.box(tier(2, 1)), crlf({"Atk-Pow 1h: 112 - 212", "Atk-Pow 2h: 0 - 0", "", "Atk-Rtg 1h: 600 (+100)",
                                     "Atk-Rtg 2h: 0 (+100)"}) +
                                   kCrlf);
  const std::string grand = f.box(tier(3, 2));
  EXPECT_NE(grand.find("Atk-Pow 2h: 0 - 0" + kCrlf + kCrlf), std::string::npos) << grand;
  EXPECT_NE(grand.find("Atk-Rtg 1h: 545 (+45)" + kCrlf + "Atk-Rtg 2h: 0 (+45)"), std::string::npos) << grand;
  EXPECT_EQ(grand.rfind("Atk-Pow 1h: ", 0), 0u);
  EXPECT_NE(grand.rfind("Atk-Pow 1h: 100 - 200", 0), 0u) << "two boosted hits, not the base";
  EXPECT_EQ(f.usage(tier(2, 1)), "0 / 0");  // no mana yet
}

// The usage label divides both mana pools by the skill's "MP" row: row 4 for
// Split Javelin, row 3 for Extreme Rage.
TEST(AtalantaReport, UsageLabelsUseTheMpRow) {
  ReportFixture f(Atalanta);
  f.weapons(Javelin, Sword);
  f.level(tier(3, 1), 1);  // MP 23 (row 4)
  f.level(tier(4, 2), 1);  // MP 34 (row 3)
  f.st().final_mp = 1000;
  f.st().final_mp_2 = 460;
  f.run();
  EXPECT_EQ(f.usage(tier(3, 1)), "43 / 20");
  EXPECT_EQ(f.usage(tier(4, 2)), "29 / 13");
  EXPECT_TRUE(f.usage_shown(tier(3, 1)));
}
