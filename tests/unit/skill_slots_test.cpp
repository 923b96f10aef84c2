// Skill slots: the kind pictures, the timed switches of passive slots and
// the Level labels of a pass.
#include <gtest/gtest.h>

#include <string>

#include "pipeline/planner.h"
#include "engine/startup.h"
#include "skills/report_framework.h"
#include "skills/skill_steps.h"

using namespace brennick;
using namespace brennick::skills;

namespace {

struct Fixture {
  Fixture() : calc(NumberFormat::point(), {&dialogs, nullptr, nullptr}) { start_sheet(calc); }
  SilentDialogs dialogs;
  Planner calc;
};

}  // namespace

TEST(SkillSlots, PassiveFlagFlipsAndCountsAfterAClassChange) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  const Ctl img = slot_controls(tier(1, 1)).kind_img;  // passive for the Fighter
  f.calc.user_click(img);
  EXPECT_EQ(f.calc.state.skill_on[0], 1);
  EXPECT_EQ(f.calc.sheet[img].picture, "passive.bmp") << "the report puts the passive picture back";
  f.calc.user_select_row(Ctl::Select_class, Archer);  // tier1_1 is timed for the Archer
  EXPECT_EQ(f.calc.state.skill_on[0], 1);
  EXPECT_EQ(f.calc.sheet[img].picture, "on.bmp");
  EXPECT_EQ(f.calc.sheet[img].hint, "This is a Timed skill and Enabled!");
}

TEST(SkillSlots, SetSkillTypeKinds) {
  Fixture f;
  const Ctl img = slot_controls(5).kind_img;
  set_skill_type(f.calc, 5, 1);
  EXPECT_EQ(f.calc.sheet[img].picture, "passive.bmp");
  EXPECT_EQ(f.calc.sheet[img].hint, "This is a passive skill.");
  set_skill_type(f.calc, 5, 2);
  EXPECT_EQ(f.calc.sheet[img].hint, "This is a Active skill.");
  set_skill_type(f.calc, 5, 4);
  EXPECT_EQ(f.calc.sheet[img].picture, "off.bmp");
  set_skill_type(f.calc, 5, 5);
  EXPECT_EQ(f.calc.sheet[img].picture, "off.bmp") << "an unknown kind changes nothing";
  set_skill_type(f.calc, 5, 0);
  EXPECT_EQ(f.calc.sheet[img].picture, "off.bmp");
}

TEST(SkillSlots, LevelLabelsOfThePass) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  f.calc.user_set_value(slot_controls(0).level, 10);
  f.calc.user_set_value(slot_controls(15).level, 10);
  EXPECT_EQ(f.calc.sheet.text(slot_controls(0).levelreg), "Level 28");
  EXPECT_EQ(f.calc.sheet.text(slot_controls(15).levelreg), "Level 88");
  EXPECT_EQ(f.calc.sheet.text(slot_controls(1).levelreg), "Level 12");
}
