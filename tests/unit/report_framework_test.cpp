// The skill report framework: slot kinds, the Level and usage labels, the
// shared text blocks and number formats, and what every report does per slot.
#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"
#include "engine/startup.h"
#include "skills/report_framework.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Fixture {
  Fixture() : calc(NumberFormat::point(), {&dialogs, nullptr, nullptr}) { start_sheet(calc); }
  SilentDialogs dialogs;
  Calculator calc;
};

const std::string kCrlf = "\r\n";

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
  f.calc.Calc_skills();
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

TEST(ReportFramework, ClassesNotBuiltYetShowKindsAndUsageOnly) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Archer);
  f.calc.user_set_value(slot_controls(tier(1, 3)).level, 3);  // an active Archer slot
  for (int i = 0; i < kSlotCount; ++i) {
    const SlotControls& c = slot_controls(i);
    EXPECT_EQ(f.calc.sheet.text(c.info), "") << i;
    const SlotKind k = slot_kind(Archer, i);
    const std::string pic = k == SlotKind::Passive ? "passive.bmp" : k == SlotKind::Active ? "active.bmp" : "off.bmp";
    EXPECT_EQ(f.calc.sheet[c.kind_img].picture, pic) << i;
  }
  EXPECT_TRUE(f.calc.sheet[slot_controls(tier(1, 3)).mana].visible);
  EXPECT_FALSE(f.calc.sheet[slot_controls(tier(1, 2)).mana].visible);
}

