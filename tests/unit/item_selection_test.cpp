// Choosing items in the nine item lists: the boxes, pictures and hints they
// write, the armour/robe switch by class, rows no table has, and one pass
// per choice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/item_tables.h"
#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "engine/item_lists.h"
#include "engine/startup.h"
#include "equipment/item_selection.h"

using namespace brennick;
namespace fs = std::filesystem;

namespace {

struct Fixture {
  explicit Fixture(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, &log, nullptr}) {
    start_sheet(calc);
  }
  void choose_class(int c) { calc.user_select_row(Ctl::Select_class, c); }
  const std::string& text(Ctl id) const { return calc.sheet.text(id); }
  const std::string& picture(Ctl id) const { return calc.sheet[id].picture; }
  const std::string& hint(Ctl id) const { return calc.sheet[id].hint; }

  SilentDialogs dialogs;
  RecordingLog log;
  Planner calc;
};

}  // namespace

TEST(ItemSelection, BattleSuitForAFighter) {
  Fixture f;
  f.choose_class(Fighter);
  f.calc.sheet.set_text(Ctl::stat_robe_regen, "0.7");
  const auto passes = f.calc.passes();
  f.calc.user_select_row(Ctl::Select_Armor, 1);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "12");
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "0.9");
  EXPECT_EQ(f.text(Ctl::stat_armor_spec_def), "10");
  EXPECT_EQ(f.text(Ctl::stat_armor_spec_abs), "0.2");
  EXPECT_EQ(f.text(Ctl::stat_robe_regen), "0.7") << "an armour leaves the robe's regeneration alone";
  EXPECT_EQ(f.picture(Ctl::img_set_armor), "Armor_01.bmp");
  EXPECT_EQ(f.hint(Ctl::img_set_armor), "Battle Suit");
  EXPECT_EQ(f.calc.passes(), passes + 1) << "one choice, one pass";
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(f.calc.state.armor_def, 12) << "the pass has read the new boxes";
}

TEST(ItemSelection, DoomArmorLoadsTheTwoDigitPicture) {
  Fixture f;
  f.choose_class(Knight);
  f.calc.user_select_row(Ctl::Select_Armor, 18);
  EXPECT_EQ(f.text(Ctl::Select_Armor), "Doom Armor");
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "330");
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "14.2");
  EXPECT_EQ(f.text(Ctl::stat_armor_spec_def), "47");
  EXPECT_EQ(f.text(Ctl::stat_armor_spec_abs), "1.4");
  EXPECT_EQ(f.picture(Ctl::img_set_armor), "Armor_18.bmp");
  EXPECT_EQ(f.hint(Ctl::img_set_armor), "Doom Armor");
}

TEST(ItemSelection, PictureNamesHaveTwoDigits) {
  EXPECT_EQ(item_picture_name(Ctl::Select_Shield, 9), "Shield_09.bmp");
  EXPECT_EQ(item_picture_name(Ctl::Select_Shield, 10), "Shield_10.bmp");
  EXPECT_EQ(item_picture_name(Ctl::Select_armlets, 1), "Armlet_01.bmp");
  EXPECT_EQ(item_picture_name(Ctl::Select_amulet, 18), "Amulet_18.bmp");
  EXPECT_EQ(item_picture_name(Ctl::Select_Armor, 10, true), "Robe_10.bmp");
  EXPECT_EQ(item_picture_name(Ctl::Select_Orb, 0), "");
  EXPECT_EQ(item_picture_name(Ctl::Select_Orb, -1), std::nullopt);
  EXPECT_EQ(item_picture_name(Ctl::Select_Shield, kShieldRows + 1), std::nullopt);
  EXPECT_EQ(item_picture_name(Ctl::Select_Orb, kOrbRows), "Orb_18.bmp");
  EXPECT_EQ(item_picture_name(Ctl::stat_level, 1), std::nullopt);

  Fixture f;
  f.choose_class(Fighter);
  const std::vector<std::pair<Ctl, Ctl>> lists = {
      {Ctl::Select_Armor, Ctl::img_set_armor},     {Ctl::Select_Shield, Ctl::img_set_shield},
      {Ctl::Select_Orb, Ctl::img_set_orb},         {Ctl::Select_Boots, Ctl::img_set_boots},
      {Ctl::Select_Gaunts, Ctl::img_set_gaunts},   {Ctl::Select_armlets, Ctl::img_set_armlets},
      {Ctl::Select_amulet, Ctl::img_set_amulet},   {Ctl::Select_ring1, Ctl::img_set_ring1},
      {Ctl::Select_ring2, Ctl::img_set_ring2}};
  const std::vector<std::string> expected = {"Armor_10.bmp",  "Shield_10.bmp", "Orb_10.bmp",
                                             "Boots_10.bmp",  "Gaunts_10.bmp", "Armlet_10.bmp",
                                             "Amulet_10.bmp", "Ring_10.bmp",   "Ring_10.bmp"};
  for (std::size_t i = 0; i < lists.size(); ++i) {
    f.calc.user_select_row(lists[i].first, 10);
    EXPECT_EQ(f.picture(lists[i].second), expected[i]) << control_spec(lists[i].first).name;
    EXPECT_EQ(f.hint(lists[i].second), f.calc.sheet[lists[i].first].rows[10]);
  }
}

TEST(ItemSelection, NoneWritesZerosAndClearsThePicture) {
  Fixture f;
  f.choose_class(Fighter);
  f.calc.user_select_row(Ctl::Select_Shield, 2);
  EXPECT_EQ(f.text(Ctl::stat_shield_def), "18");
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "Shield_02.bmp");
  f.calc.user_select_row(Ctl::Select_Shield, 0);
  for (Ctl box : {Ctl::stat_shield_def, Ctl::stat_shield_abs, Ctl::stat_shield_blk, Ctl::stat_shield_spec_def,
                  Ctl::stat_shield_spec_abs, Ctl::stat_shield_spec_blk})
    EXPECT_EQ(f.text(box), "0") << control_spec(box).name;
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "");
  EXPECT_EQ(f.hint(Ctl::img_set_shield), "none/manual input");

  f.calc.user_select_row(Ctl::Select_Armor, 3);
  f.calc.user_select_row(Ctl::Select_Armor, 0);
  for (Ctl box : {Ctl::stat_armor_def, Ctl::stat_armor_abs, Ctl::stat_armor_spec_def, Ctl::stat_armor_spec_abs})
    EXPECT_EQ(f.text(box), "0");
  EXPECT_EQ(f.picture(Ctl::img_set_armor), "");
}

TEST(ItemSelection, ArmletsLevelIsOneForEveryRow) {
  Fixture f;
  EXPECT_EQ(f.text(Ctl::stat_armlets_lvl), "0");
  f.calc.user_select_row(Ctl::Select_armlets, 0);
  EXPECT_EQ(f.text(Ctl::stat_armlets_lvl), "1");
  EXPECT_EQ(f.text(Ctl::stat_armlets_def), "0");
  f.calc.sheet.set_text(Ctl::stat_armlets_lvl, "7");
  f.calc.user_select_row(Ctl::Select_armlets, 1);
  EXPECT_EQ(f.text(Ctl::stat_armlets_def), "5");
  EXPECT_EQ(f.text(Ctl::stat_armlets_rtg), "16");
  EXPECT_EQ(f.text(Ctl::stat_armlets_lvl), "1");
}

TEST(ItemSelection, RobeForAMagicianUnderBothSeparators) {
  for (NumberFormat fmt : {NumberFormat::point(), NumberFormat::comma()}) {
    Fixture f(fmt);
    f.choose_class(Magician);
    f.calc.user_select_row(Ctl::Select_Armor, 1);
    const bool comma = fmt.decimal_comma();
    EXPECT_EQ(f.text(Ctl::Select_Armor), "Robe");
    EXPECT_EQ(f.text(Ctl::stat_armor_def), "10");
    EXPECT_EQ(f.text(Ctl::stat_armor_abs), comma ? "0,8" : "0.8");
    EXPECT_EQ(f.text(Ctl::stat_armor_spec_def), "8");
    EXPECT_EQ(f.text(Ctl::stat_armor_spec_abs), comma ? "0,3" : "0.3");
    EXPECT_EQ(f.text(Ctl::stat_robe_regen), comma ? "0,4" : "0.4");
    EXPECT_EQ(f.picture(Ctl::img_set_armor), "Robe_01.bmp");
    EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
    // Row 0 writes "0" into all five boxes, the robe's regeneration included.
    f.calc.user_select_row(Ctl::Select_Armor, 0);
    for (Ctl box : {Ctl::stat_armor_def, Ctl::stat_armor_abs, Ctl::stat_armor_spec_def, Ctl::stat_armor_spec_abs,
                    Ctl::stat_robe_regen})
      EXPECT_EQ(f.text(box), "0");
    EXPECT_EQ(f.picture(Ctl::img_set_armor), "");
  }
}

TEST(ItemSelection, PriestessGetsRobePictures) {
  Fixture f;
  f.choose_class(Priestess);
  f.calc.user_select_row(Ctl::Select_Armor, 12);
  EXPECT_EQ(f.picture(Ctl::img_set_armor), "Robe_12.bmp");
}

TEST(ItemSelection, NoClassOnlyChangesTheHint) {
  Fixture f;
  // With no class the armour list is empty for the user; the loader can
  // still select a row in it.
  f.calc.sheet.set_rows(Ctl::Select_Armor, armour_list_rows(false));
  f.calc.sheet.set_row(Ctl::Select_Armor, 1);
  f.calc.sheet.set_picture(Ctl::img_set_armor, "Armor_05.bmp");
  item_selected(f.calc, Ctl::Select_Armor);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "0");
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "0");
  EXPECT_EQ(f.picture(Ctl::img_set_armor), "Armor_05.bmp");
  EXPECT_EQ(f.hint(Ctl::img_set_armor), "Battle Suit");
  EXPECT_EQ(f.calc.passes(), 0u) << "no box changed, so no pass";
}

TEST(ItemSelection, RingsShareTheTableAndWriteTheirOwnBoxes) {
  Fixture f;
  const auto ring = ring_row(12).value();
  f.calc.user_select_row(Ctl::Select_ring2, 12);
  EXPECT_EQ(f.text(Ctl::stat_rings_HP_2), std::to_string(ring.hp_hi));
  EXPECT_EQ(f.text(Ctl::stat_rings_STM_2), std::to_string(ring.stm_hi));
  EXPECT_EQ(f.text(Ctl::stat_rings_HP), "0");
  EXPECT_EQ(f.text(Ctl::stat_rings_STM), "0");
  EXPECT_EQ(f.picture(Ctl::img_set_ring2), "Ring_12.bmp");
  EXPECT_EQ(f.picture(Ctl::img_set_ring1), "");
  f.calc.user_select_row(Ctl::Select_ring1, 12);
  EXPECT_EQ(f.text(Ctl::stat_rings_HP), std::to_string(ring.hp_hi));
  EXPECT_EQ(f.picture(Ctl::img_set_ring1), "Ring_12.bmp");
}

// Every row of every list copies the upper ends of its item.
TEST(ItemSelection, EveryRowCopiesTheUpperEnds) {
  Fixture f(NumberFormat::comma());
  const NumberFormat fmt = NumberFormat::comma();
  auto real = [&](double v) { return format_general(v, fmt); };
  auto num = [](int v) { return std::to_string(v); };
  for (int r = 1; r <= kShieldRows; ++r) {
    f.calc.user_select_row(Ctl::Select_Shield, r);
    const ShieldR s = shield_row(r).value();
    EXPECT_EQ(f.text(Ctl::stat_shield_def), num(s.def_hi));
    EXPECT_EQ(f.text(Ctl::stat_shield_abs), real(s.abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_shield_blk), num(s.blk_hi));
    EXPECT_EQ(f.text(Ctl::stat_shield_spec_def), num(s.spec_def_hi));
    EXPECT_EQ(f.text(Ctl::stat_shield_spec_abs), real(s.spec_abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_shield_spec_blk), num(s.spec_blk));
  }
  for (int r = 1; r <= kOrbRows; ++r) {
    f.calc.user_select_row(Ctl::Select_Orb, r);
    const OrbR o = orb_row(r).value();
    EXPECT_EQ(f.text(Ctl::stat_orb_def), num(o.def_hi));
    EXPECT_EQ(f.text(Ctl::stat_orb_abs), real(o.abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_orb_MP), num(o.mp_hi));
    EXPECT_EQ(f.text(Ctl::stat_orb_regen), real(o.mp_regen_hi));
    EXPECT_EQ(f.text(Ctl::stat_orb_spec_abs), real(o.spec_abs_hi));
  }
  for (int r = 1; r <= kBootsRows; ++r) {
    f.calc.user_select_row(Ctl::Select_Boots, r);
    const BootsR b = boots_row(r).value();
    EXPECT_EQ(f.text(Ctl::stat_boots_def), num(b.def_hi));
    EXPECT_EQ(f.text(Ctl::stat_boots_abs), real(b.abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_boots_spd), real(b.spd_hi));
    EXPECT_EQ(f.text(Ctl::stat_boots_spec_abs), real(b.spec_abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_boots_spec_spd), real(b.spec_spd_hi));
  }
  for (int r = 1; r <= kGauntsRows; ++r) {
    f.calc.user_select_row(Ctl::Select_Gaunts, r);
    const GauntsR g = gaunts_row(r).value();
    EXPECT_EQ(f.text(Ctl::stat_gaunts_def), num(g.def_hi));
    EXPECT_EQ(f.text(Ctl::stat_gaunts_abs), real(g.abs_hi));
    EXPECT_EQ(f.text(Ctl::stat_gaunts_spec_def), num(g.spec_def_hi));
    EXPECT_EQ(f.text(Ctl::stat_gaunts_spec_abs), real(g.spec_abs_hi));
  }
  for (int r = 1; r <= kAmuletRows; ++r) {
    f.calc.user_select_row(Ctl::Select_amulet, r);
    const AmuletR a = amulet_row(r).value();
    EXPECT_EQ(f.text(Ctl::stat_amu_HP), num(a.hp_hi));
    EXPECT_EQ(f.text(Ctl::stat_amu_MP), num(a.mp_hi));
    EXPECT_EQ(f.text(Ctl::stat_amu_regen), real(a.regen_hi));
  }
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  // The first amulet's regeneration, spelled out.
  f.calc.user_select_row(Ctl::Select_amulet, 1);
  EXPECT_EQ(f.text(Ctl::stat_amu_regen), "0,2");
}

TEST(ItemSelection, RowsNoTableHasLeaveTheSlot) {
  Fixture f;
  f.choose_class(Fighter);
  f.calc.user_select_row(Ctl::Select_Shield, 3);
  const std::string def = f.text(Ctl::stat_shield_def);
  const auto passes = f.calc.passes();

  // A stored -1.
  f.calc.sheet.set_row(Ctl::Select_Shield, -1);
  item_selected(f.calc, Ctl::Select_Shield);
  EXPECT_EQ(f.text(Ctl::stat_shield_def), def);
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "Shield_03.bmp");
  EXPECT_EQ(f.calc.sheet.row(Ctl::Select_Shield), -1);
  EXPECT_EQ(f.calc.passes(), passes);

  // A list longer than its table, with a row past the table's end.
  std::vector<std::string> rows = f.calc.sheet[Ctl::Select_Shield].rows;
  rows.resize(30, "typed");
  f.calc.sheet.set_rows(Ctl::Select_Shield, rows);
  f.calc.sheet.set_row(Ctl::Select_Shield, kShieldRows + 1);
  EXPECT_NO_THROW(item_selected(f.calc, Ctl::Select_Shield));
  EXPECT_EQ(f.text(Ctl::stat_shield_def), def);
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "Shield_03.bmp");
  EXPECT_EQ(f.calc.sheet.row(Ctl::Select_Shield), -1) << "the list shows no selection";
  EXPECT_EQ(f.calc.passes(), passes);

  // The user cannot pick a row the list does not have.
  f.calc.user_select_row(Ctl::Select_Orb, 99);
  f.calc.user_select_row(Ctl::Select_Orb, -1);
  EXPECT_EQ(f.calc.sheet.row(Ctl::Select_Orb), -1);
  EXPECT_EQ(f.text(Ctl::stat_orb_def), "0");
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
}

TEST(ItemSelection, OnePassShowsWhatTheLastBoxPassWould) {
  Fixture chosen;
  chosen.choose_class(Knight);
  chosen.calc.user_set_value(Ctl::stat_level, 80);
  const auto before = chosen.calc.passes();
  chosen.calc.user_select_row(Ctl::Select_Armor, 15);
  EXPECT_EQ(chosen.calc.passes(), before + 1);
  // Choosing the same row again changes no box: no pass.
  chosen.calc.user_select_row(Ctl::Select_Armor, 15);
  EXPECT_EQ(chosen.calc.passes(), before + 1);

  // The same boxes typed in one by one, each with its own pass.
  Fixture typed;
  typed.choose_class(Knight);
  typed.calc.user_set_value(Ctl::stat_level, 80);
  for (Ctl box : {Ctl::stat_armor_def, Ctl::stat_armor_abs, Ctl::stat_armor_spec_def, Ctl::stat_armor_spec_abs})
    typed.calc.user_set_text(box, chosen.text(box));
  for (Ctl id : all_controls()) {
    if (control_spec(id).kind != ControlKind::Label) continue;
    EXPECT_EQ(chosen.text(id), typed.text(id)) << control_spec(id).name;
  }
  EXPECT_EQ(chosen.calc.state.final_def, typed.calc.state.final_def);
}

TEST(ItemSelection, LoaderPathWritesWithoutAPass) {
  Fixture f;
  f.calc.sheet.set_row(Ctl::Select_Boots, 4);
  EXPECT_TRUE(write_item_selection(f.calc, Ctl::Select_Boots));
  EXPECT_EQ(f.picture(Ctl::img_set_boots), "Boots_04.bmp");
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_FALSE(write_item_selection(f.calc, Ctl::Select_Boots)) << "nothing changes the second time";
  EXPECT_FALSE(write_item_selection(f.calc, Ctl::stat_level));
  EXPECT_FALSE(is_item_selection_list(Ctl::Select_weapon));
  EXPECT_TRUE(is_item_selection_list(Ctl::Select_ring2));
}

TEST(ItemSelection, MissingPictureIsReportedAfterTheBoxes) {
  const fs::path dir = fs::temp_directory_path() / ("brennick_item_selection_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "images");
  std::ofstream(dir / "images" / "shield_01.bmp") << "x";  // found regardless of letter case
  Fixture f;
  f.calc.state.app_dir = dir.string();
  f.calc.user_select_row(Ctl::Select_Shield, 1);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "Shield_01.bmp");
  EXPECT_TRUE(f.log.lines.empty());

  const auto passes = f.calc.passes();
  f.calc.user_select_row(Ctl::Select_Shield, 2);
  EXPECT_EQ(f.text(Ctl::stat_shield_def), "18") << "the boxes are written before the picture";
  EXPECT_EQ(f.calc.passes(), passes + 1) << "and their pass has run";
  EXPECT_EQ(f.picture(Ctl::img_set_shield), "Shield_01.bmp");
  EXPECT_EQ(f.hint(Ctl::img_set_shield), "Wooden Shield") << "the hint is not reached";
  ASSERT_EQ(f.log.lines.size(), 1u);
  EXPECT_NE(f.log.lines[0].message.find("Shield_02.bmp"), std::string::npos);
  EXPECT_EQ(f.log.lines[0].owner, "TabSheet8");
  EXPECT_EQ(f.log.lines[0].detail, "Select_Shield");
  EXPECT_EQ(f.calc.sheet.status_panel1, f.log.lines[0].message);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
  fs::remove_all(dir);
}
