// Resetting the sheet, and passes over extreme inputs.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

using Sheet1 = TestSheet;

// Fills every input of the sheet with values far from the defaults.
void fill_everything(Calculator& calc, const std::string& value) {
  Sheet& sheet = calc.sheet;
  for (Ctl id : all_controls()) {
    const ControlKind kind = control_spec(id).kind;
    if (kind == ControlKind::TextBox || kind == ControlKind::NumberField) sheet.set_text(id, value);
    if (kind == ControlKind::CheckBox) sheet.set_checked(id, true);
  }
  sheet.set_row(Ctl::Select_weapon, 0);
  sheet.set_row(Ctl::Select_weapon_2, 1);
  sheet.set_row(Ctl::stat_weap_spd, 1);
  sheet.set_row(Ctl::stat_weap_spd_2, 0);
  sheet.set_row(Ctl::Select_ForceOrb, 3);
  sheet.set_picture(Ctl::img_set_armor, "Armor_03.bmp");
  sheet.set_picture(Ctl::img_set_ring2, "Ring_01.bmp");
  sheet.set_text(Ctl::lbl_filename, "knight.brk");
  for (int i = 0; i < 16; ++i) calc.state.skill_on[i] = 1;
  for (int i = 0; i < 8; ++i) {
    calc.state.cast_on_on[i] = i == 2 ? 0 : 1;
    sheet.set_picture(cast_on_controls(i).stat_img, "on.bmp");
    sheet.set_text(cast_on_controls(i).label, "enabled");
  }
}

}  // namespace

TEST(Reset, KnightAtLevel80) {
  Sheet1 s;
  s.calc.user_select_row(Ctl::Select_class, Knight);
  fill_everything(s.calc, "7");
  s.set(Ctl::stat_level, "80");
  s.calc.run_calculation(Ctl::MainForm);
  const auto passes = s.calc.passes();

  s.calc.user_click(Ctl::MainMenu_file_reset);
  EXPECT_EQ(s.calc.passes(), passes + 1);
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(s.calc.state.calc_ready, 1);
  EXPECT_TRUE(s.calc.attached(Ctl::stat_level));

  EXPECT_EQ(s.calc.class_row(), Knight);
  EXPECT_EQ(s.text(Ctl::stat_level), "1");
  EXPECT_EQ(s.text(Ctl::stat_strenght), "26");
  EXPECT_EQ(s.text(Ctl::stat_spirit), "13");
  EXPECT_EQ(s.text(Ctl::stat_talent), "17");
  EXPECT_EQ(s.text(Ctl::stat_agility), "19");
  EXPECT_EQ(s.text(Ctl::stat_health), "24");
  EXPECT_EQ(s.text(Ctl::Lbl_free_stat_points), "0");
  EXPECT_EQ(s.calc.sheet[Ctl::Lbl_free_stat_points].color, colors::green);
  // The class set-up stays.
  EXPECT_EQ(s.calc.sheet[Ctl::stat_health].min, 24);
  EXPECT_EQ(s.text(Ctl::chk_armor_is_right_spec), "Armor is KS");
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_Armor), 0);
  EXPECT_EQ(s.calc.sheet[Ctl::Select_Armor].rows.size(), 19u);
}

TEST(Reset, EveryInputBackToItsDefault) {
  Sheet1 s;
  s.calc.user_select_row(Ctl::Select_class, Priestess);
  fill_everything(s.calc, "9");
  s.calc.Reset();

  for (Ctl id : all_controls()) {
    const ControlSpec& info = control_spec(id);
    if (info.kind == ControlKind::TextBox) {
      EXPECT_EQ(s.text(id), "0") << info.name;
    }
    if (info.kind == ControlKind::CheckBox) {
      EXPECT_FALSE(s.calc.sheet.checked(id)) << info.name;
    }
  }
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(s.text(slot_controls(i).level), "0");
    EXPECT_EQ(s.calc.state.skill_on[i], 0);
  }
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(s.text(cast_on_controls(i).spin), "0");
    EXPECT_EQ(s.calc.state.cast_on_on[i], 0);
    EXPECT_EQ(s.calc.sheet[cast_on_controls(i).stat_img].picture, "off.bmp") << i;
    EXPECT_EQ(s.text(cast_on_controls(i).label), "disabled") << i;
  }
  for (Ctl picture : {Ctl::img_set_armor, Ctl::img_set_shield, Ctl::img_set_orb, Ctl::img_set_boots,
                      Ctl::img_set_gaunts, Ctl::img_set_armlets, Ctl::img_set_amulet, Ctl::img_set_ring1,
                      Ctl::img_set_ring2})
    EXPECT_EQ(s.calc.sheet[picture].picture, "");
  EXPECT_EQ(s.calc.sheet.row(Ctl::stat_weap_spd), 2);
  EXPECT_EQ(s.calc.sheet.row(Ctl::stat_weap_spd_2), 2);
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_weapon), 8);
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_weapon_2), 8);
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_ForceOrb), 0);
  EXPECT_EQ(s.text(Ctl::lbl_filename), "none");
  EXPECT_EQ(s.calc.state.quest_bonus, (std::array<std::int32_t, 8>{}));
}

TEST(Reset, WithoutAClassKeepsTheStatistics) {
  Sheet1 s;
  s.set(Ctl::stat_level, "50");
  s.set(Ctl::stat_strenght, "44");
  s.set(Ctl::stat_health, "12");
  s.calc.user_click(Ctl::MainMenu_file_reset);
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(s.text(Ctl::stat_level), "1");
  EXPECT_EQ(s.text(Ctl::stat_strenght), "44");
  EXPECT_EQ(s.text(Ctl::stat_health), "12");
}

TEST(Reset, UnarmedAndNoHitsAfterwards) {
  Sheet1 s;
  s.calc.user_select_row(Ctl::Select_class, Fighter);
  fill_everything(s.calc, "30");
  s.calc.user_click(Ctl::MainMenu_file_reset);
  // Formula H for both columns at level 1 with the start values.
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_atkpow), "4 - 5");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_atkpow_2), "4 - 5");
  for (Ctl label : {Ctl::Lbl_dot_1h_2, Ctl::Lbl_dot_1h_3, Ctl::Lbl_dot_2h_2, Ctl::Lbl_dot_2h_3})
    EXPECT_EQ(s.text(label), "0") << control_spec(label).name;
  EXPECT_EQ(s.text(Ctl::Lbl_dot_1h_1), "4.5");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_HP), "79");
  EXPECT_EQ(s.text(Ctl::Lbl_final_stat_abs), "2.48 (3)");
}

TEST(Reset, ModifiersEmptyTheQuestRewards) {
  Sheet1 s;
  s.calc.state.quest_bonus = {5, 1, 5, 1, 5, 2, 40, 15};
  s.calc.reset_modifers();
  EXPECT_EQ(s.calc.state.quest_bonus, (std::array<std::int32_t, 8>{}));
}

// Any 32-bit value in every box, level and statistics at the top of their
// range, every class and weapon kind: the pass completes.
TEST(ExtremeInputs, EveryBoxAtTheLimitsCompletesAPass) {
  for (const char* value : {"2147483647", "-2147483648"}) {
    for (int class_no = -1; class_no < 8; ++class_no) {
      for (int kind = 0; kind < 9; ++kind) {
        Sheet1 s;
        s.calc.sheet.set_row(Ctl::Select_class, class_no);
        fill_everything(s.calc, value);
        s.calc.sheet.set_row(Ctl::Select_weapon, kind);
        s.calc.sheet.set_row(Ctl::Select_weapon_2, 8 - kind);
        for (Ctl stat : {Ctl::stat_level, Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent,
                         Ctl::stat_agility, Ctl::stat_health})
          s.set(stat, "1000");
        for (int i = 0; i < 9; ++i) s.calc.state.dot_extra[i] = value[0] == '-' ? INT32_MIN : INT32_MAX;
        s.calc.run_calculation(Ctl::MainForm);
        EXPECT_EQ(s.calc.sheet.status_panel1, "OK") << value << " class " << class_no << " kind " << kind;
        EXPECT_FALSE(s.text(Ctl::Lbl_final_stat_atkpow).empty());
      }
    }
  }
}

TEST(ExtremeInputs, TypedValuesBeyondTheFieldsRange) {
  for (const char* value : {"2147483647", "-2147483648"}) {
    for (int class_no = -1; class_no < 8; ++class_no) {
      Sheet1 s;
      s.calc.sheet.set_row(Ctl::Select_class, class_no);
      fill_everything(s.calc, value);  // level, statistics and skill levels too
      s.calc.run_calculation(Ctl::MainForm);
      EXPECT_EQ(s.calc.sheet.status_panel1, "OK") << value << " class " << class_no;
      s.calc.Reset();
      EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
    }
  }
}

TEST(ExtremeInputs, HugeDecimalsAndEmptyBoxes) {
  Sheet1 s;
  s.calc.user_select_row(Ctl::Select_class, Magician);
  for (Ctl id : {Ctl::stat_armor_abs, Ctl::stat_robe_regen, Ctl::stat_orb_regen, Ctl::stat_boots_spd})
    s.set(id, "1e400");  // beyond a double: infinite once stored
  s.set(Ctl::stat_shield_abs, "-1e400");
  s.calc.run_calculation(Ctl::MainForm);
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");

  // An empty integer box reads as 0, an empty number field as its minimum.
  Sheet1 e;
  e.calc.user_select_row(Ctl::Select_class, Fighter);
  e.set(Ctl::stat_armor_def, "");
  e.calc.user_set_text(Ctl::stat_health, "");
  EXPECT_EQ(e.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(e.text(Ctl::Lbl_final_stat_HP), "79");
  EXPECT_EQ(e.text(Ctl::Lbl_final_stat_def), "15");
}
