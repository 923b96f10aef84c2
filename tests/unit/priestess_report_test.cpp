// The Priestess's report, run directly on a prepared state, under both
// decimal separators.
#include <gtest/gtest.h>

#include "report_sheet.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Priestess_ : ReportSheet {
  explicit Priestess_(NumberFormat f = NumberFormat::point()) : ReportSheet(Priestess, f) {}
  // A Wand of 20 - 30 in the 1h column, the given weapon in the 2h column, Spirit 100.
  void wand_and(int two) {
    weapons(WandStaff, two);
    weapon_power(20, 30);
    calc.sheet.set_value(Ctl::stat_spirit, 100);
  }
};

const int kMeditation = tier(2, 1), kHeal = tier(1, 1), kHolyBolt = tier(1, 2), kMultiSpark = tier(1, 3),
          kHolyMind = tier(1, 4), kDivineLightning = tier(2, 2), kHolyReflection = tier(2, 3),
          kGrandHealing = tier(2, 4), kVigorBall = tier(3, 1), kResurrection = tier(3, 2), kExtinction = tier(3, 3),
          kVitualLife = tier(3, 4), kGlacialSpike = tier(4, 1), kRegenerationField = tier(4, 2),
          kChainLightning = tier(4, 3), kSummonMuspell = tier(4, 4);

}  // namespace

TEST(PriestessReport, AllLevelsZero) {
  Priestess_ p;
  p.on(kSummonMuspell);
  p.st().dot_extra[8] = 440;
  p.st().dot_extra[5] = 7;
  p.st().final_mp_regen = 2.5;
  p.run();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(p.box(i), "") << i;
    EXPECT_FALSE(p.usage_shown(i)) << i;
  }
  EXPECT_EQ(p.st().dot_extra[8], 0);
  EXPECT_EQ(p.st().dot_extra[5], 7);
  EXPECT_EQ(p.st().final_mp_regen, 2.5);
  EXPECT_EQ(p.picture(kMeditation), "passive.bmp");
  EXPECT_EQ(p.picture(kSummonMuspell), "on.bmp");
  EXPECT_EQ(p.picture(kVitualLife), "off.bmp");
}

TEST(PriestessReport, SwordsInBothColumns) {
  Priestess_ p;
  p.weapons(Sword, Sword);
  p.weapon_power(20, 30);
  p.st().final_mp_regen = p.st().final_mp_regen_2 = 2.5;
  p.st().final_hp = p.st().final_hp_2 = 1000;
  for (int i = 0; i < 16; ++i) p.level(i, 1);
  p.run();
  const std::string zeros = "Atk-Pow 1h: 0 - 0" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf;
  EXPECT_EQ(p.box(kHeal), "Heal HP 1h: 0 - 0" + kCrlf + "Heal HP 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.box(kHolyBolt), zeros);
  EXPECT_EQ(p.box(kGrandHealing), "Party Heal 1h: 0 - 0" + kCrlf + "Party Heal 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.box(kVigorBall), zeros);
  EXPECT_EQ(p.box(kGlacialSpike), zeros);
  EXPECT_EQ(p.box(kMultiSpark), "AP 3 Sparks 1h: 0 - 0" + kCrlf + "AP 4 Sparks 1h: 0 - 0" + kCrlf + kCrlf +
                                    "AP 3 Sparks 2h: 0 - 0" + kCrlf + "AP 4 Sparks 2h: 0 - 0" + kCrlf + kCrlf +
                                    "Sparks: 3-4" + kCrlf);
  EXPECT_EQ(p.box(kHolyMind), "-eAtk-Pow: 0 %" + kCrlf + "Duration: 15" + kCrlf);
  EXPECT_EQ(p.box(kResurrection), "Success Rate: 0 %" + kCrlf);
  EXPECT_EQ(p.box(kHolyReflection), "UAPReflect: 0 %" + kCrlf + "Duration: 0" + kCrlf);
  EXPECT_EQ(p.box(kExtinction), "% Hit: 0.00 %" + kCrlf + "-Undead HP: 0 %" + kCrlf);
  EXPECT_EQ(p.box(kDivineLightning), "Atk-Pow 1h: 3x(0 - 0)" + kCrlf + "Atk-Pow 2h: 3x(0 - 0)" + kCrlf + kCrlf +
                                         "total 1h: 0 - 0" + kCrlf + "total 2h: 0 - 0" + kCrlf +
                                         "to Undead 1h: 0 - 0" + kCrlf + "to Undead 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.box(kChainLightning), "Atk-Pow 1h: 0x(0 - 0)" + kCrlf + "Atk-Pow 2h: 0x(0 - 0)" + kCrlf + kCrlf +
                                        "total 1h: 0 - 0" + kCrlf + "total 2h: 0 - 0" + kCrlf);
  // Without a weapon condition: 2.5 + 0.6 shown, then Regeneration Field's 1.0 on top.
  EXPECT_EQ(p.box(kMeditation), "Add MP Regen 1h/2h: 0.6" + kCrlf);
  EXPECT_EQ(p.box(kRegenerationField), "MP Regen 1h: 4.1 (+1.0)" + kCrlf + "MP Regen 2h: 4.1 (+1.0)" + kCrlf + kCrlf +
                                           "Duration: 60" + kCrlf);
  EXPECT_EQ(p.box(kVitualLife), "HP 1h: 1030 (+30)" + kCrlf + "HP 2h: 1030 (+30)" + kCrlf + kCrlf +
                                    "Duration: 300" + kCrlf);
  EXPECT_NE(p.box(kSummonMuspell).find("Atk-Pow: 40 - 70"), std::string::npos);
}

TEST(PriestessReport, HealsAndSparksWithAWand) {
  Priestess_ p;
  p.wand_and(Sword);
  p.level(kHeal, 1);         // "40-50"
  p.level(kMultiSpark, 1);   // "5-10", sparks "3-4"
  p.level(kHolyBolt, 1);     // "18-30"
  p.level(kGrandHealing, 1);  // "30-60"
  p.st().final_mp = 500;
  p.st().final_mp_2 = 433;
  p.run();
  EXPECT_EQ(p.box(kHeal), "Heal HP 1h: 60 - 80" + kCrlf + "Heal HP 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.usage(kHeal), "33 / 28");  // cost 15
  EXPECT_EQ(p.box(kMultiSpark), "AP 3 Sparks 1h: 75 - 120" + kCrlf + "AP 4 Sparks 1h: 100 - 160" + kCrlf + kCrlf +
                                    "AP 3 Sparks 2h: 0 - 0" + kCrlf + "AP 4 Sparks 2h: 0 - 0" + kCrlf + kCrlf +
                                    "Sparks: 3-4" + kCrlf);
  EXPECT_EQ(p.box(kHolyBolt), "Atk-Pow 1h: 38 - 60" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.box(kGrandHealing), "Party Heal 1h: 50 - 90" + kCrlf + "Party Heal 2h: 0 - 0" + kCrlf);
  // Heal's ranges of 5, 6 and 7 characters; Multi-Spark's two-digit lower bound.
  for (int level : {2, 6, 10}) {
    p.level(kHeal, level);
    p.level(kMultiSpark, 10);  // "23-46", sparks "5-7"
    p.run();
    const std::string t = skill_value_text(113, 1, level);
    const std::size_t dash = t.find('-');
    const int lo = std::stoi(t.substr(0, dash)), hi = std::stoi(t.substr(dash + 1));
    EXPECT_EQ(p.box(kHeal).substr(0, p.box(kHeal).find('\r')),
              "Heal HP 1h: " + std::to_string(lo + 20) + " - " + std::to_string(hi + 30)) << t;
    EXPECT_EQ(p.box(kMultiSpark).substr(0, 24), "AP 5 Sparks 1h: 215 - 38");
  }
}

TEST(PriestessReport, DivineLightningAndChainLightning) {
  Priestess_ p;
  p.wand_and(Bow);
  p.level(kDivineLightning, 1);  // "20-40", 3 bolts
  p.level(kChainLightning, 1);   // "120-170", 5 bolts
  p.st().magician_skill_value = 0.5;  // counts for the Magician only
  p.run();
  EXPECT_EQ(p.box(kDivineLightning), "Atk-Pow 1h: 3x(52 - 95)" + kCrlf + "Atk-Pow 2h: 3x(0 - 0)" + kCrlf + kCrlf +
                                         "total 1h: 156 - 285" + kCrlf + "total 2h: 0 - 0" + kCrlf +
                                         "to Undead 1h: 234 - 427" + kCrlf + "to Undead 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(p.box(kChainLightning), "Atk-Pow 1h: 5x(152 - 225)" + kCrlf + "Atk-Pow 2h: 5x(0 - 0)" + kCrlf + kCrlf +
                                        "total 1h: 760 - 1125" + kCrlf + "total 2h: 0 - 0" + kCrlf);
}

TEST(PriestessReport, SpellsWithSpirit) {
  Priestess_ p;
  p.wand_and(WandStaff);
  p.level(kVigorBall, 1);     // "30-48", 2 hits
  p.level(kGlacialSpike, 1);  // "70-110"
  p.st().final_mp = 500;
  p.st().final_mp_2 = 433;
  p.run();
  EXPECT_EQ(p.box(kVigorBall), "Atk-Pow 1h: 124 - 206" + kCrlf + "Atk-Pow 2h: 124 - 206" + kCrlf);
  EXPECT_EQ(p.box(kGlacialSpike), "Atk-Pow 1h: 102 - 165" + kCrlf + "Atk-Pow 2h: 102 - 165" + kCrlf);
  EXPECT_EQ(p.usage(kGlacialSpike), "15 / 13");  // its own cost, 32
  p.level(kGlacialSpike, 4);  // "94-146"
  p.run();
  EXPECT_EQ(p.box(kGlacialSpike).substr(0, 21), "Atk-Pow 1h: 126 - 201");
}

TEST(PriestessReport, ExtinctionGrowsWithTheCharacterLevel) {
  for (NumberFormat f : {NumberFormat::point(), NumberFormat::comma()}) {
    Priestess_ p(f);
    p.wand_and(Sword);
    p.calc.sheet.set_value(Ctl::stat_level, 80);
    p.level(kExtinction, 1);  // "60+lv/5", 0.20
    p.run();
    const std::string hit = f.decimal_comma() ? "66,40" : "66.40";
    EXPECT_EQ(p.box(kExtinction), "% Hit: " + hit + " %" + kCrlf + "-Undead HP: 20 %" + kCrlf);
  }
}

TEST(PriestessReport, RegenerationUnderBothSeparators) {
  for (NumberFormat f : {NumberFormat::point(), NumberFormat::comma()}) {
    Priestess_ p(f);
    p.level(kMeditation, 1);          // 0.6
    p.level(kRegenerationField, 1);   // 1.0
    p.on(kRegenerationField);
    p.st().final_mp_regen = 2.5;
    p.st().final_mp_regen_2 = 1.25;
    p.run();
    const bool c = f.decimal_comma();
    EXPECT_EQ(p.box(kMeditation), std::string("Add MP Regen 1h/2h: ") + (c ? "0,6" : "0.6") + kCrlf);
    EXPECT_EQ(p.box(kRegenerationField), std::string("MP Regen 1h: ") + (c ? "4,1 (+1,0)" : "4.1 (+1.0)") + kCrlf +
                                             "MP Regen 2h: " + (c ? "2,85 (+1,0)" : "2.85 (+1.0)") + kCrlf + kCrlf +
                                             "Duration: 60" + kCrlf);
    EXPECT_DOUBLE_EQ(p.st().final_mp_regen, 4.1);
    EXPECT_DOUBLE_EQ(p.st().final_mp_regen_2, 2.85);
  }
}

TEST(PriestessReport, VitualLifeOnAndOff) {
  for (bool on : {false, true}) {
    Priestess_ p;
    p.level(kVitualLife, 1);  // 0.03
    p.st().final_hp = 1000;
    p.st().final_hp_2 = 800;
    p.on(kVitualLife, on);
    p.run();
    EXPECT_EQ(p.box(kVitualLife), "HP 1h: 1030 (+30)" + kCrlf + "HP 2h: 824 (+24)" + kCrlf + kCrlf +
                                      "Duration: 300" + kCrlf);
    EXPECT_EQ(p.st().final_hp, on ? 1030 : 1000);
    EXPECT_EQ(p.st().final_hp_2, on ? 824 : 800);
  }
}

TEST(PriestessReport, SummonMuspell) {
  Priestess_ p;
  p.level(kSummonMuspell, 1);  // "40-70", delay 7, 0.10, block 5
  p.st().final_blk = 10;
  p.st().final_blk_2 = 8;
  p.st().final_abs = 20;
  p.st().final_abs_2 = 12.34;
  p.on(kSummonMuspell);
  p.run();
  EXPECT_EQ(p.box(kSummonMuspell), "Atk-Pow: 40 - 70" + kCrlf + "Block 1h: 15% (+5)" + kCrlf + "Block 2h: 13% (+5)" +
                                       kCrlf + "Undead Abs 1h: 22 (+2)" + kCrlf + "Undead Abs 2h: 13.57 (+1.23)" +
                                       kCrlf + kCrlf + "Duration: 300" + kCrlf);
  EXPECT_EQ(p.st().final_blk, 15);
  EXPECT_EQ(p.st().final_blk_2, 13);
  EXPECT_EQ(p.st().final_abs, 20) << "the undead absorption is only shown";
  EXPECT_EQ(p.st().dot_extra[8], 440);
  p.level(kSummonMuspell, 10);  // "94-115", delay 4
  p.st().final_blk = 10;
  p.run();
  EXPECT_EQ(p.st().dot_extra[8], 1567);
  p.on(kSummonMuspell, false);
  p.st().final_blk = 10;
  p.run();
  EXPECT_EQ(p.st().dot_extra[8], 0);
  EXPECT_EQ(p.st().final_blk, 10);
}

TEST(PriestessReport, OneWandShowsTheSharedValues) {
  Priestess_ p;
  p.weapons(Sword, WandStaff);
  for (int slot : {kHolyMind, kHolyReflection, kResurrection}) p.level(slot, 1);
  p.run();
  EXPECT_EQ(p.box(kHolyMind), "-eAtk-Pow: 8 %" + kCrlf + "Duration: 15" + kCrlf);
  EXPECT_EQ(p.box(kHolyReflection), "UAPReflect: 20 %" + kCrlf + "Duration: 90" + kCrlf);
  EXPECT_EQ(p.box(kResurrection), "Success Rate: 12 %" + kCrlf);
}

TEST(PriestessReport, MuspellReachesTheDamageOverTime) {
  Priestess_ p;
  p.calc.user_select_row(Ctl::Select_class, Priestess);
  p.calc.user_set_value(Ctl::stat_level, 90);
  p.calc.user_set_value(slot_controls(kSummonMuspell).level, 1);
  p.calc.user_click(slot_controls(kSummonMuspell).kind_img);
  EXPECT_EQ(p.calc.sheet.text(Ctl::Lbl_dot_1h_5), "440");
  p.calc.user_click(slot_controls(kSummonMuspell).kind_img);
  EXPECT_EQ(p.calc.sheet.text(Ctl::Lbl_dot_1h_5), "0");
}
