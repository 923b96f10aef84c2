// The Magician's report, run directly on a prepared state, and through the
// window's actions for the Spirit Elemental switch.
#include <gtest/gtest.h>

#include "report_sheet.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Magician_ : ReportSheet {
  Magician_() : ReportSheet(Magician) {}
  void spirit(int v) { calc.sheet.set_value(Ctl::stat_spirit, v); }
};

const int kSpiritElemental = tier(3, 3), kMentalMastery = tier(2, 1), kAgony = tier(1, 1), kFireBolt = tier(1, 2),
          kZenith = tier(1, 3), kFireball = tier(1, 4), kWatornado = tier(2, 2), kEnchantWeapon = tier(2, 3),
          kDeathRay = tier(2, 4), kEnergyShield = tier(3, 1), kDiatrophism = tier(3, 2), kDancingSword = tier(3, 4),
          kFireElemental = tier(4, 1), kFireWave = tier(4, 2), kDistortion = tier(4, 3), kMeteorite = tier(4, 4);

std::string zeros() { return "Atk-Pow 1h: 0 - 0" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf; }

}  // namespace

TEST(MagicianReport, AllLevelsZeroClearsItsValues) {
  Magician_ m;
  m.on(kSpiritElemental);
  m.on(kDancingSword);
  m.on(kFireElemental);
  m.st().magician_skill_value = 0.2;
  m.st().dot_extra[5] = 100;
  m.st().dot_extra[6] = 200;
  m.st().dot_extra[8] = 300;
  m.run();
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m.box(i), "") << i;
  EXPECT_EQ(m.st().magician_skill_value, 0.0) << "level 0 clears it even when switched on";
  EXPECT_EQ(m.st().dot_extra[5], 0);
  EXPECT_EQ(m.st().dot_extra[6], 0);
  EXPECT_EQ(m.st().dot_extra[8], 300) << "the Priestess's entry is not the Magician's";
  EXPECT_EQ(m.picture(kMentalMastery), "passive.bmp");
  EXPECT_EQ(m.picture(kSpiritElemental), "on.bmp");
  EXPECT_EQ(m.picture(kZenith), "off.bmp");
  EXPECT_EQ(m.picture(kAgony), "active.bmp");
}

TEST(MagicianReport, SwordsInBothColumns) {
  Magician_ m;
  m.weapons(Sword, Sword);
  m.base(100, 120);
  m.weapon_power(20, 30);
  for (int i = 0; i < 16; ++i) m.level(i, 1);
  m.run();
  for (int slot : {kFireBolt, kFireball, kWatornado, kDeathRay, kDiatrophism, kFireWave, kMeteorite})
    EXPECT_EQ(m.box(slot), zeros()) << slot;
  EXPECT_EQ(m.box(kAgony), "HP->MP 1h: 0 -> 0" + kCrlf + "HP->MP 2h: 0 -> 0" + kCrlf);
  EXPECT_EQ(m.box(kEnchantWeapon), "Fire AP 1h:  103 - 125" + kCrlf + "Fire AP 2h:  103 - 125" + kCrlf +
                                       "Light AP 1h:  103 - 127" + kCrlf + "Light AP 2h:  103 - 127" + kCrlf +
                                       "Ice AP 1h:  102 - 124" + kCrlf + "Ice AP 2h:  102 - 124" + kCrlf);
  EXPECT_EQ(m.box(kDancingSword), "Fire AP 1h: 42 - 60" + kCrlf + "Fire AP 2h: 42 - 60" + kCrlf + kCrlf +
                                      "Ice AP 1h: 40 - 56" + kCrlf + "Ice AP 2h: 40 - 56" + kCrlf + kCrlf +
                                      "Duration: 120" + kCrlf);
  EXPECT_EQ(m.box(kFireElemental), "Atk-Pow: 80 - 95" + kCrlf + "Atk-Rtg: 300" + kCrlf + "HP: 2000" + kCrlf + kCrlf +
                                       "Duration: 360" + kCrlf);
  EXPECT_EQ(m.box(kZenith), "Add to all Res: 4" + kCrlf + kCrlf + "Duration: 60" + kCrlf);
  EXPECT_EQ(m.box(kEnergyShield), "Dmg to MP: 4 %" + kCrlf + kCrlf + "Duration: 45" + kCrlf);
  EXPECT_EQ(m.box(kDistortion), "-eSpeed: 10 %" + kCrlf + "-eAtk-Pow: 4 %" + kCrlf + kCrlf + "Duration: 300" + kCrlf);
  EXPECT_EQ(m.box(kSpiritElemental), "Add Skill Atk-Pow: 2 %" + kCrlf + kCrlf + "Duration: 60" + kCrlf);
}

TEST(MagicianReport, FireBoltAddsNoSpirit) {
  Magician_ m;
  m.weapons(WandStaff, Sword);
  m.weapon_power(20, 30);
  m.spirit(100);
  m.level(kFireBolt, 1);  // "10-20"
  m.st().final_mp = 500;
  m.st().final_mp_2 = 433;
  m.run();
  EXPECT_EQ(m.box(kFireBolt), "Atk-Pow 1h: 30 - 50" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(m.usage(kFireBolt), "35 / 30");  // cost 14
}

TEST(MagicianReport, FireballWithSpiritAndSpiritElemental) {
  Magician_ m;
  m.weapons(WandStaff, Sword);
  m.weapon_power(20, 30);
  m.spirit(100);
  m.level(kFireball, 1);  // "16-40"
  m.level(kSpiritElemental, 5);  // 0.10
  m.run();
  // 16 + 20 + 100 div 8, 40 + 30 + 100 div 4
  EXPECT_EQ(m.box(kFireball), "Atk-Pow 1h: 48 - 95" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(m.st().magician_skill_value, 0.0);
  m.on(kSpiritElemental);
  m.run();
  EXPECT_EQ(m.box(kFireball), "Atk-Pow 1h: 52 - 104" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
  EXPECT_EQ(m.st().magician_skill_value, 0.1);
  EXPECT_EQ(m.box(kSpiritElemental), "Add Skill Atk-Pow: 10 %" + kCrlf + kCrlf + "Duration: 120" + kCrlf);
  m.on(kSpiritElemental, false);
  m.run();
  EXPECT_EQ(m.st().magician_skill_value, 0.0) << "switching it off clears it in the same pass";
  EXPECT_EQ(m.box(kFireball), "Atk-Pow 1h: 48 - 95" + kCrlf + "Atk-Pow 2h: 0 - 0" + kCrlf);
}

TEST(MagicianReport, SpellSplitsAndHits) {
  Magician_ m;
  m.weapons(WandStaff, WandStaff);
  m.weapon_power(20, 30);
  m.spirit(100);
  m.level(kMeteorite, 1);     // "80-130", 3 hits
  m.level(kFireWave, 10);     // "142-188", 2 hits
  m.level(kDiatrophism, 1);   // "30-58", 2 hits
  m.level(kWatornado, 10);    // "60-132"
  m.level(kDeathRay, 4);      // "55-100"
  m.run();
  EXPECT_EQ(m.box(kMeteorite), "Atk-Pow 1h: 336 - 555" + kCrlf + "Atk-Pow 2h: 336 - 555" + kCrlf);
  EXPECT_EQ(m.box(kFireWave), "Atk-Pow 1h: 348 - 486" + kCrlf + "Atk-Pow 2h: 348 - 486" + kCrlf);
  EXPECT_EQ(m.box(kDiatrophism), "Atk-Pow 1h: 124 - 226" + kCrlf + "Atk-Pow 2h: 124 - 226" + kCrlf);
  EXPECT_EQ(m.box(kWatornado), "Atk-Pow 1h: 92 - 187" + kCrlf + "Atk-Pow 2h: 92 - 187" + kCrlf);
  EXPECT_EQ(m.box(kDeathRay), "Atk-Pow 1h: 87 - 155" + kCrlf + "Atk-Pow 2h: 87 - 155" + kCrlf);
}

TEST(MagicianReport, MentalMasteryRaisesManaBeforeAgony) {
  Magician_ m;
  m.weapons(WandStaff, Bow);
  m.level(kMentalMastery, 10);  // 0.32
  m.level(kAgony, 1);           // 0.05
  m.st().final_mp = 1000;
  m.st().final_mp_2 = 500;
  m.st().final_hp = 1000;
  m.st().final_hp_2 = 1000;
  m.run();
  EXPECT_EQ(m.box(kMentalMastery), "MP 1h: 1320 (+320)" + kCrlf + "MP 2h: 660 (+160)" + kCrlf);
  EXPECT_EQ(m.st().final_mp, 1320);
  EXPECT_EQ(m.st().final_mp_2, 660);
  EXPECT_EQ(m.box(kAgony), "HP->MP 1h: 50 -> 66" + kCrlf + "HP->MP 2h: 0 -> 0" + kCrlf);
  EXPECT_FALSE(m.usage_shown(kAgony));
}

TEST(MagicianReport, EnchantWeaponSwitchedOn) {
  Magician_ m;
  m.level(kEnchantWeapon, 3);  // fire 9-15, ice 7-11, light 6-12
  m.base(100, 120);
  m.on(kEnchantWeapon);
  m.run();
  EXPECT_EQ(m.st().final_atkpow_min, 106);
  EXPECT_EQ(m.st().final_atkpow_max, 132);
  EXPECT_EQ(m.st().final_atkpow_min_2, 106);
  EXPECT_EQ(m.st().final_atkpow_max_2, 132);
  EXPECT_EQ(m.box(kEnchantWeapon).substr(0, 23), "Fire AP 1h:  109 - 135\r");
}

TEST(MagicianReport, DancingSwordAndFireElementalFeedDamageOverTime) {
  Magician_ m;
  m.level(kDancingSword, 9);  // fire 38-54, ice 36-50, 20 hits
  m.level(kFireElemental, 1);  // 80-95
  m.weapons(Bow, Bow);
  m.st().weap_min_pow = 20;
  m.st().weap_max_pow = 30;
  m.on(kDancingSword);
  m.on(kFireElemental);
  m.run();
  EXPECT_EQ(m.st().dot_extra[5], 1360);
  EXPECT_EQ(m.st().dot_extra[6], 1925);
  EXPECT_EQ(m.box(kDancingSword), "Fire AP 1h: 58 - 84" + kCrlf + "Fire AP 2h: 38 - 54" + kCrlf + kCrlf +
                                      "Ice AP 1h: 56 - 80" + kCrlf + "Ice AP 2h: 36 - 50" + kCrlf + kCrlf +
                                      "Duration: 160" + kCrlf);
  for (int level : {1, 4, 5, 8}) {
    m.level(kDancingSword, level);
    m.run();
    const int hits = level <= 4 ? 12 : 15;
    const std::string ice = skill_value_text(108, 2, level);
    const int lo = std::stoi(ice.substr(0, 2)), hi = std::stoi(ice.substr(3, 2));
    EXPECT_EQ(m.st().dot_extra[5], (lo + 20 + hi + 30) * hits / 2) << level;
  }
  m.on(kDancingSword, false);
  m.on(kFireElemental, false);
  m.run();
  EXPECT_EQ(m.st().dot_extra[5], 0);
  EXPECT_EQ(m.st().dot_extra[6], 0);
}

TEST(MagicianReport, SpiritElementalThroughTheWindow) {
  Magician_ m;
  m.calc.user_select_row(Ctl::Select_class, Magician);
  m.calc.user_set_value(Ctl::stat_level, 60);
  m.calc.user_set_value(Ctl::stat_spirit, 100);
  m.calc.user_select_row(Ctl::Select_weapon, WandStaff);
  m.calc.user_set_text(Ctl::stat_weap_min_pow, "20");
  m.calc.user_set_text(Ctl::stat_weap_max_pow, "30");
  m.calc.user_set_value(slot_controls(kFireball).level, 1);
  m.calc.user_set_value(slot_controls(kSpiritElemental).level, 5);
  const std::string off = m.box(kFireball);
  EXPECT_EQ(off.substr(0, 19), "Atk-Pow 1h: 48 - 95");
  m.calc.user_click(slot_controls(kSpiritElemental).kind_img);
  EXPECT_EQ(m.box(kFireball).substr(0, 20), "Atk-Pow 1h: 52 - 104");
  EXPECT_EQ(m.st().magician_skill_value, 0.1);
  m.calc.user_click(slot_controls(kSpiritElemental).kind_img);
  EXPECT_EQ(m.box(kFireball), off);
  EXPECT_EQ(m.st().magician_skill_value, 0.0);
  EXPECT_EQ(m.calc.sheet.status_panel1, "OK");
}
