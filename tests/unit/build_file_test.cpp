// Build files: the key table, the decimal-separator conversions, the Save
// command, the load branch of the pass, failures that must not lose a
// build, and the question asked before the program ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <map>
#include <set>
#include <string>

#include "buildfile/build_file.h"
#include "buildfile/close_app.h"
#include "buildfile/ini_document.h"
#include "data/skill_catalog.h"
#include "engine/item_lists.h"
#include "base/number_text.h"
#include "equipment/item_selection.h"
#include "tests/unit/build_file_test_util.h"

using namespace brennick;
using namespace brennick::testing_build;

namespace {

// A build file from lines, each ended by CR LF.
std::string ini(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (std::string_view l : lines) s += std::string(l) + "\r\n";
  return s;
}

// Everything the sheet shows, by control name (results included).
std::map<std::string, std::string> snapshot(const Sheet& sheet) {
  std::map<std::string, std::string> out;
  for (Ctl id : all_controls()) {
    const Control& c = sheet[id];
    out[std::string(control_spec(id).name)] = c.text + "|" + std::to_string(c.row) + "|" +
                                              std::to_string(c.checked) + "|" + c.picture + "|" +
                                              std::to_string(c.min) + "|" + std::to_string(c.max);
  }
  return out;
}

constexpr Ctl kStatFields[] = {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility,
                               Ctl::stat_health};

}  // namespace

// --- the key table -------------------------------------------------------------

TEST(BuildKeys, TableOrderSectionsAndKinds) {
  const auto keys = build_keys();
  ASSERT_EQ(keys.size(), 115u);
  EXPECT_EQ(keys.front().section, "BrennickVersion");
  EXPECT_EQ(keys.front().kind, BuildKeyKind::Version);
  EXPECT_EQ(keys.back().key, "Skill16");
  EXPECT_EQ(keys.back().control, Ctl::skill_level_4_4);

  // Sections in file order, each one block.
  std::vector<std::string> sections;
  for (const BuildKey& k : keys)
    if (sections.empty() || sections.back() != k.section) sections.emplace_back(k.section);
  const std::vector<std::string> expected = {"BrennickVersion", "CharacterStats", "Armor", "AbsSpecial", "Shield",
                                             "Orb",   "Boots",  "Gaunts",     "Armlets",     "Other",
                                             "Accessories", "GemmedStuff", "1hWeapon", "2hWeapon", "Sheltom",
                                             "Quest", "SkillLevels"};
  EXPECT_EQ(sections, expected);

  // Every control appears once.
  std::set<Ctl> controls;
  for (const BuildKey& k : keys)
    if (k.kind != BuildKeyKind::Version) {
      EXPECT_TRUE(controls.insert(k.control).second) << k.key;
    }

  // The shield's keys in their written order.
  std::vector<std::string> shield;
  for (const BuildKey& k : keys)
    if (k.section == "Shield") shield.emplace_back(k.key);
  EXPECT_EQ(shield, (std::vector<std::string>{"Defense", "SpecDefense", "Absorption", "SpecAbsorption", "Block",
                                              "SpecBlock", "ShieldType"}));

  EXPECT_TRUE(find_build_key("1hWeapon", "Defense"));
  EXPECT_FALSE(find_build_key("1hWeapon", "Block"));
  EXPECT_TRUE(find_build_key("2hWeapon", "Block"));
  EXPECT_FALSE(find_build_key("2hWeapon", "Defense"));
  EXPECT_EQ(find_build_key("absspecial", "ARMOR")->control, Ctl::chk_armor_is_right_spec);
  EXPECT_EQ(find_build_key("1hWeapon", "WeaponType")->fallback, 8);
  EXPECT_EQ(find_build_key("2hWeapon", "WeaponType")->fallback, 8);
  EXPECT_EQ(find_build_key("Armlets", "Atk-Rtg")->kind, BuildKeyKind::IntText);
  EXPECT_EQ(find_build_key("Boots", "Speed")->kind, BuildKeyKind::DecimalText);
  EXPECT_EQ(find_build_key("CharacterStats", "Strenght")->kind, BuildKeyKind::Int);
  // Skill N belongs to tier (N-1)/4+1, slot (N-1)%4+1.
  EXPECT_EQ(find_build_key("SkillLevels", "Skill1")->control, Ctl::skill_level_1_1);
  EXPECT_EQ(find_build_key("SkillLevels", "Skill5")->control, Ctl::skill_level_2_1);
  EXPECT_EQ(find_build_key("SkillLevels", "Skill12")->control, Ctl::skill_level_3_4);
}

// --- separators and names -----------------------------------------------------------

TEST(BuildDecimals, DotToCommaFollowsTheLocale) {
  StartedSheet point(NumberFormat::point()), comma(NumberFormat::comma());
  EXPECT_EQ(dot_to_comma(point.calc, "1.5"), "1,5");
  EXPECT_EQ(dot_to_comma(point.calc, "a.b.c"), "a,b,c");  // no check of the text
  EXPECT_EQ(dot_to_comma(comma.calc, "1,5"), "1,5");
  EXPECT_EQ(dot_to_comma(comma.calc, "1.5"), "1.5");
}

TEST(BuildDecimals, CommaToDotKeepsNumbersAndZeroesTheRest) {
  StartedSheet point(NumberFormat::point()), comma(NumberFormat::comma());
  EXPECT_EQ(comma_to_dot(point.calc, "1,5"), "1.5");
  EXPECT_EQ(comma_to_dot(point.calc, "0,50"), "0.50");  // not reformatted
  EXPECT_EQ(comma_to_dot(point.calc, "12"), "12");
  EXPECT_EQ(comma_to_dot(point.calc, "abc"), "0");
  EXPECT_EQ(comma_to_dot(point.calc, ""), "0");
  EXPECT_EQ(comma_to_dot(point.calc, "1,2,3"), "0");
  EXPECT_EQ(comma_to_dot(point.calc, "-2147483648"), "0");
  EXPECT_EQ(comma_to_dot(point.calc, "-2147483647"), "-2147483647");
  EXPECT_EQ(comma_to_dot(comma.calc, "1,5"), "1,5");
  EXPECT_EQ(comma_to_dot(comma.calc, "1.5"), "0");  // a point is no separator there
}

TEST(BuildNames, ExtensionIsReplacedByBrk) {
  EXPECT_EQ(with_build_extension("mybuild.txt"), "mybuild.brk");
  EXPECT_EQ(with_build_extension("mybuild"), "mybuild.brk");
  EXPECT_EQ(with_build_extension("mybuild.brk"), "mybuild.brk");
  EXPECT_EQ(with_build_extension("/a/b.c/name"), "/a/b.c/name.brk");
  EXPECT_EQ(with_build_extension("/a/b/x.tar.gz"), "/a/b/x.tar.brk");
  EXPECT_EQ(with_build_extension("/a/.hidden"), "/a/.hidden.brk");
}

TEST(BuildNames, ProgramFolderIsRemovedFromTheLabel) {
  EXPECT_EQ(shown_file_name("/opt/bren", "/opt/bren/builds/k.brk"), "builds/k.brk");
  EXPECT_EQ(shown_file_name("/opt/bren", "/home/u/k.brk"), "/home/u/k.brk");
  EXPECT_EQ(shown_file_name("/opt/bren", "/opt/Bren/k.brk"), "/opt/Bren/k.brk");  // letter case counts
  EXPECT_EQ(shown_file_name("/opt/bren", "/opt/brenx/k.brk"), "/opt/brenx/k.brk");
  EXPECT_EQ(shown_file_name("", "/a/k.brk"), "/a/k.brk");
}

// --- saving --------------------------------------------------------------------------

TEST(BuildSave, WritesEveryKeyInOrderWithCrLf) {
  TempDir dir;
  StartedSheet p;
  p.dialogs.save_answers.push_back((dir / "fresh.brk").string());
  ASSERT_EQ(file_saveClick(p.calc), SaveOutcome::Saved);
  EXPECT_EQ(p.dialogs.save_filters, std::vector<std::string>{"*.brk|*.brk"});
  EXPECT_EQ(p.dialogs.save_extensions, std::vector<std::string>{".brk"});
  const std::string text = read_bytes(dir / "fresh.brk");
  const std::string head = ini({"[BrennickVersion]", "Version=0.2.1", "", "[CharacterStats]", "Class=-1",
                                "Level=1", "Strenght=0", "Spirit=0", "Talent=0", "Agility=0", "Health=0", "",
                                "[Armor]", "Defense=0", "SpecDefense=0", "Absorption=0", "SpecAbsorption=0",
                                "Regen=0", "ArmorType=-1", "", "[AbsSpecial]", "Armor=0", ""});
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_NE(text.find(ini({"[SkillLevels]", "Skill1=0"})), std::string::npos);
  // The table's keys end with the skill levels; the active effects follow.
  EXPECT_NE(text.find("Skill16=0\r\n\r\n[ActiveEffects]\r\nForceOrb=-1\r\nCastOn1=0\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("Skill16On=0\r\n\r\n"));
  // Every key of the table is present, in table order.
  const IniDocument doc = IniDocument::parse(text);
  for (const BuildKey& k : build_keys()) EXPECT_TRUE(doc.has_key(k.section, k.key)) << k.section << "/" << k.key;
  EXPECT_EQ(doc.keys("2hWeapon"),
            (std::vector<std::string>{"WeaponType", "minPow", "maxPow", "Atk-Rtg", "Critical", "Block", "SpecPow",
                                      "SpecRtg", "SpecCritical", "SpecMPRegen", "WeaponSpeed"}));
}

TEST(BuildSave, ValuesOfEveryKind) {
  TempDir dir;
  StartedSheet p;
  Planner& c = p.calc;
  c.user_select_row(Ctl::Select_class, Knight);
  c.user_set_value(Ctl::stat_level, 77);
  c.user_set_text(Ctl::stat_armlets_rtg, " 37x");        // int text: written as typed
  c.user_set_text(Ctl::stat_boots_spd, "1.5");           // decimal text: with a comma
  c.user_set_checked(Ctl::level_80_done, true);
  c.user_select_row(Ctl::stat_weap_spd_2, 2);
  c.user_set_value(slot_controls(13).level, 7);          // Skill14 = tier 4, slot 2
  p.dialogs.save_answers.push_back((dir / "k.brk").string());
  ASSERT_EQ(file_saveClick(c), SaveOutcome::Saved);
  const IniDocument doc = load_ini_file(dir / "k.brk");
  EXPECT_EQ(doc.get("CharacterStats", "Class"), "5");
  EXPECT_EQ(doc.get("CharacterStats", "Level"), "77");
  EXPECT_EQ(doc.get("Armlets", "Atk-Rtg"), "37x");  // the file trims blanks around a value
  EXPECT_EQ(doc.get("Boots", "Speed"), "1,5");
  EXPECT_EQ(doc.get("Quest", "Level80"), "1");
  EXPECT_EQ(doc.get("Quest", "Level90"), "0");
  EXPECT_EQ(doc.get("2hWeapon", "WeaponSpeed"), "2");
  EXPECT_EQ(doc.get("SkillLevels", "Skill14"), "7");
  EXPECT_EQ(doc.get("Shield", "ShieldType"), "-1");
}

TEST(BuildSave, PointLocaleWritesCommaAndBothLocalesReadIt) {
  TempDir dir;
  StartedSheet saver(NumberFormat::point());
  saver.calc.user_set_text(Ctl::stat_armor_abs, "1.5");
  saver.dialogs.save_answers.push_back((dir / "abs.brk").string());
  ASSERT_EQ(file_saveClick(saver.calc), SaveOutcome::Saved);
  EXPECT_EQ(load_ini_file(dir / "abs.brk").get("Armor", "Absorption"), "1,5");

  StartedSheet point(NumberFormat::point());
  point.load(dir / "abs.brk");
  EXPECT_EQ(point.calc.sheet.text(Ctl::stat_armor_abs), "1.5");
  EXPECT_EQ(point.calc.sheet.status_panel1, "OK");

  StartedSheet comma(NumberFormat::comma());
  comma.load(dir / "abs.brk");
  EXPECT_EQ(comma.calc.sheet.text(Ctl::stat_armor_abs), "1,5");
  EXPECT_EQ(comma.calc.sheet.status_panel1, "OK");
}

TEST(BuildSave, OtherExtensionSavesBrkAndLabelShowsTheChosenName) {
  TempDir dir;
  fs::create_directories(dir / "builds");
  StartedSheet p;
  p.calc.state.app_dir = dir.path().string();
  p.dialogs.save_answers.push_back((dir / "builds" / "mybuild.txt").string());
  ASSERT_EQ(file_saveClick(p.calc), SaveOutcome::Saved);
  EXPECT_TRUE(fs::exists(dir / "builds" / "mybuild.brk"));
  EXPECT_FALSE(fs::exists(dir / "builds" / "mybuild.txt"));
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "builds/mybuild.txt");
}

TEST(BuildSave, CancelWritesNothingAndKeepsTheLabel) {
  StartedSheet p;
  EXPECT_EQ(file_saveClick(p.calc), SaveOutcome::Cancelled);
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "none");
  EXPECT_EQ(p.dialogs.save_filters.size(), 1u);
}

TEST(BuildSave, OverAnExistingFileKeepsWhatThePlannerDoesNotKnow) {
  TempDir dir;
  write_bytes(dir / "old.brk", ini({"; my notes", "[Mine]", "Colour=blue", "", "[Armor]", "Note=keep me",
                                    "ArmorType=4", "Defense=1", "", "[Extra]", "a=1,5"}));
  StartedSheet p;
  p.calc.user_set_text(Ctl::stat_armor_def, "250");
  p.dialogs.save_answers.push_back((dir / "old.brk").string());
  ASSERT_EQ(file_saveClick(p.calc), SaveOutcome::Saved);
  const IniDocument doc = load_ini_file(dir / "old.brk");
  EXPECT_EQ(doc.get("Mine", "Colour"), "blue");
  EXPECT_EQ(doc.get("Extra", "a"), "1,5");
  EXPECT_EQ(doc.get("Armor", "Note"), "keep me");
  EXPECT_EQ(doc.get("Armor", "Defense"), "250");
  EXPECT_EQ(doc.get("Armor", "ArmorType"), "-1");
  // Existing sections and keys stay in their places; new ones follow.
  EXPECT_EQ(doc.sections().at(0), "Mine");
  EXPECT_EQ(doc.sections().at(1), "Armor");
  EXPECT_EQ(doc.sections().at(2), "Extra");
  EXPECT_EQ(doc.sections().at(3), "BrennickVersion");
  const std::vector<std::string> armor = doc.keys("Armor");
  ASSERT_GE(armor.size(), 4u);
  EXPECT_EQ((std::vector<std::string>(armor.begin(), armor.begin() + 3)),
            (std::vector<std::string>{"Note", "ArmorType", "Defense"}));
  EXPECT_EQ(read_bytes(dir / "old.brk").substr(0, 13), "; my notes\r\n\r");
  // An extra section survives a load and another save, too.
  StartedSheet q;
  q.load(dir / "old.brk");
  q.dialogs.save_answers.push_back((dir / "old.brk").string());
  ASSERT_EQ(file_saveClick(q.calc), SaveOutcome::Saved);
  EXPECT_EQ(load_ini_file(dir / "old.brk").get("Mine", "Colour"), "blue");
}

TEST(BuildSave, InterruptedBeforeTheRenameLeavesThePreviousFile) {
  TempDir dir;
  const std::string previous = ini({"[CharacterStats]", "Class=3", "Level=50"});
  write_bytes(dir / "b.brk", previous);
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Fighter);
  p.dialogs.save_answers.push_back((dir / "b.brk").string());
  AtomicWriteHooks hooks;
  bool reached = false;
  hooks.before_rename = [&](const fs::path& temporary) {
    reached = true;
    EXPECT_TRUE(fs::exists(temporary));
    EXPECT_EQ(read_bytes(dir / "b.brk"), previous);
    throw FileError("power lost");
  };
  EXPECT_EQ(file_saveClick(p.calc, Ctl::Btn_FileSave, hooks), SaveOutcome::Failed);
  EXPECT_TRUE(reached);
  EXPECT_EQ(read_bytes(dir / "b.brk"), previous);
  EXPECT_EQ(p.calc.sheet.status_panel1, "power lost");
  ASSERT_EQ(p.log.lines.size(), 1u);
  EXPECT_EQ(p.log.lines[0].message, "power lost");
  EXPECT_EQ(p.log.lines[0].owner, "ToolBar1");
  EXPECT_EQ(p.log.lines[0].detail, "Btn_FileSave");
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "none");
  // Only the build remains in the folder: no temporary file is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(BuildSave, FileSizeLimitFailsAndLeavesThePreviousFile) {
  // Root ignores permissions, not the file size limit.
  TempDir dir;
  const std::string previous = ini({"[CharacterStats]", "Class=3", "Level=50", "[Mine]", "x=1"});
  write_bytes(dir / "c.brk", previous);
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Fighter);
  p.dialogs.save_answers.push_back((dir / "c.brk").string());

  struct sigaction ignore {}, old_action {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(sigaction(SIGXFSZ, &ignore, &old_action), 0);
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 200;  // a build is a few kilobytes
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const SaveOutcome outcome = file_saveClick(p.calc);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  sigaction(SIGXFSZ, &old_action, nullptr);

  EXPECT_EQ(outcome, SaveOutcome::Failed);
  EXPECT_EQ(read_bytes(dir / "c.brk"), previous);
  EXPECT_NE(p.calc.sheet.status_panel1, "OK");
  EXPECT_NE(p.calc.sheet.status_panel1.find("c.brk"), std::string::npos) << p.calc.sheet.status_panel1;
  EXPECT_EQ(p.log.lines.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(BuildSave, MissingFolderFailsWithAMessage) {
  TempDir dir;
  StartedSheet p;
  p.dialogs.save_answers.push_back((dir / "no" / "such" / "x.brk").string());
  EXPECT_EQ(file_saveClick(p.calc), SaveOutcome::Failed);
  EXPECT_FALSE(fs::exists(dir / "no"));
  EXPECT_NE(p.calc.sheet.status_panel1.find("x.brk"), std::string::npos);
  EXPECT_EQ(p.log.lines.size(), 1u);
  // The sheet stays live: a change still recalculates.
  const auto before = p.calc.passes();
  p.calc.user_set_value(Ctl::stat_level, 20);
  EXPECT_EQ(p.calc.passes(), before + 1);
  EXPECT_EQ(p.calc.sheet.status_panel1, "OK");
}

// --- loading -------------------------------------------------------------------------

TEST(BuildLoad, LettersInDecimalAndIntegerKeysLoadAsZero) {
  TempDir dir;
  write_bytes(dir / "bad.brk", ini({"[CharacterStats]", "Class=0", "Level=abc", "[Armor]", "Defense=12.5",
                                    "SpecDefense=abc", "Absorption=abc", "SpecAbsorption=1,5", "[Shield]",
                                    "Block= 7 ", "[Boots]", "Speed=1e2", "[Quest]", "Tier3=yes", "Level30=-3"}));
  StartedSheet p;
  p.calc.user_set_text(Ctl::stat_armor_def, "99");
  p.load(dir / "bad.brk");
  const Sheet& s = p.calc.sheet;
  EXPECT_EQ(s.status_panel1, "OK");
  EXPECT_EQ(s.text(Ctl::stat_level), "0");
  EXPECT_EQ(s.text(Ctl::stat_armor_def), "0");
  EXPECT_EQ(s.text(Ctl::stat_armor_spec_def), "0");
  EXPECT_EQ(s.text(Ctl::stat_armor_abs), "0");
  EXPECT_EQ(s.text(Ctl::stat_armor_spec_abs), "1.5");
  EXPECT_EQ(s.text(Ctl::stat_shield_blk), "7");
  EXPECT_EQ(s.text(Ctl::stat_boots_spd), "1e2");  // a number: kept as written
  EXPECT_FALSE(s.checked(Ctl::tier3_done));
  EXPECT_TRUE(s.checked(Ctl::level_30_done));
}

TEST(BuildLoad, MissingKeysTakeTheirDefaults) {
  TempDir dir;
  write_bytes(dir / "empty.brk", "");
  StartedSheet p;
  Planner& c = p.calc;
  c.user_select_row(Ctl::Select_class, Priestess);
  c.user_select_row(Ctl::Select_weapon, 2);
  c.user_select_row(Ctl::Select_weapon_2, 3);
  c.user_select_row(Ctl::stat_weap_spd, 1);
  c.user_set_text(Ctl::stat_weap_min_pow, "12");
  c.user_set_text(Ctl::stat_orb_regen, "2.5");
  c.user_set_checked(Ctl::level_90_done, true);
  c.user_set_value(Ctl::skill_level_2_2, 4);
  p.load(dir / "empty.brk");
  const Sheet& s = c.sheet;
  EXPECT_EQ(s.row(Ctl::Select_class), Fighter);
  EXPECT_EQ(s.row(Ctl::Select_weapon), 8);
  EXPECT_EQ(s.text(Ctl::Select_weapon), "no Weapon");
  EXPECT_EQ(s.row(Ctl::Select_weapon_2), 8);
  EXPECT_EQ(s.row(Ctl::stat_weap_spd), 0);
  EXPECT_EQ(s.text(Ctl::stat_weap_min_pow), "0");
  EXPECT_EQ(s.text(Ctl::stat_orb_regen), "0");
  EXPECT_FALSE(s.checked(Ctl::level_90_done));
  EXPECT_EQ(s.text(Ctl::skill_level_2_2), "0");
  EXPECT_EQ(s.row(Ctl::Select_Shield), 0);  // row 0: "none/manual input"
  EXPECT_EQ(s.status_panel1, "OK");
}

TEST(BuildLoad, MissingStatisticsAreClampedToTheClassMinimum) {
  TempDir dir;
  write_bytes(dir / "k.brk", ini({"[CharacterStats]", "Class=5", "Level=40"}));
  StartedSheet p;
  p.load(dir / "k.brk");
  for (int stat = 0; stat < kStatCount; ++stat) {
    const int minimum = skill_catalog().start_stat(Knight, stat);
    EXPECT_GT(minimum, 0);
    EXPECT_EQ(p.calc.sheet[kStatFields[stat]].min, minimum);
    EXPECT_EQ(p.calc.sheet.text(kStatFields[stat]), int_text(minimum)) << stat;
  }
  EXPECT_EQ(p.calc.sheet.text(Ctl::stat_level), "40");
}

TEST(BuildLoad, NumberFieldsClampOutOfRangeValues) {
  TempDir dir;
  write_bytes(dir / "big.brk", ini({"[CharacterStats]", "Class=0", "Level=99999", "Strenght=-50", "Spirit=2000",
                                    "Talent=99999999999999", "[SkillLevels]", "Skill1=11", "Skill2=-4",
                                    "Skill16=3"}));
  StartedSheet p;
  p.load(dir / "big.brk");
  const Sheet& s = p.calc.sheet;
  EXPECT_EQ(s.text(Ctl::stat_level), "1000");
  EXPECT_EQ(s.value(Ctl::stat_strenght), skill_catalog().start_stat(Fighter, 0));
  EXPECT_EQ(s.text(Ctl::stat_spirit), "1000");
  // Not a 32-bit integer: the default 0, then the class minimum.
  EXPECT_EQ(s.value(Ctl::stat_talent), skill_catalog().start_stat(Fighter, 2));
  EXPECT_EQ(s.text(Ctl::skill_level_1_1), "10");
  EXPECT_EQ(s.text(Ctl::skill_level_1_2), "0");
  EXPECT_EQ(s.text(Ctl::skill_level_4_4), "3");
}

TEST(BuildLoad, MagicianFillsRobesBeforeTheArmourRow) {
  TempDir dir;
  write_bytes(dir / "m.brk", ini({"[CharacterStats]", "Class=6", "[Armor]", "ArmorType=3", "Defense=77",
                                  "Regen=0,8"}));
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Fighter);  // the armour list holds armours now
  p.load(dir / "m.brk");
  const Sheet& s = p.calc.sheet;
  EXPECT_EQ(s[Ctl::Select_Armor].rows, armour_list_rows(true));
  EXPECT_EQ(s.row(Ctl::Select_Armor), 3);
  EXPECT_EQ(s.text(Ctl::Select_Armor), armour_list_rows(true).at(3));
  EXPECT_EQ(s[Ctl::img_set_armor].picture, item_picture_name(Ctl::Select_Armor, 3, true).value());
  EXPECT_EQ(s.text(Ctl::stat_armor_def), "77");          // the stored value wins over the robe's
  EXPECT_EQ(s.text(Ctl::stat_armor_abs), "0");           // missing: "0", not the robe's
  EXPECT_EQ(s.text(Ctl::stat_robe_regen), "0.8");
  EXPECT_TRUE(s[Ctl::stat_robe_regen].enabled);
}

TEST(BuildLoad, ArmourRowZeroClearsThePicture) {
  TempDir dir;
  write_bytes(dir / "f.brk", ini({"[CharacterStats]", "Class=0", "[Armor]", "ArmorType=2"}));
  write_bytes(dir / "g.brk", ini({"[CharacterStats]", "Class=0", "[Armor]", "ArmorType=0"}));
  StartedSheet p;
  p.load(dir / "f.brk");
  EXPECT_EQ(p.calc.sheet[Ctl::img_set_armor].picture, "Armor_02.bmp");
  p.load(dir / "g.brk");
  EXPECT_EQ(p.calc.sheet[Ctl::img_set_armor].picture, "");
  EXPECT_EQ(p.calc.sheet.row(Ctl::Select_Armor), 0);
}

TEST(BuildLoad, StoredItemFieldsWinOverTheItemTable) {
  TempDir dir;
  write_bytes(dir / "s.brk", ini({"[CharacterStats]", "Class=5", "[Shield]", "ShieldType=3", "Defense=5",
                                  "[Accessories]", "RingType2=2", "RingsHP2=1"}));
  StartedSheet p;
  p.load(dir / "s.brk");
  const Sheet& s = p.calc.sheet;
  EXPECT_EQ(s.row(Ctl::Select_Shield), 3);
  EXPECT_EQ(s[Ctl::img_set_shield].picture, "Shield_03.bmp");
  EXPECT_EQ(s.text(Ctl::stat_shield_def), "5");
  EXPECT_EQ(s.text(Ctl::stat_shield_blk), "0");  // the table's block is overwritten by the default
  EXPECT_EQ(s.row(Ctl::Select_ring2), 2);
  EXPECT_EQ(s.text(Ctl::stat_rings_HP_2), "1");
  EXPECT_EQ(s.text(Ctl::stat_rings_STM_2), "0");
  EXPECT_EQ(s[Ctl::img_set_ring2].picture, "Ring_02.bmp");
}

TEST(BuildLoad, RowsAListDoesNotHaveSelectNothing) {
  TempDir dir;
  StartedSheet p;
  p.load([&] {
    write_bytes(dir / "one.brk", ini({"[CharacterStats]", "Class=0", "[Shield]", "ShieldType=2", "[Orb]",
                                      "OrbType=1"}));
    return dir / "one.brk";
  }());
  EXPECT_FALSE(p.calc.sheet[Ctl::img_set_shield].picture.empty());
  write_bytes(dir / "rows.brk",
              ini({"[CharacterStats]", "Class=99", "[Armor]", "ArmorType=500", "[Shield]", "ShieldType=-1",
                   "Defense=14", "[Orb]", "OrbType=2147483647", "[Boots]", "BootsType=-2147483648",
                   "[Accessories]", "RingType1=99999999999", "RingsHP=3", "[1hWeapon]", "WeaponType=9",
                   "WeaponSpeed=-7", "[2hWeapon]", "WeaponType=-1"}));
  p.load(dir / "rows.brk");
  const Sheet& s = p.calc.sheet;
  EXPECT_EQ(s.row(Ctl::Select_class), -1);
  EXPECT_EQ(s.row(Ctl::Select_Armor), -1);
  EXPECT_EQ(s.row(Ctl::Select_Shield), -1);
  EXPECT_EQ(s[Ctl::img_set_shield].picture, "");  // no item: no picture
  EXPECT_EQ(s.text(Ctl::stat_shield_def), "14");   // the stored fields still load
  EXPECT_EQ(s.row(Ctl::Select_Orb), -1);
  EXPECT_EQ(s[Ctl::img_set_orb].picture, "");
  EXPECT_EQ(s.row(Ctl::Select_Boots), -1);
  EXPECT_EQ(s.row(Ctl::Select_ring1), 0);  // not a 32-bit integer: the default row 0
  EXPECT_EQ(s.text(Ctl::stat_rings_HP), "3");
  EXPECT_EQ(s.row(Ctl::Select_weapon), -1);
  EXPECT_EQ(s.row(Ctl::stat_weap_spd), -1);
  EXPECT_EQ(s.row(Ctl::Select_weapon_2), -1);
  EXPECT_EQ(s.status_panel1, "OK");
}

TEST(BuildLoad, NamesMatchWithoutLetterCaseAndTheVersionIsNotRead) {
  TempDir dir;
  write_bytes(dir / "c.brk", "[characterstats]\nCLASS = 1\nlevel=12\n[ARMOR]\ndefense = 9\n");
  StartedSheet p;
  p.load(dir / "c.brk");
  EXPECT_EQ(p.calc.sheet.row(Ctl::Select_class), Archer);
  EXPECT_EQ(p.calc.sheet.text(Ctl::stat_level), "12");
  EXPECT_EQ(p.calc.sheet.text(Ctl::stat_armor_def), "9");
}

TEST(BuildLoad, OneLoadIsOnePass) {
  TempDir dir;
  write_bytes(dir / "o.brk", ini({"[CharacterStats]", "Class=0", "Level=60", "[Armor]", "ArmorType=4", "[Shield]",
                                  "ShieldType=2", "[Orb]", "OrbType=3", "[Boots]", "BootsType=2", "[Gaunts]",
                                  "GauntsType=2", "[Armlets]", "ArmletsType=2", "[Accessories]", "AmuletType=2",
                                  "RingType1=3", "RingType2=4"}));
  StartedSheet p;
  const auto before = p.calc.passes();
  p.load(dir / "o.brk");
  EXPECT_EQ(p.calc.passes(), before + 1);
  EXPECT_EQ(p.calc.state.calc_ready, 1);
  EXPECT_TRUE(p.calc.attached(Ctl::stat_level));
  EXPECT_EQ(p.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(p.dialogs.open_filters, std::vector<std::string>{"*.brk|*.brk"});
}

TEST(BuildLoad, OtherExtensionLoadsTheBrkFileAndLabelShowsTheChosenName) {
  TempDir dir;
  write_bytes(dir / "mybuild.brk", ini({"[CharacterStats]", "Class=2", "Level=33"}));
  StartedSheet p;
  p.calc.state.app_dir = dir.path().string();
  p.load(dir / "mybuild.txt");
  EXPECT_EQ(p.calc.sheet.row(Ctl::Select_class), Pikeman);
  EXPECT_EQ(p.calc.sheet.text(Ctl::stat_level), "33");
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "mybuild.txt");
}

TEST(BuildLoad, MissingFileLoadsAllDefaults) {
  TempDir dir;
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Knight);
  p.load(dir / "nothing.brk");
  EXPECT_EQ(p.calc.sheet.row(Ctl::Select_class), Fighter);
  EXPECT_EQ(p.calc.sheet.row(Ctl::Select_weapon), 8);
  EXPECT_EQ(p.calc.sheet.status_panel1, "OK");
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), (dir / "nothing.brk").string());
}

TEST(BuildLoad, CancelChangesNoFieldButRecalculates) {
  TempDir dir;
  write_bytes(dir / "a.brk", ini({"[CharacterStats]", "Class=5", "Level=50", "[Quest]", "Level30=1"}));
  StartedSheet p;
  p.calc.user_click(Ctl::MainMenu_file_load);  // cancelled, nothing opened before
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "");
  EXPECT_EQ(p.calc.passes(), 1u);

  p.load(dir / "a.brk");
  p.calc.user_set_checked(Ctl::tier3_done, true);
  const auto before = snapshot(p.calc.sheet);
  const auto bonus = p.calc.state.quest_bonus;
  p.calc.state.quest_bonus.fill(777);  // cleared and recomputed by the pass
  const auto passes = p.calc.passes();
  p.calc.user_click(Ctl::MainMenu_file_load);  // cancelled
  EXPECT_EQ(p.calc.passes(), passes + 1);
  EXPECT_EQ(p.calc.state.quest_bonus, bonus);
  EXPECT_EQ(snapshot(p.calc.sheet), before);
  EXPECT_TRUE(p.calc.sheet.checked(Ctl::tier3_done));
  // The label still names the last file opened through the dialog.
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), (dir / "a.brk").string());
}

TEST(BuildLoad, CancelAfterASaveShowsTheLastOpenedFile) {
  TempDir dir;
  write_bytes(dir / "a.brk", ini({"[CharacterStats]", "Class=1"}));
  StartedSheet p;
  p.calc.state.app_dir = dir.path().string();
  p.load(dir / "a.brk");
  p.dialogs.save_answers.push_back((dir / "b.brk").string());
  ASSERT_EQ(file_saveClick(p.calc), SaveOutcome::Saved);
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "b.brk");
  p.calc.user_click(Ctl::Btn_FileOpen);  // cancelled
  EXPECT_EQ(p.calc.sheet.text(Ctl::lbl_filename), "a.brk");
}

TEST(BuildLoad, GarbageLoadsAsDefaultsWithoutFailing) {
  TempDir dir;
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
  const std::string invalid_utf8 = "[CharacterStats]\r\nClass=\xff\xfe\xc3\r\nLevel=4\xc0\r\n[Armor]\r\nDefense=\xe2\x82";
  const std::string long_line = "[Armor]\r\nDefense=" + std::string(3'000'000, '9') + "\r\nAbsorption=" +
                                std::string(1'000'000, '1') + ",5\r\n";
  const std::string nuls = std::string("[CharacterStats]\0Class=3\0\r\nLevel=\0\x30\r\n", 34);
  int n = 0;
  for (const std::string& bytes : {garbage, invalid_utf8, long_line, nuls}) {
    const fs::path file = dir / ("g" + std::to_string(n++) + ".brk");
    write_bytes(file, bytes);
    StartedSheet p;
    p.calc.user_select_row(Ctl::Select_class, Knight);
    p.load(file);
    EXPECT_EQ(p.calc.sheet.status_panel1, "OK") << n;
    EXPECT_EQ(p.calc.sheet.row(Ctl::Select_weapon), 8) << n;
    EXPECT_EQ(p.calc.sheet.text(Ctl::stat_armor_def), "0") << n;
  }
}

TEST(BuildLoad, TooLargeFileIsReportedAndChangesNothing) {
  TempDir dir;
  std::string big = ini({"[CharacterStats]", "Class=3", "Level=70"});
  big.resize(IniDocument::default_max_file_bytes + 10, ' ');
  write_bytes(dir / "huge.brk", big);
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Knight);
  p.calc.user_set_value(Ctl::stat_level, 21);
  const auto before = snapshot(p.calc.sheet);
  p.load(dir / "huge.brk");
  EXPECT_NE(p.calc.sheet.status_panel1, "OK");
  EXPECT_NE(p.calc.sheet.status_panel1.find("huge.brk"), std::string::npos) << p.calc.sheet.status_panel1;
  ASSERT_EQ(p.log.lines.size(), 1u);
  EXPECT_EQ(p.log.lines[0].detail, "MainMenu_file_load");
  EXPECT_EQ(snapshot(p.calc.sheet), before);
  // The sheet is live again.
  EXPECT_TRUE(p.calc.attached(Ctl::stat_level));
}

// --- the close question ---------------------------------------------------------------

TEST(BuildClose, NoEndsWithoutSaving) {
  StartedSheet p;
  p.dialogs.warning_answers.push_back(Answer::No);
  EXPECT_TRUE(CloseApp(p.calc, Ctl::Button1));
  EXPECT_EQ(p.dialogs.warnings, std::vector<std::string>{"Save the current Character before quit ?"});
  EXPECT_TRUE(p.dialogs.save_filters.empty());
}

TEST(BuildClose, AbortOrClosedBoxKeepsRunning) {
  StartedSheet p;
  p.dialogs.warning_answers = {Answer::Abort, Answer::Closed, Answer::Cancel};
  EXPECT_FALSE(CloseApp(p.calc, Ctl::MainMenu_file_exit));
  EXPECT_FALSE(oncloserunthis(p.calc));
  EXPECT_FALSE(oncloserunthis(p.calc));
  EXPECT_TRUE(p.dialogs.save_filters.empty());
}

TEST(BuildClose, YesSavesThenEnds) {
  TempDir dir;
  StartedSheet p;
  p.calc.user_select_row(Ctl::Select_class, Atalanta);
  p.dialogs.warning_answers.push_back(Answer::Yes);
  p.dialogs.save_answers.push_back((dir / "quit").string());
  EXPECT_TRUE(oncloserunthis(p.calc));
  EXPECT_EQ(load_ini_file(dir / "quit.brk").get("CharacterStats", "Class"), "4");
}

TEST(BuildClose, YesThenCancelledSaveEndsWithoutAFile) {
  TempDir dir;
  StartedSheet p;
  p.dialogs.warning_answers.push_back(Answer::Yes);
  EXPECT_TRUE(CloseApp(p.calc, Ctl::Button1));
  EXPECT_EQ(p.dialogs.save_filters.size(), 1u);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(BuildClose, YesWithAFailedSaveKeepsRunning) {
  TempDir dir;
  StartedSheet p;
  p.dialogs.warning_answers.push_back(Answer::Yes);
  p.dialogs.save_answers.push_back((dir / "gone" / "x.brk").string());
  EXPECT_FALSE(CloseApp(p.calc, Ctl::Button1));
  EXPECT_NE(p.calc.sheet.status_panel1, "OK");
  ASSERT_EQ(p.log.lines.size(), 1u);
  EXPECT_EQ(p.log.lines[0].detail, "Button1");
}
