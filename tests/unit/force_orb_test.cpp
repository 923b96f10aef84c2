// Force orbs: level bounds, the additions to both columns, the label and the
// picture, and the ten-per-cent orbs taking a tenth of the same pass's
// attack power without any orb, so that a pass repeated gives the same
// sheet.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"
#include "equipment/force_orb.h"

using namespace brennick;
namespace fs = std::filesystem;

namespace {

enum Orb { None = 0, Lucidy, Sereno, Fadeo, Sparky, Raident, Transparo, Murky, Devine, Celesto };

struct Fixture {
  Fixture() : calc(NumberFormat::point(), {&dialogs, &log, nullptr}) { start_sheet(calc); }
  SilentDialogs dialogs;
  RecordingLog log;
  Planner calc;

  void set(Ctl id, const std::string& text) { calc.sheet.set_text(id, text); }
  void level(int l) { calc.user_set_text(Ctl::stat_level, std::to_string(l)); }
  void orb(int row) { calc.user_select_row(Ctl::Select_ForceOrb, row); }
  void pass() {
    calc.run_calculation(Ctl::MainForm);
    ASSERT_EQ(calc.sheet.status_panel1, "OK");
  }
  std::vector<int> adds() const {
    const CalcState& s = calc.state;
    return {s.forceorb_add_min, s.forceorb_add_max, s.forceorb_add_min_2, s.forceorb_add_max_2};
  }
  const std::string& label() const { return calc.sheet.text(Ctl::lbl_forceorb); }
  std::uint32_t colour() const { return calc.sheet[Ctl::lbl_forceorb].color; }
  const std::string& picture() const { return calc.sheet[Ctl::img_forceorb].picture; }

  // A Fighter with an axe in the 1h column and a sword in the 2h column,
  // strong enough that both maxima are well above ten.
  void fighter(int lvl) {
    calc.user_select_row(Ctl::Select_class, Fighter);
    set(Ctl::stat_level, std::to_string(lvl));
    set(Ctl::stat_strenght, "120");
    set(Ctl::stat_talent, "40");
    set(Ctl::stat_agility, "60");
    set(Ctl::stat_weap_min_pow, "40");
    set(Ctl::stat_weap_max_pow, "97");
    set(Ctl::stat_weap_min_pow_2, "55");
    set(Ctl::stat_weap_max_pow_2, "133");
    calc.sheet.set_row(Ctl::Select_weapon, Axe);
    calc.sheet.set_row(Ctl::Select_weapon_2, Sword);
    pass();
  }
};

using I = std::vector<int>;

}  // namespace

TEST(ForceOrb, TheNineOrbs) {
  const char* names[] = {"Lucidy", "Sereno", "Fadeo", "Sparky", "Raident", "Transparo", "Murky", "Devine", "Celesto"};
  const int powers[] = {2, 4, 7, 10, 15, 25, 40, 60, 80};
  for (int r = 1; r <= kForceOrbRows; ++r) {
    const ForceOrbRule& o = force_orb_rule(r);
    EXPECT_EQ(o.name, names[r - 1]);
    EXPECT_EQ(o.power, powers[r - 1]);
    EXPECT_EQ(o.tenth, r >= 7);
  }
  EXPECT_EQ(force_orb_rule(1).label, "Level: 1-19\r\nAdd Atk-Pow: 2/2");
  EXPECT_EQ(force_orb_rule(4).label, "Level: 1-49\r\nAdd Atk-Pow: 10/10");
  EXPECT_EQ(force_orb_rule(6).label, "Level: 50+\r\nAdd Atk-Pow: 25/25");
  EXPECT_EQ(force_orb_rule(9).label, "Level: 50+\r\nAdd Atk-Pow: 80/80 +10%");
}

TEST(ForceOrb, LevelBounds) {
  struct Case {
    int row, level;
    bool works;
  };
  const Case cases[] = {{Lucidy, 0, true},     {Lucidy, 19, true},    {Lucidy, 20, false},   {Sereno, 29, true},
                        {Sereno, 30, false},   {Fadeo, 39, true},     {Fadeo, 40, false},    {Sparky, 49, true},
                        {Sparky, 50, false},   {Raident, 49, false},  {Raident, 50, true},   {Transparo, 49, false},
                        {Transparo, 50, true}, {Murky, 49, false},    {Murky, 50, true},     {Devine, 1000, true},
                        {Celesto, 1, false},   {Celesto, 150, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(force_orb_works(c.row, c.level), c.works) << c.row << " at " << c.level;
    Fixture f;
    f.orb(c.row);
    f.level(c.level);
    const int p = force_orb_rule(c.row).power;
    const I expected = c.works ? I{p, p, p, p} : I{0, 0, 0, 0};
    EXPECT_EQ(f.adds(), expected) << c.row << " at " << c.level;  // no class: the tenth of 0 is 0
    EXPECT_EQ(f.colour(), c.works ? colors::green : colors::red);
    EXPECT_EQ(f.label(), force_orb_rule(c.row).label);
  }
}

TEST(ForceOrb, LucidyAtNineteenAndTwenty) {
  Fixture f;
  f.fighter(19);
  const int min = f.calc.state.final_atkpow_min, max = f.calc.state.final_atkpow_max;
  const int min2 = f.calc.state.final_atkpow_min_2, max2 = f.calc.state.final_atkpow_max_2;
  f.orb(Lucidy);
  EXPECT_EQ(f.adds(), (I{2, 2, 2, 2}));
  EXPECT_EQ(f.colour(), colors::green);
  EXPECT_EQ(f.label(), "Level: 1-19\r\nAdd Atk-Pow: 2/2");
  EXPECT_EQ(f.picture(), "Sheltom_1.bmp");
  EXPECT_EQ(f.calc.state.final_atkpow_min, min + 2);
  EXPECT_EQ(f.calc.state.final_atkpow_max, max + 2);
  EXPECT_EQ(f.calc.state.final_atkpow_min_2, min2 + 2);
  EXPECT_EQ(f.calc.state.final_atkpow_max_2, max2 + 2);
  f.level(20);
  EXPECT_EQ(f.adds(), (I{0, 0, 0, 0}));
  EXPECT_EQ(f.colour(), colors::red);
  EXPECT_EQ(f.label(), "Level: 1-19\r\nAdd Atk-Pow: 2/2");
  EXPECT_EQ(f.picture(), "Sheltom_1.bmp");
}

TEST(ForceOrb, NoneClearsEverything) {
  Fixture f;
  f.level(60);
  f.orb(Celesto);
  EXPECT_EQ(f.adds(), (I{80, 80, 80, 80}));
  f.orb(None);
  EXPECT_EQ(f.adds(), (I{0, 0, 0, 0}));
  EXPECT_EQ(f.label(), "");
  EXPECT_EQ(f.picture(), "");
  EXPECT_EQ(f.colour(), colors::red);
}

TEST(ForceOrb, NoRowChosenLeavesTheStartZeros) {
  Fixture f;
  f.fighter(60);
  EXPECT_EQ(f.calc.sheet.row(Ctl::Select_ForceOrb), -1);
  EXPECT_EQ(f.adds(), (I{0, 0, 0, 0}));
  EXPECT_EQ(f.label(), "");
  EXPECT_EQ(f.picture(), "");
}

TEST(ForceOrb, TransparoGivesBothColumnsTheSame) {
  Fixture f;
  f.fighter(50);
  f.orb(Transparo);
  EXPECT_EQ(f.adds(), (I{25, 25, 25, 25}));
  EXPECT_EQ(f.picture(), "Sheltom_6.bmp");
}

TEST(ForceOrb, TenthOfTheColumnMaximum) {
  EXPECT_EQ(force_orb_tenth_max(80, 200), 100);
  EXPECT_EQ(force_orb_tenth_max(80, 205), 100);
  EXPECT_EQ(force_orb_tenth_max(80, 209), 100);
  EXPECT_EQ(force_orb_tenth_max(80, 210), 101);
  EXPECT_EQ(force_orb_tenth_max(80, 150), 95);
  EXPECT_EQ(force_orb_tenth_max(40, 0), 40);
  EXPECT_EQ(force_orb_tenth_max(60, 1999), 259);
  for (int m = 0; m <= 100000; m += 7) EXPECT_EQ(force_orb_tenth_max(60, m), 60 + m / 10) << m;
  EXPECT_EQ(force_orb_tenth_max(40, -5), 39);  // rounded down
  EXPECT_EQ(force_orb_tenth_max(80, 2147483647), 214748444);
}

TEST(ForceOrb, TenPerCentOrbsTakeATenthOfTheSamePassWithoutOrb) {
  for (int row : {Murky, Devine, Celesto}) {
    Fixture f;
    f.fighter(60);
    f.orb(None);
    const int min = f.calc.state.final_atkpow_min, max = f.calc.state.final_atkpow_max;
    const int min2 = f.calc.state.final_atkpow_min_2, max2 = f.calc.state.final_atkpow_max_2;
    ASSERT_GT(max, 20);
    ASSERT_NE(max / 10, max2 / 10) << "the columns should differ";
    f.orb(row);
    const int p = force_orb_rule(row).power;
    EXPECT_EQ(f.adds(), (I{p, p + max / 10, p, p + max2 / 10})) << row;
    EXPECT_EQ(f.calc.state.final_atkpow_min, min + p);
    EXPECT_EQ(f.calc.state.final_atkpow_max, max + p + max / 10);
    EXPECT_EQ(f.calc.state.final_atkpow_min_2, min2 + p);
    EXPECT_EQ(f.calc.state.final_atkpow_max_2, max2 + p + max2 / 10);
    EXPECT_EQ(f.colour(), colors::green);
  }
}

TEST(ForceOrb, RepeatedPassesLeaveEveryValueUnchanged) {
  Fixture f;
  f.fighter(60);
  f.orb(Celesto);
  const nlohmann::ordered_json first = sheet_json(f.calc);
  for (int i = 0; i < 4; ++i) {
    f.pass();
    EXPECT_EQ(sheet_json(f.calc), first) << "pass " << i + 2;
  }
  // An unrelated change and its undoing bring back the same sheet.
  const std::string health = f.calc.sheet.text(Ctl::stat_health);
  f.calc.user_set_text(Ctl::stat_health, health == "30" ? "31" : "30");
  EXPECT_NE(sheet_json(f.calc), first);
  f.calc.user_set_text(Ctl::stat_health, health);
  EXPECT_EQ(sheet_json(f.calc), first);
}

TEST(ForceOrb, RepeatedPassesWithWeaponMasteryAndSkills) {
  Fixture f;
  f.fighter(90);
  for (int n = 1; n <= 4; ++n) f.set(slot_controls(n - 1).level, "10");
  f.orb(Celesto);
  const nlohmann::ordered_json first = sheet_json(f.calc);
  for (int i = 0; i < 3; ++i) {
    f.pass();
    EXPECT_EQ(sheet_json(f.calc), first) << "pass " << i + 2;
  }
  // The tenth comes from the attack power without the orb, mastery included.
  f.orb(None);
  const int max = f.calc.state.final_atkpow_max, max2 = f.calc.state.final_atkpow_max_2;
  f.orb(Celesto);
  EXPECT_EQ(f.calc.state.forceorb_add_max, 80 + max / 10);
  EXPECT_EQ(f.calc.state.forceorb_add_max_2, 80 + max2 / 10);
  EXPECT_EQ(sheet_json(f.calc), first);
}

TEST(ForceOrb, TheFirstPassAfterChoosingIsAlreadyFinal) {
  Fixture a, b;
  a.fighter(70);
  b.fighter(70);
  a.orb(Devine);
  b.orb(Murky);  // a different orb first must not matter
  b.orb(Devine);
  b.pass();
  EXPECT_EQ(a.adds(), b.adds());
  EXPECT_EQ(sheet_json(a.calc), sheet_json(b.calc));
}

TEST(ForceOrb, MurkyWithoutAttackPowerAddsItsPower) {
  Fixture f;
  f.level(50);
  f.orb(Murky);
  EXPECT_EQ(f.adds(), (I{40, 40, 40, 40}));
}

TEST(ForceOrb, AFlatOrbAfterCelestoGivesBothColumnsTheSame) {
  Fixture f;
  f.fighter(60);
  f.orb(Celesto);
  ASSERT_NE(f.calc.state.forceorb_add_max, f.calc.state.forceorb_add_max_2);
  f.orb(Raident);
  EXPECT_EQ(f.adds(), (I{15, 15, 15, 15}));
  f.orb(Celesto);
  f.level(49);  // Celesto stops working: both columns zero
  EXPECT_EQ(f.adds(), (I{0, 0, 0, 0}));
  EXPECT_EQ(f.colour(), colors::red);
}

TEST(ForceOrb, PicturesFollowTheRow) {
  Fixture f;
  for (int r = 1; r <= kForceOrbRows; ++r) {
    f.orb(r);
    EXPECT_EQ(f.picture(), "Sheltom_" + std::to_string(r) + ".bmp");
  }
  EXPECT_TRUE(f.log.lines.empty()) << "no folder to look in: nothing is checked";
}

TEST(ForceOrb, AMissingPictureIsLoggedAndThePassGoesOn) {
  const fs::path dir = fs::temp_directory_path() / ("brennick_force_orb_test_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "images");
  std::ofstream(dir / "images" / "sheltom_1.bmp") << "BM";  // found without regard to letter case
  Fixture f;
  f.calc.state.app_dir = dir.string();
  f.level(30);
  f.orb(Lucidy);
  EXPECT_EQ(f.picture(), "Sheltom_1.bmp");
  EXPECT_TRUE(f.log.lines.empty());

  f.orb(Fadeo);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(f.adds(), (I{7, 7, 7, 7}));
  EXPECT_EQ(f.label(), "Level: 1-39\r\nAdd Atk-Pow: 7/7");
  EXPECT_EQ(f.picture(), "Sheltom_1.bmp") << "the picture box keeps its picture";
  ASSERT_EQ(f.log.lines.size(), 1u);
  EXPECT_NE(f.log.lines[0].message.find("Sheltom_3.bmp"), std::string::npos) << f.log.lines[0].message;
  EXPECT_EQ(f.log.lines[0].owner, "MainForm");
  EXPECT_EQ(f.log.lines[0].detail, "ForceOrb_Image");

  f.pass();  // one line per pass
  EXPECT_EQ(f.log.lines.size(), 2u);
  f.orb(None);  // no picture to load, nothing logged
  EXPECT_EQ(f.log.lines.size(), 2u);
  fs::remove_all(dir);
}
