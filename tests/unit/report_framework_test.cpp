// The skill report framework: slot kinds, the Level and usage labels, the
// shared text blocks and number formats, and what every report does per slot.
#include <gtest/gtest.h>

#include <string>

#include "pipeline/planner.h"
#include "engine/startup.h"
#include "skills/report_framework.h"
#include "skills/skill_steps.h"
#include "tests/unit/report_fixture.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

// No class selected.
struct Fixture : ReportFixture {
  Fixture() : ReportFixture(-1) {}
};

}  // namespace

TEST(ReportFramework, KindTable) {
  EXPECT_EQ(slot_kind(Fighter, tier(1, 1)), SlotKind::Passive);
  EXPECT_EQ(slot_kind(Fighter, tier(4, 4)), SlotKind::Passive);
  EXPECT_EQ(slot_kind(Fighter, tier(4, 2)), SlotKind::Timed);
  EXPECT_EQ(slot_kind(Fighter, tier(1, 3)), SlotKind::Active);
  EXPECT_EQ(slot_kind(Mechanician, tier(4, 4)), SlotKind::Timed);
  EXPECT_EQ(slot_kind(Priestess, tier(2, 1)), SlotKind::Passive);
  // Passive and timed counts per class.
  const int passive[] = {3, 3, 3, 2, 1, 2, 1, 1};
  const int timed[] = {3, 5, 2, 9, 4, 6, 7, 4};
  for (int c = 0; c < kClassCount; ++c) {
    int p = 0, t = 0;
    for (int i = 0; i < kSlotCount; ++i) {
      p += slot_kind(c, i) == SlotKind::Passive;
      t += slot_kind(c, i) == SlotKind::Timed;
    }
    EXPECT_EQ(p, passive[c]) << c;
    EXPECT_EQ(t, timed[c]) << c;
  }
}

TEST(ReportFramework, PassiveSlotsAreTheSingleRowSkills) {
  const SkillCatalog& cat = skill_catalog();
  for (int c = 0; c < kClassCount; ++c)
    for (int i = 0; i < kSlotCount; ++i)
      EXPECT_EQ(slot_kind(c, i) == SlotKind::Passive, cat.row_count(skill_number(c, i)) == 1)
          << kClassNames[c] << " " << slot_name(i);
}

TEST(ReportFramework, WeaponSets) {
  constexpr WeaponSet set{Axe, Sword};
  EXPECT_TRUE(set.has(Axe));
  EXPECT_TRUE(set.has(Sword));
  EXPECT_FALSE(set.has(Bow));
  EXPECT_FALSE(set.has(-1));
  EXPECT_FALSE(set.has(NoWeapon));
  constexpr WeaponSet with_none{Axe, NoWeapon};
  EXPECT_FALSE(with_none.has(NoWeapon));
}

TEST(ReportFramework, TextBlocks) {
  const Pairs p{{1, 2}, {-3, 40}};
  EXPECT_EQ(attack_block(p), "Atk-Pow 1h: 1 - 2" + kCrlf + "Atk-Pow 2h: -3 - 40");
  EXPECT_EQ(rating_block(500, 25, 600, 0), "Atk-Rtg 1h: 525 (+25)" + kCrlf + "Atk-Rtg 2h: 600 (+0)");
  EXPECT_EQ(rating_block(500, std::string("120"), 600, std::string("0")),
            "Atk-Rtg 1h: 620 (+120)" + kCrlf + "Atk-Rtg 2h: 600 (+0)");
  EXPECT_EQ(critical_block(10, 4, 12, 0), "Critical 1h: 14 % (+4)" + kCrlf + "Critical 2h: 12 % (+0)");
  EXPECT_EQ(groups({"a", "b", "c"}), "a" + kCrlf + kCrlf + "b" + kCrlf + kCrlf + "c");
  EXPECT_EQ(lines({"a", "b"}), "a" + kCrlf + "b");
  EXPECT_EQ(pair_lines("to Demon", p), "to Demon 1h: 1 - 2" + kCrlf + "to Demon 2h: -3 - 40");
}

TEST(ReportFramework, NumberFormats) {
  EXPECT_EQ(num(-12), "-12");
  EXPECT_EQ(real(6.34, NumberFormat::point()), "6.34");
  EXPECT_EQ(real(6.34, NumberFormat::comma()), "6,34");
  EXPECT_EQ(real(6.0, NumberFormat::point()), "6");
  EXPECT_DOUBLE_EQ(round_abs(12.3456L), 12.35);
  EXPECT_DOUBLE_EQ(round_abs(0.125L), 0.12);  // half to even
  EXPECT_EQ(floor_of(-0.5L), -1);
}

TEST(ReportFramework, LevelLabel) {
  Fixture f;
  const Ctl label = slot_controls(0).levelreg;
  show_level_req(f.calc.sheet, label, 1, 0);
  EXPECT_EQ(f.calc.sheet.text(label), "Level 10");
  show_level_req(f.calc.sheet, label, 1, 1);
  EXPECT_EQ(f.calc.sheet.text(label), "Level 10");
  show_level_req(f.calc.sheet, label, 1, 10);
  EXPECT_EQ(f.calc.sheet.text(label), "Level 28");
  show_level_req(f.calc.sheet, slot_controls(15).levelreg, 16, 10);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(15).levelreg), "Level 88");
}

TEST(ReportFramework, UsageLabel) {
  Fixture f;
  const Ctl label = slot_controls(tier(1, 3)).mana;
  f.calc.state.final_mp = 500;
  f.calc.state.final_mp_2 = 433;
  // Raving (skill 3) costs 14 at level 1 (row 4).
  calc_skill_usage(f.calc, 3, 1, label, 4);
  EXPECT_TRUE(f.calc.sheet[label].visible);
  EXPECT_EQ(f.calc.sheet.text(label), "35 / 30");
  calc_skill_usage(f.calc, 0, 0, label, 0);
  EXPECT_FALSE(f.calc.sheet[label].visible);
  EXPECT_EQ(f.calc.sheet.text(label), "");
  calc_skill_usage(f.calc, 3, 0, label, 4);
  EXPECT_FALSE(f.calc.sheet[label].visible);
}

TEST(ReportFramework, MpRows) {
  EXPECT_EQ(mp_row_of(3), 4);
  EXPECT_EQ(mp_row_of(4), 3);
  EXPECT_EQ(mp_row_of(15), 5);
  EXPECT_EQ(mp_row_of(1), 0);
}

TEST(ReportFramework, NoClassLeavesTheBoxes) {
  Fixture f;
  f.calc.sheet.set_text(slot_controls(0).info, "kept");
  Calc_skills(f.calc);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(0).info), "kept");
}

TEST(ReportFramework, SlotRunsBodyOnlyForLearnedLevels) {
  Fixture f;
  f.calc.sheet.set_row(Ctl::Select_class, Fighter);
  f.calc.sheet.set_value(slot_controls(tier(2, 3)).level, 2);
  f.calc.sheet.set_text(slot_controls(tier(2, 4)).info, "old");
  ReportRun run(f.calc);
  int bodies = 0, zeros = 0;
  run.slot(tier(2, 3), kHiddenUsage, [&](Slot& s) {
    ++bodies;
    EXPECT_EQ(s.skill(), 7);
    EXPECT_EQ(s.level(), 2);
    s.add("one");
    s.add("two");
  }, [&](Slot&) { ++zeros; });
  run.slot(tier(2, 4), 3, [&](Slot&) { ++bodies; }, [&](Slot&) { ++zeros; });
  EXPECT_EQ(bodies, 1);
  EXPECT_EQ(zeros, 1);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(tier(2, 3)).info), "one" + kCrlf + "two" + kCrlf);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(tier(2, 4)).info), "") << "emptied at level 0";
  EXPECT_EQ(f.calc.sheet[slot_controls(tier(2, 3)).kind_img].picture, "active.bmp");
}

TEST(ReportFramework, EveryClassAtLevelZeroShowsKindPicturesAndHidesUsage) {
  for (int class_no = 0; class_no < kClassCount; ++class_no) {
    Fixture f;
    f.calc.user_select_row(Ctl::Select_class, class_no);
    for (int i = 0; i < kSlotCount; ++i) {
      const SlotControls& c = slot_controls(i);
      const SlotKind k = slot_kind(class_no, i);
      const std::string pic = k == SlotKind::Passive ? "passive.bmp" : k == SlotKind::Active ? "active.bmp" : "off.bmp";
      EXPECT_EQ(f.calc.sheet[c.kind_img].picture, pic) << class_no << " " << i;
      EXPECT_FALSE(f.calc.sheet[c.mana].visible) << class_no << " " << i;
    }
  }
}


TEST(ReportFramework, StateValuesPerColumnThroughOneTable) {
  CalcState s;
  s.final_rtg = 500;
  s.final_rtg_2 = 600;
  s.final_abs = 12.5;
  s.final_eva = 7;
  EXPECT_EQ(at(s, kRating, OneHand), 500);
  EXPECT_EQ(at(s, kRating, TwoHand), 600);
  add_to_both(s, kRating, 25);
  EXPECT_EQ(s.final_rtg, 525);
  EXPECT_EQ(s.final_rtg_2, 625);
  add_to_both(s, kAbsorption, -6);
  EXPECT_DOUBLE_EQ(s.final_abs, 6.5);
  EXPECT_DOUBLE_EQ(s.final_abs_2, -6.0);
  // The evasion is one value for both columns.
  at(s, kEvasion, TwoHand) = 14;
  EXPECT_EQ(s.final_eva, 14);
  set_both(s, kBlock, PerColumn<std::int32_t>{10, 20});
  EXPECT_EQ(s.final_blk, 10);
  EXPECT_EQ(s.final_blk_2, 20);
  for (Column c : kColumns) at(s, kMpRegen, c) = 2.5;
  EXPECT_DOUBLE_EQ(s.final_mp_regen_2, 2.5);
  // Every value of the table reaches its own member.
  at(s, kCritical, TwoHand) = 3;
  at(s, kDefence, OneHand) = 4;
  at(s, kHP, TwoHand) = 5;
  at(s, kMP, OneHand) = 6;
  at(s, kStamina, TwoHand) = 8;
  EXPECT_EQ(s.final_crit_2, 3);
  EXPECT_EQ(s.final_def, 4);
  EXPECT_EQ(s.final_hp_2, 5);
  EXPECT_EQ(s.final_mp, 6);
  EXPECT_EQ(s.final_stm_2, 8);
}

TEST(ReportFramework, AttackPowerPairs) {
  CalcState s;
  set_attack_power(s, {{100, 120}, {200, 240}});
  EXPECT_EQ(s.final_atkpow_min, 100);
  EXPECT_EQ(s.final_atkpow_max_2, 240);
  set_attack_power(s, TwoHand, {1, 2});
  EXPECT_EQ(s.final_atkpow_min_2, 1);
  EXPECT_EQ(s.final_atkpow_max, 120);
  EXPECT_EQ(raised_by(attack_power(s), 7), (Pairs{{107, 127}, {8, 9}}));
}

TEST(ReportFramework, RangesSplitByCharacterCounts) {
  const Range falcon = split_range("10-36", 2, 2);
  EXPECT_EQ(falcon.lo, 10);
  EXPECT_EQ(falcon.hi, 36);
  // "Left(r, 1) if r has 4 characters, else Left(r, 2)".
  const Chars lo = Chars::if_length(4, 1, 2);
  EXPECT_EQ(split_range("3-20", lo, 2).lo, 3);
  EXPECT_EQ(split_range("11-48", lo, 2).lo, 11);
  // "Right(r, 2) if r has 5 characters, else Right(r, 3)".
  const Chars hi = Chars::if_length(5, 2, 3);
  EXPECT_EQ(split_range("50-75", 2, hi).hi, 75);
  EXPECT_EQ(split_range("95-120", 2, hi).hi, 120);
  // "Left(t, 3) if the length is above 6, else Left(t, 2)".
  const Chars above = Chars::above_length(6, 3, 2);
  EXPECT_EQ(split_range("100-130", above, 3).lo, 100);
  EXPECT_EQ(split_range("90-130", above, 3).lo, 90);
  // The texts are kept as they are read.
  const Range one = split_range("3-4", 1, 1);
  EXPECT_EQ(one.lo_text, "3");
  EXPECT_EQ(one.hi_text, "4");
  EXPECT_EQ(Range::zero().lo, 0);
  EXPECT_EQ(Range::zero().hi_text, "0");
  // A split that lands on the dash is not a number.
  EXPECT_THROW(split_range("5-27", 2, 2), ConversionError);
}

TEST(ReportFramework, PetsPerMinute) {
  EXPECT_EQ(pet_per_minute(10, 36, kPetHits), 506);
  EXPECT_EQ(pet_per_minute(40, 70, 8), 440);
  EXPECT_EQ(pet_per_minute(94, 115, 15), 1567);  // floor of 1567.5
  EXPECT_EQ(pet_per_minute(0, 0, kPetHits), 0);
}

TEST(ReportFramework, SlotPiecesForEveryClass) {
  // Pike Wind (Pikeman tier1_1, skill 33) at level 1: "3-20+lv/5".
  ReportFixture f(Pikeman);
  f.level(tier(1, 1), 1);
  f.stat(Ctl::stat_level, 52);
  ReportRun run(f.calc);
  run.slot(tier(1, 1), 3, [&](Slot& s) {
    EXPECT_EQ(s.T(1), "3-20+lv/5");
    EXPECT_EQ(s.T(1, "+lv/5"), "3-20");
    EXPECT_EQ(s.T(65, 1, 1, "+lv/5"), "4-20");
    EXPECT_EQ(s.character_level(), 52);
    const Range r = split_range(s.T(1, "+lv/5"), Chars::if_length(4, 1, 2), 2);
    EXPECT_EQ(r.lo, 3);
    EXPECT_EQ(r.hi, 20);
  });
}

TEST(ReportFramework, SpellPairsOnSpiritBoost) {
  // Fireball (Magician tier1_4, skill 100) at level 1, "16-40", with a Wand
  // of 20 - 30 in the 1h column and Spirit 100.
  ReportFixture f(Magician);
  f.level(tier(1, 4), 1);
  f.weapons(WandStaff, Sword);
  f.weapon_power(20, 30);
  f.stat(Ctl::stat_spirit, 100);
  constexpr WeaponSet kWand{WandStaff};
  Pairs plain, spell, no_spirit, with_elemental;
  ReportRun run(f.calc);
  const auto body = [&](Slot& s) {
    const Range r = s.range(1, 2, 2);
    plain = s.plain_pairs(kWand, r);
    spell = s.spell_pairs(kWand, r, 1);
    no_spirit = s.spell_pairs(kWand, r, 1, false);
  };
  run.slot(tier(1, 4), 4, body);
  EXPECT_EQ(plain, (Pairs{{36, 70}, {0, 0}}));
  EXPECT_EQ(spell, (Pairs{{48, 95}, {0, 0}}));  // + Spirit div 8, + Spirit div 4
  EXPECT_EQ(no_spirit, (Pairs{{36, 70}, {0, 0}}));
  // With Spirit Elemental's 0.10: 48 + 4 and 95 + 9.
  f.st().magician_skill_value = 0.10;
  run.slot(tier(1, 4), 4, [&](Slot& s) { with_elemental = s.spell_pairs(kWand, s.range(1, 2, 2), 1); });
  EXPECT_EQ(with_elemental, (Pairs{{52, 104}, {0, 0}}));
  // Three hits multiply each end.
  run.slot(tier(1, 4), 4, [&](Slot& s) { with_elemental = s.spell_pairs(kWand, s.range(1, 2, 2), 3); });
  EXPECT_EQ(with_elemental.one, (Pair{156, 312}));
}

TEST(ReportFramework, PetEntriesFollowTheSwitch) {
  ReportFixture f(Archer);
  f.level(tier(2, 2), 1);
  f.st().dot_extra[kFalconDamage] = 99;
  ReportRun run(f.calc);
  run.slot(tier(2, 2), kHiddenUsage, [](Slot& s) { s.pet(kFalconDamage, 506); });
  EXPECT_EQ(f.st().dot_extra[kFalconDamage], 0) << "switched off";
  f.on(tier(2, 2));
  run.slot(tier(2, 2), kHiddenUsage, [](Slot& s) { s.pet(kFalconDamage, 506); });
  EXPECT_EQ(f.st().dot_extra[kFalconDamage], 506);
  f.level(tier(2, 2), 0);
  ReportRun at_zero(f.calc);
  at_zero.slot(tier(2, 2), kHiddenUsage, {}, clear_pet<kFalconDamage>);
  EXPECT_EQ(f.st().dot_extra[kFalconDamage], 0);
}

TEST(ReportFramework, OneReportPerClass) {
  for (int c = 0; c < kClassCount; ++c) EXPECT_NE(kClassReports[c], nullptr) << kClassNames[c];
  EXPECT_EQ(kClassReports[Fighter], &fighter_report);
}
