// The recalculation entry: what a change starts, the toggles of timed skills
// and buffs, and how a failed pass is reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "engine/startup.h"

using namespace brennick;

namespace {

struct Fixture {
  explicit Fixture(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, &log, nullptr}) {
    start_sheet(calc);
  }
  SilentDialogs dialogs;
  RecordingLog log;
  Planner calc;
};

Ctl timed(int tier, int n) { return slot_controls((tier - 1) * 4 + n - 1).kind_img; }

}  // namespace

TEST(Pipeline, StartUpShowsZerosAndNoClass) {
  Fixture f;
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(f.calc.class_row(), -1);
  EXPECT_EQ(f.calc.sheet.text(Ctl::Select_class), "Select a Class");
  EXPECT_EQ(f.calc.sheet.value(Ctl::stat_level), 1);
  for (Ctl id : all_controls()) {
    if (control_spec(id).name.starts_with("Lbl_final_stat") || control_spec(id).name.starts_with("Lbl_dot")) {
      EXPECT_EQ(f.calc.sheet.text(id), "0") << control_spec(id).name;
    }
  }
  // The item lists hold their items but show no selection.
  EXPECT_EQ(f.calc.sheet[Ctl::Select_Shield].rows.size(), 18u);
  EXPECT_EQ(f.calc.sheet[Ctl::Select_Orb].rows.size(), 19u);
  EXPECT_EQ(f.calc.sheet[Ctl::Select_ring2].rows.size(), 19u);
  EXPECT_EQ(f.calc.sheet[Ctl::Select_ring2].rows[0], "none/manual input");
  EXPECT_EQ(f.calc.sheet.row(Ctl::Select_Shield), -1);
  EXPECT_EQ(f.calc.sheet.text(Ctl::Select_Shield), "Select a Shield");
  EXPECT_TRUE(f.calc.sheet[Ctl::Select_Armor].rows.empty()) << "the armour list follows the class";
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_EQ(f.calc.state.calc_ready, 0);
  // Handlers are attached from the start, although no pass has run.
  EXPECT_TRUE(f.calc.attached(Ctl::stat_health));
}

TEST(Pipeline, OneUserChangeRunsExactlyOnePass) {
  Fixture f;
  f.calc.user_set_text(Ctl::stat_health, "30");
  EXPECT_EQ(f.calc.passes(), 1u);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  f.calc.user_set_text(Ctl::stat_health, "30");  // no change, no pass
  EXPECT_EQ(f.calc.passes(), 1u);
  f.calc.user_select_row(Ctl::Select_class, 0);
  f.calc.user_set_checked(Ctl::level_30_done, true);
  f.calc.user_click(Ctl::MainMenu_file_reset);
  EXPECT_EQ(f.calc.passes(), 4u) << "the reset runs one pass of its own";
}

TEST(Pipeline, ControlsThatStartNoPass) {
  Fixture f;
  f.calc.user_click(Ctl::img_castOn_stat_3);  // disabled, no switch
  f.calc.user_click(Ctl::Lbl_final_stat_HP);  // a label starts nothing
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_EQ(f.calc.state.cast_on_on[2], 0);
  EXPECT_EQ(f.calc.sheet[Ctl::img_castOn_stat_3].picture, "off.bmp");
}

TEST(Pipeline, TimedSkillTogglesAndMechanicianExclusions) {
  Fixture f;
  f.calc.sheet.set_row(Ctl::Select_class, Mechanician);
  f.calc.user_click(timed(3, 4));  // Spark Shield on
  EXPECT_EQ(f.calc.state.skill_on[11], 1);
  f.calc.user_click(timed(1, 1));  // Extreme Shield on, Spark Shield off
  EXPECT_EQ(f.calc.state.skill_on[0], 1);
  EXPECT_EQ(f.calc.state.skill_on[11], 0);
  f.calc.user_click(timed(1, 1));  // only Extreme Shield off
  EXPECT_EQ(f.calc.state.skill_on[0], 0);
  EXPECT_EQ(f.calc.state.skill_on[11], 0);
  EXPECT_EQ(f.calc.sheet[timed(1, 1)].picture, "off.bmp");
  EXPECT_EQ(f.calc.sheet[timed(1, 1)].hint, "This is a Timed skill and Disabled!");
  f.calc.user_click(timed(2, 2));
  f.calc.user_click(timed(2, 3));
  EXPECT_EQ(f.calc.state.skill_on[5], 0);
  EXPECT_EQ(f.calc.state.skill_on[6], 1);
}

TEST(Pipeline, ExclusionsBelongToTheirClassOnly) {
  struct Case {
    int class_no;
    int first, second;  // slot indices clicked in this order
    bool first_stays_on;
  };
  const Case cases[] = {
      {Knight, 9, 13, false},   {Knight, 13, 9, false},  {Atalanta, 9, 12, false}, {Atalanta, 12, 9, false},
      {Fighter, 0, 11, true},   {Atalanta, 9, 13, true}, {Knight, 9, 12, true},    {-1, 0, 11, true},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.calc.sheet.set_row(Ctl::Select_class, c.class_no);
    f.calc.user_click(slot_controls(c.first).kind_img);
    f.calc.user_click(slot_controls(c.second).kind_img);
    EXPECT_EQ(f.calc.state.skill_on[c.second], 1);
    EXPECT_EQ(f.calc.state.skill_on[c.first], c.first_stays_on ? 1 : 0)
        << "class " << c.class_no << " slots " << c.first << "/" << c.second;
  }
}

TEST(Pipeline, BuffSwitchesWithTheValhallaExclusion) {
  Fixture f;
  f.calc.user_click(Ctl::img_castOn_stat_6);
  EXPECT_EQ(f.calc.state.cast_on_on[5], 1);
  EXPECT_EQ(f.calc.sheet.text(Ctl::lbl_castOn_6), "enabled");
  EXPECT_EQ(f.calc.sheet[Ctl::img_castOn_stat_6].picture, "on.bmp");
  f.calc.user_click(Ctl::img_castOn_stat_5);  // 5 on, 6 off
  EXPECT_EQ(f.calc.state.cast_on_on[4], 1);
  EXPECT_EQ(f.calc.state.cast_on_on[5], 0);
  EXPECT_EQ(f.calc.sheet.text(Ctl::lbl_castOn_6), "disabled");
  EXPECT_EQ(f.calc.sheet[Ctl::img_castOn_stat_6].picture, "off.bmp");
  f.calc.user_click(Ctl::img_castOn_stat_5);  // 5 off, 6 stays off
  EXPECT_EQ(f.calc.state.cast_on_on[4], 0);
  EXPECT_EQ(f.calc.state.cast_on_on[5], 0);
  f.calc.user_click(Ctl::img_castOn_stat_1);
  f.calc.user_click(Ctl::img_castOn_stat_8);
  EXPECT_EQ(f.calc.state.cast_on_on[0], 1);
  EXPECT_EQ(f.calc.state.cast_on_on[7], 1);
}

TEST(Pipeline, BadDecimalBoxStopsThePassAndIsReported) {
  Fixture f;
  f.calc.user_set_text(Ctl::stat_armor_abs, "1,5");  // a comma under a point locale
  EXPECT_EQ(f.calc.sheet.status_panel1, "'1,5' is not a valid floating point value");
  EXPECT_EQ(f.calc.state.calc_ready, 1) << "the sheet is live again";
  EXPECT_TRUE(f.calc.attached(Ctl::stat_health));
  EXPECT_EQ(f.calc.passes(), 0u);
  ASSERT_EQ(f.log.lines.size(), 1u);
  EXPECT_EQ(f.log.lines[0].message, "'1,5' is not a valid floating point value");
  EXPECT_EQ(f.log.lines[0].owner, "TabSheet7");
  EXPECT_EQ(f.log.lines[0].detail, "stat_armor_abs");

  // A gem box reports its group as owner.
  f.calc.user_set_text(Ctl::stat_armor_abs, "0");
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  f.calc.user_set_text(Ctl::stat_weap_MP_regen, "");
  EXPECT_EQ(f.log.lines.back().owner, "TabSheet5");
  // Leaving the box puts "0" back, which recalculates.
  const auto before = f.calc.passes();
  f.calc.user_leave(Ctl::stat_weap_MP_regen);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_weap_MP_regen), "0");
  EXPECT_EQ(f.calc.passes(), before + 1);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
}

TEST(Pipeline, TogglesOfAFailedPassStayDone) {
  Fixture f;
  f.calc.sheet.set_text(Ctl::stat_other_abs, "x");
  f.calc.user_click(Ctl::img_castOn_stat_2);
  EXPECT_EQ(f.calc.state.cast_on_on[1], 1);
  EXPECT_NE(f.calc.sheet.status_panel1, "OK");
}

TEST(Pipeline, BothSeparatorsConvertTheirOwnDecimals) {
  Fixture comma(NumberFormat::comma());
  comma.calc.user_set_text(Ctl::stat_armor_abs, "1,5");
  EXPECT_EQ(comma.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(comma.calc.state.armor_abs, 1.5);
  EXPECT_EQ(comma.calc.state.locale_decimal_comma, 1);
  comma.calc.user_set_text(Ctl::stat_armor_abs, "1.5");
  EXPECT_EQ(comma.calc.sheet.status_panel1, "'1.5' is not a valid floating point value");
}

TEST(Pipeline, IntegerChecksPutZeroBack) {
  Fixture f;
  f.calc.user_set_text(Ctl::stat_armor_def, "abc");  // reads as 0, silently
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(f.calc.state.armor_def, 0);
  f.calc.user_leave(Ctl::stat_armor_def);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_armor_def), "0");
  for (const char* bad : {"2.5", "-2147483648", ""}) {
    f.calc.sheet.set_text(Ctl::stat_shield_def, bad);
    f.calc.user_leave(Ctl::stat_shield_def);
    EXPECT_EQ(f.calc.sheet.text(Ctl::stat_shield_def), "0") << bad;
  }
  f.calc.sheet.set_text(Ctl::stat_shield_def, "-2147483647");
  f.calc.user_leave(Ctl::stat_shield_def);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_shield_def), "-2147483647");
  // The armlets' rating box has no check.
  f.calc.sheet.set_text(Ctl::stat_armlets_rtg, "abc");
  f.calc.user_leave(Ctl::stat_armlets_rtg);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_armlets_rtg), "abc");
}

TEST(Pipeline, EquipmentBoxesFeedTheState) {
  Fixture f;
  f.calc.sheet.set_text(Ctl::stat_weap_min_pow_2, "12");
  f.calc.sheet.set_text(Ctl::stat_gem_STM_2, "-3");
  f.calc.sheet.set_text(Ctl::stat_rings_HP_2, "7x");
  f.calc.sheet.set_text(Ctl::stat_boots_abs, " 2.25 ");
  f.calc.run_calculation(Ctl::MainForm);
  EXPECT_EQ(f.calc.state.weap_min_pow_2, 12);
  EXPECT_EQ(f.calc.state.gem_stm_2, -3);
  EXPECT_EQ(f.calc.state.rings_hp_2, 0);
  EXPECT_EQ(f.calc.state.boots_abs, 2.25);
}

TEST(Pipeline, NumberFieldsTakeTheirRangeWhenLeft) {
  Fixture f;
  f.calc.user_set_text(Ctl::stat_level, "2000");  // read as typed until left
  EXPECT_EQ(f.calc.sheet.value(Ctl::stat_level), 2000);
  f.calc.user_leave(Ctl::stat_level);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_level), "1000");
  f.calc.user_set_text(Ctl::skill_level_2_2, "-4");
  f.calc.user_leave(Ctl::skill_level_2_2);
  EXPECT_EQ(f.calc.sheet.text(Ctl::skill_level_2_2), "0");
  f.calc.user_set_text(Ctl::stat_health, "x");  // not an integer: the minimum
  f.calc.user_leave(Ctl::stat_health);
  EXPECT_EQ(f.calc.sheet.text(Ctl::stat_health), "0");
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
}
