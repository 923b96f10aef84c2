// Build codes: every golden build survives its code, a full build's code
// is short, refused codes load nothing, and the active effects (force orb,
// buffs, timed switches) survive a build file.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "buildfile/build_code.h"
#include "buildfile/build_file.h"
#include "tests/unit/build_file_test_util.h"
#include "tests/unit/golden_builds.h"

using namespace brennick;
using namespace brennick::testing_build;
using namespace brennick::testing_golden;

namespace {

bool paste(StartedSheet& s, const std::string& code) {
  return s.calc.user_paste_build_code(code);
}

// The JSON of the sheet with the file label too.
std::string whole(const Calculator& calc) { return sheet_json(calc).dump(1); }

// A code of a body of our choosing: version, packing, body, checksum.
std::string code_of_bytes(std::uint8_t version, std::uint8_t packing, const std::string& body) {
  std::string bytes;
  bytes += static_cast<char>(version);
  bytes += static_cast<char>(packing);
  return frame_build_code(bytes + body);
}

std::string raw_deflate(const std::string& bytes) {
  z_stream z{};
  deflateInit2(&z, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&z, bytes.size()), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  z.avail_in = static_cast<uInt>(bytes.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// A level-120 Knight with every box filled, every item chosen, every skill
// at 10, every buff it may receive on at 10, timed skills on and a force orb.
void full_build(StartedSheet& s) {
  Planner& p = s.calc;
  p.user_select_row(Ctl::Select_class, Knight);
  p.user_set_text(Ctl::stat_level, "120");
  for (Ctl id : {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility, Ctl::stat_health})
    p.user_set_text(id, "123");
  for (Ctl list : {Ctl::Select_Armor, Ctl::Select_Shield, Ctl::Select_Orb, Ctl::Select_Boots, Ctl::Select_Gaunts,
                   Ctl::Select_armlets, Ctl::Select_amulet, Ctl::Select_ring1, Ctl::Select_ring2})
    p.user_select_row(list, static_cast<int>(p.sheet[list].rows.size()) - 1);
  int n = 0;
  for (const BuildKey& k : build_keys()) {
    ++n;
    if (k.kind == BuildKeyKind::IntText) p.user_set_text(k.control, std::to_string(100 + 37 * n % 900));
    if (k.kind == BuildKeyKind::DecimalText) p.user_set_text(k.control, std::to_string(n % 40) + ".7");
    if (k.kind == BuildKeyKind::Bool) p.user_set_checked(k.control, true);
  }
  p.user_select_row(Ctl::Select_weapon, 0);
  p.user_select_row(Ctl::Select_weapon_2, 5);
  p.user_select_row(Ctl::stat_weap_spd, 1);
  p.user_select_row(Ctl::stat_weap_spd_2, 0);
  for (int i = 0; i < 16; ++i) p.user_set_text(slot_controls(i).level, "10");
  for (int i : {0, 3, 8, 13}) p.user_click(slot_controls(i).kind_img);
  for (int i = 0; i < 8; ++i) {
    p.user_set_text(cast_on_controls(i).spin, "10");
    if (i != 5) p.user_click(cast_on_controls(i).stat_img);
  }
  p.user_select_row(Ctl::Select_ForceOrb, 9);
}

}  // namespace

TEST(BuildCode, EveryGoldenBuildLoadsFromItsCodeAsFromItsFile) {
  const std::vector<fs::path> cases = golden_cases();
  ASSERT_GE(cases.size(), 20u);
  TempDir dir;
  std::size_t longest = 0;
  for (const fs::path& file : cases) {
    const GoldenBuild g = read_golden(file);
    SCOPED_TRACE(g.name);
    StartedSheet original(g.format);
    build(original, g);
    const fs::path saved = dir / (g.name + ".brk");
    original.dialogs.save_answers.push_back(saved.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);

    const std::string code = build_code_of(load_ini_file(saved));
    EXPECT_EQ(code, build_code_of_sheet(original.calc));
    EXPECT_EQ(code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_", 4),
              std::string::npos);
    longest = std::max(longest, code.size());
    if (g.name.ends_with("_120")) std::cout << "[ code size ] " << g.name << ": " << code.size() << " characters\n";

    StartedSheet from_file(g.format), from_code(g.format);
    from_file.load(saved);
    ASSERT_TRUE(paste(from_code, code));
    EXPECT_EQ(first_difference(printed(from_code.calc), printed(from_file.calc)), "");
    EXPECT_EQ(from_code.calc.sheet.text(Ctl::lbl_filename), "none");
    EXPECT_EQ(from_code.calc.passes(), from_file.calc.passes());
    // The code's document is the file's, key for key.
    EXPECT_EQ(first_difference(document_of_build_code(code).to_string(), read_bytes(saved)), "");
  }
  std::cout << "[ code size ] longest code of a golden build: " << longest << " characters\n";
}

TEST(BuildCode, FullLevel120BuildFitsIn400Characters) {
  StartedSheet s;
  full_build(s);
  ASSERT_EQ(s.calc.sheet.status_panel1, "OK");
  const std::string code = build_code_of_sheet(s.calc);
  std::cout << "[ code size ] full level-120 build: " << code.size() << " characters\n";
  EXPECT_LE(code.size(), 400u);

  StartedSheet again;
  ASSERT_TRUE(paste(again, code));
  EXPECT_EQ(first_difference(printed(again.calc), printed(s.calc)), "");
  // Under the comma locale the same code gives the same numbers.
  StartedSheet comma(NumberFormat::comma());
  ASSERT_TRUE(paste(comma, code));
  std::string shown = s.calc.sheet.text(Ctl::stat_armor_abs);
  std::replace(shown.begin(), shown.end(), '.', ',');
  EXPECT_EQ(comma.calc.sheet.text(Ctl::stat_armor_abs), shown);
  EXPECT_EQ(build_code_of_sheet(comma.calc), code);
}

TEST(BuildCode, KeepsEveryValueAsWrittenAndTheOtherSections) {
  const std::string text =
      "[CharacterStats]\r\nClass=4\r\nLevel=007\r\nStrenght=abc\r\nSpirit=\r\nTalent=-5\r\n\r\n"
      "[Armor]\r\nAbsorption=-0,5\r\nSpecAbsorption=15,0\r\nRegen=1,23456\r\nDefense=99999999999999999999\r\n"
      "Extra=kept = as is\r\n\r\n"
      "[BrennickVersion]\r\nVersion=0.2.1\r\n\r\n"
      "[Mine]\r\nNote=a;b\r\nEmpty=\r\n\r\n";
  const IniDocument doc = IniDocument::parse(text);
  const IniDocument back = document_of_build_code(build_code_of(doc));
  for (const std::string& section : doc.sections())
    for (const std::string& key : doc.keys(section)) EXPECT_EQ(back.get(section, key), doc.get(section, key)) << key;
  EXPECT_EQ(back.get("Mine", "Note"), "a;b");
  EXPECT_EQ(back.get("Mine", "Empty"), "");
  EXPECT_EQ(back.get("Armor", "Extra"), "kept = as is");
  EXPECT_FALSE(back.has_key("CharacterStats", "Agility"));  // missing stays missing
  // Blanks and line breaks a chat puts in do not matter.
  const std::string code = build_code_of(doc);
  std::string wrapped = "  " + code.substr(0, 10) + "\r\n" + code.substr(10, 7) + " \t" + code.substr(17) + "\n";
  EXPECT_EQ(document_of_build_code(wrapped).to_string(), back.to_string());
}

TEST(BuildCode, RefusedCodesLoadNothingAndSayWhy) {
  StartedSheet built;
  full_build(built);
  const std::string good = build_code_of_sheet(built.calc);
  std::string flipped = good;
  flipped[20] = flipped[20] == 'A' ? 'B' : 'A';

  std::string zeros(kMaxBuildCodeBytes + 1, '\0');
  std::string bomb_body = raw_deflate(std::string(50u * 1024u * 1024u, '\0'));
  struct Case {
    std::string code, message;
  };
  const std::vector<Case> cases = {
      {"", "Not a build code: a build code begins with \"BRK-\""},
      {"[CharacterStats]\r\nClass=3", "Not a build code: a build code begins with \"BRK-\""},
      {"brk-" + good.substr(4), "Not a build code: a build code begins with \"BRK-\""},
      {good.substr(0, 30) + "*" + good.substr(30), "Damaged build code: it holds a character that no build code has"},
      {good.substr(0, good.size() - 1), "Damaged or incomplete build code: its checksum does not match"},
      {good.substr(0, good.size() / 2), "Damaged or incomplete build code: its checksum does not match"},
      {"BRK-", "Damaged or incomplete build code: its checksum does not match"},
      {flipped, "Damaged or incomplete build code: its checksum does not match"},
      {code_of_bytes(2, 0, ""), "Build code of another version (2): this planner reads version 1"},
      {code_of_bytes(1, 1, bomb_body), "Build code refused: it would expand past 64 KiB"},
      {code_of_bytes(1, 1, raw_deflate(zeros)), "Build code refused: it would expand past 64 KiB"},
      {code_of_bytes(1, 0, zeros), "Build code refused: it would expand past 64 KiB"},
      {code_of_bytes(1, 0, std::string(3, '\x7f')), "Damaged build code: its content is not a build"},
      {code_of_bytes(1, 2, ""), "Damaged build code: its content is not a build"},
      {code_of_bytes(1, 1, "not deflate"), "Damaged build code: its content is not a build"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code.substr(0, 60));
    StartedSheet s;
    full_build(s);
    s.calc.sheet.set_text(Ctl::lbl_filename, "mine.brk");
    const std::string before = whole(s.calc);
    const std::size_t passes = s.calc.passes();
    EXPECT_FALSE(paste(s, c.code));
    EXPECT_EQ(s.calc.sheet.status_panel1, c.message);
    s.calc.sheet.status_panel1 = "OK";
    EXPECT_EQ(first_difference(whole(s.calc), before), "");
    EXPECT_EQ(s.calc.passes(), passes);
    ASSERT_EQ(s.log.lines.size(), 1u);
    EXPECT_EQ(s.log.lines[0].message, c.message);
    EXPECT_TRUE(s.calc.attached(Ctl::stat_level));
  }
  // A code 64 KiB long when expanded is still read.
  StartedSheet s;
  const std::string at_limit = "\x03" + std::string(kMaxBuildCodeBytes - 1, '\x03');
  EXPECT_FALSE(paste(s, code_of_bytes(1, 1, raw_deflate(at_limit))));
  EXPECT_EQ(s.calc.sheet.status_panel1, "Damaged build code: its content is not a build");  // read, then malformed
}

// A code refused on the start sheet, before its first pass, says why and
// leaves the sheet and its state as they were (the pass is not marked done).
TEST(BuildCode, RefusedOnTheStartSheetLeavesItAsItWas) {
  StartedSheet s;
  ASSERT_EQ(s.calc.state.calc_ready, 0);
  const std::string before = whole(s.calc);
  EXPECT_FALSE(paste(s, "BRK-AQFj0j7Ms"));
  EXPECT_EQ(s.calc.sheet.status_panel1, "Damaged or incomplete build code: its checksum does not match");
  ASSERT_EQ(s.log.lines.size(), 1u);
  s.calc.sheet.status_panel1 = "OK";
  EXPECT_EQ(first_difference(whole(s.calc), before), "");
  EXPECT_EQ(s.calc.state.calc_ready, 0);
  EXPECT_TRUE(s.calc.attached(Ctl::stat_level));
}

// --- what the sheet shows beyond the stored fields ----------------------------------

TEST(ActiveEffects, BuffsSwitchesAndForceOrbSurviveAFile) {
  TempDir dir;
  StartedSheet s;
  full_build(s);
  const fs::path file = dir / "full.brk";
  s.dialogs.save_answers.push_back(file.string());
  ASSERT_EQ(file_saveClick(s.calc), SaveOutcome::Saved);
  const std::string bytes = read_bytes(file);
  EXPECT_NE(bytes.find("\r\n[ActiveEffects]\r\nForceOrb=9\r\nCastOn1=10\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("CastOn1On=1\r\nCastOn2On=0\r\nCastOn4On=1\r\n"), std::string::npos);  // Holy Valor is no Knight buff; slot 3 has no switch
  EXPECT_NE(bytes.find("CastOn6On=0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Skill1On=1\r\nSkill2On=0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("Skill16On=0\r\n\r\n"), std::string::npos);

  StartedSheet loaded;
  loaded.load(file);
  EXPECT_EQ(first_difference(printed(loaded.calc), printed(s.calc)), "");
  EXPECT_EQ(loaded.calc.sheet.text(Ctl::Lbl_final_stat_atkpow), s.calc.sheet.text(Ctl::Lbl_final_stat_atkpow));
}

TEST(ActiveEffects, AFileWithoutTheSectionLeavesThemAsTheyWere) {
  TempDir dir;
  for (const fs::path& golden : golden_cases()) {
    const GoldenBuild g = read_golden(golden);
    SCOPED_TRACE(g.name);
    StartedSheet original(g.format);
    build(original, g);
    const fs::path file = dir / (g.name + ".brk");
    original.dialogs.save_answers.push_back(file.string());
    ASSERT_EQ(file_saveClick(original.calc), SaveOutcome::Saved);
    // The file as the planner wrote it before the section existed.
    std::string bytes = read_bytes(file);
    const std::size_t at = bytes.find("[ActiveEffects]\r\n");
    ASSERT_NE(at, std::string::npos);
    const std::size_t end = bytes.find("\r\n\r\n", at);
    bytes.erase(at, end + 4 - at);
    ASSERT_EQ(bytes.find("On="), std::string::npos);
    const fs::path old_file = dir / (g.name + ".old.brk");
    write_bytes(old_file, bytes);

    // Loaded into a sheet that had effects of its own: they stay.
    StartedSheet s(g.format);
    s.calc.user_select_row(Ctl::Select_ForceOrb, 4);
    s.calc.user_set_text(cast_on_controls(6).spin, "7");
    s.calc.user_click(cast_on_controls(6).stat_img);
    s.calc.user_click(slot_controls(2).kind_img);
    const CalcState effects = s.calc.state;
    s.load(old_file);
    EXPECT_EQ(s.calc.sheet.row(Ctl::Select_ForceOrb), 4);
    EXPECT_EQ(s.calc.sheet.value(cast_on_controls(6).spin), 7);
    EXPECT_EQ(s.calc.state.cast_on_on, effects.cast_on_on);
    EXPECT_EQ(s.calc.state.skill_on, effects.skill_on);
    EXPECT_EQ(s.calc.sheet[cast_on_controls(6).stat_img].picture, "on.bmp");
    EXPECT_EQ(first_difference(stored_controls(s.calc), stored_controls(original.calc)), "");

    // Into a fresh sheet: the same as the sheet the file's own fields give.
    StartedSheet fresh(g.format), only_fields(g.format);
    fresh.load(old_file);
    IniDocument doc = load_ini_file(old_file);
    only_fields.calc.state.calc_ready = 0;
    only_fields.calc.changeEvents();
    apply_build(only_fields.calc, doc);
    EXPECT_EQ(first_difference(stored_controls(fresh.calc), stored_controls(only_fields.calc)), "");
    EXPECT_EQ(fresh.calc.state.skill_on, only_fields.calc.state.skill_on);
    EXPECT_EQ(fresh.calc.state.cast_on_on, only_fields.calc.state.cast_on_on);
  }
}

TEST(ActiveEffects, BadValuesLeaveTheirControlAsItWas) {
  TempDir dir;
  const fs::path file = dir / "odd.brk";
  write_bytes(file,
              "[CharacterStats]\r\nClass=5\r\nLevel=90\r\n\r\n[activeeffects]\r\nforceorb=42\r\nCastOn1=77\r\n"
              "CastOn2=abc\r\nCastOn4On=5\r\nSkill3On=1\r\nSkill4On=x\r\n\r\n");
  StartedSheet s;
  s.calc.user_select_row(Ctl::Select_ForceOrb, 2);
  s.calc.user_set_text(cast_on_controls(1).spin, "3");
  s.load(file);
  EXPECT_EQ(s.calc.sheet.row(Ctl::Select_ForceOrb), 2);     // no row 42
  EXPECT_EQ(s.calc.sheet.value(cast_on_controls(0).spin), 10);  // clamped
  EXPECT_EQ(s.calc.sheet.value(cast_on_controls(1).spin), 3);   // not a number
  EXPECT_EQ(s.calc.state.cast_on_on[3], 1);
  EXPECT_EQ(s.calc.state.skill_on[2], 1);
  EXPECT_EQ(s.calc.state.skill_on[3], 0);
  EXPECT_EQ(s.calc.sheet.status_panel1, "OK");
}
