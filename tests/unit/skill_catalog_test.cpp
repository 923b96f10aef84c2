// Validation of the whole skill catalog: layout, the fixed game facts, the
// value shapes the readers rely on, and the strictness of the data files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/calc_skill.h"
#include "data/skill_catalog.h"
#include "data/skill_catalog_json.h"
#include "data/skill_info.h"
#include "base/number_text.h"

namespace brennick {
namespace {

const SkillCatalog& cat() { return skill_catalog(); }

// A shape pattern: 'N' is one decimal digit, every other character literal.
bool fits_shape(std::string_view text, std::string_view shape) {
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (shape[i] == 'N' ? (text[i] < '0' || text[i] > '9') : text[i] != shape[i]) return false;
  }
  return true;
}

bool fits_any(std::string_view text, const std::vector<std::string>& shapes) {
  return std::any_of(shapes.begin(), shapes.end(), [&](const std::string& s) { return fits_shape(text, s); });
}

std::string where(int skill, int row, int level) {
  return "skill " + std::to_string(skill) + " row " + std::to_string(row) + " level " + std::to_string(level);
}

// ---------------------------------------------------------------- fixed tables

TEST(SkillCatalog, ClassStartStatsAndLevelRequirements) {
  const int stats[8][5] = {{28, 6, 21, 17, 27}, {17, 11, 21, 27, 23}, {26, 9, 20, 19, 25}, {24, 8, 25, 18, 24},
                           {23, 15, 19, 19, 23}, {26, 13, 17, 19, 24}, {16, 29, 19, 14, 21}, {15, 28, 21, 15, 20}};
  for (int c = 0; c < kClassCount; ++c) {
    int sum = 0;
    for (int s = 0; s < kStatCount; ++s) {
      EXPECT_EQ(cat().start_stat(c, s), stats[c][s]) << kClassNames[c] << " stat " << s;
      EXPECT_EQ(cat().class_start_stats[c * 5 + s], stats[c][s]);  // class-major
      sum += cat().start_stat(c, s);
    }
    EXPECT_EQ(sum, 99) << kClassNames[c];
  }
  const int req[16] = {10, 12, 14, 17, 20, 23, 26, 30, 40, 43, 46, 50, 60, 63, 66, 70};
  for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(cat().level_req(i), req[i]) << slot_name(i);
}

struct NamedSkill {
  int skill;
  const char* slot;
  const char* name;
  std::vector<std::string> labels;
};

// The 128 skills of the eight classes with the labels of their rows, row 1 first.
const std::vector<NamedSkill> kSkills = {
    {1, "tier1_1", "Melee Mastery", {"+%wAP"}},
    {2, "tier1_2", "Fire Attribute", {"+FireRes"}},
    {3, "tier1_3", "Raving", {"+%tAP", "Hits", "D-%HP", "MP", "STM"}},
    {4, "tier1_4", "Impact", {"+%tAP", "+AR", "MP", "STM"}},
    {5, "tier2_1", "Triple Impact", {"+%tAP", "Hits", "MP", "STM"}},
    {6, "tier2_2", "Brutal Swing", {"+%tAP", "+Crit", "MP", "STM"}},
    {7, "tier2_3", "Roar", {"Range", "Duration", "MP", "STM"}},
    {8, "tier2_4", "Rage of Zecram", {"s%tAP", "+%tAP", "MP", "STM"}},
    {9, "tier3_1", "Concentration", {"+AR", "Duration", "MP", "STM"}},
    {10, "tier3_2", "Avenging Crash", {"+%tAP", "+%wAR", "MP", "STM"}},
    {11, "tier3_3", "Swift Axe", {"+%aSpd", "Duration", "MP", "STM"}},
    {12, "tier3_4", "Bone Crush", {"+%tAP", "D+%tAP", "MP", "STM"}},
    {13, "tier4_1", "Destroyer", {"+%tAP", "+Crit", "MP", "STM"}},
    {14, "tier4_2", "Beserker", {"+AP", "-Abs", "Duration", "MP", "STM"}},
    {15, "tier4_3", "Cyclone Strike", {"+%tAP", "aAP", "Hits", "Range", "MP", "STM"}},
    {16, "tier4_4", "Boost Health", {"+HP"}},
    {17, "tier1_1", "Scout Hawk", {"+%wAR", "rotate", "MP", "STM"}},
    {18, "tier1_2", "Shooting Mastery", {"+%wAP"}},
    {19, "tier1_3", "Wind Arrow", {"+%tAP", "+wSpd", "MP", "STM"}},
    {20, "tier1_4", "Perfect Aim", {"+%wAR", "+AP", "MP", "STM"}},
    {21, "tier2_1", "Dion`s Eye", {"+%wAR"}},
    {22, "tier2_2", "Falcon", {"AP", "Duration", "MP", "STM"}},
    {23, "tier2_3", "Arrows of Rage", {"+AP", "Range", "MP", "STM"}},
    {24, "tier2_4", "Avalanche", {"+%tAP", "+wSpd", "Shots", "MP", "STM"}},
    {25, "tier3_1", "Elemental Shot", {"+Fire AP", "+Light AP", "MP", "STM"}},
    {26, "tier3_2", "Golden Falcon", {"%falconAP", "+HPR", "Duration", "MP", "STM"}},
    {27, "tier3_3", "Bomb Shot", {"+%tAP", "+%DtAP", "sAP", "sRange", "MP", "STM"}},
    {28, "tier3_4", "Perforation", {"+%tAP", "+Crit", "sRange", "MP", "STM"}},
    {29, "tier4_1", "Wolverine", {"AP", "AR", "Defense", "HP", "MP", "STM"}},
    {30, "tier4_2", "Evasion Mastery", {"+Eva"}},
    {31, "tier4_3", "Phoenix Shot", {"+%tAP", "+%wSpd", "MP", "STM"}},
    {32, "tier4_4", "Force of Nature", {"+AP", "+AR", "+falconAP", "Duration", "MP", "STM"}},
    {33, "tier1_1", "Pike Wind", {"AP", "Range", "MP", "STM"}},
    {34, "tier1_2", "Ice Attribute", {"+IceRes"}},
    {35, "tier1_3", "Critical Hit", {"+Crit", "MP", "STM"}},
    {36, "tier1_4", "Jumping Crash", {"+%tAP", "+%wAR", "MP", "STM"}},
    {37, "tier2_1", "Ground Pike", {"AP", "Range", "fTime", "MP", "STM"}},
    {38, "tier2_2", "Tornado", {"+%tAP", "Range", "MP", "STM"}},
    {39, "tier2_3", "Weapon Def. Mastery", {"+Block"}},
    {40, "tier2_4", "Expansion", {"+%tAP", "+%wSize", "MP", "STM"}},
    {41, "tier3_1", "Venom Spear", {"AP", "Spears", "Duration", "Range", "MP", "STM"}},
    {42, "tier3_2", "Vanish", {"+%1stHit", "-%Vsbl", "Duration", "MP", "STM"}},
    {43, "tier3_3", "Critical Mastery", {"+Crit"}},
    {44, "tier3_4", "Chain Lance", {"+%tAP", "MP", "STM"}},
    {45, "tier4_1", "Assassin Eye", {"+Crit", "-eCrit", "Duration", "MP", "STM"}},
    {46, "tier4_2", "Charging Strike", {"+%tAP", "+%tcAP", "+Spd", "MP", "STM"}},
    {47, "tier4_3", "Vague", {"+Eva", "Duration", "MP", "STM"}},
    {48, "tier4_4", "Shadow Master", {"+%tAP", "Hits", "MP", "STM"}},
    {49, "tier1_1", "Extreme Shield", {"+Block", "Duration", "MP", "STM"}},
    {50, "tier1_2", "Mechanic Bomb", {"AP", "Range", "MP", "STM"}},
    {51, "tier1_3", "Poisen Attribute", {"+PoisonRes"}},
    {52, "tier1_4", "Physical Absorption", {"+Abs", "Duration", "MP", "STM"}},
    {53, "tier2_1", "Great Smash", {"+AP", "+AR", "MP", "STM"}},
    {54, "tier2_2", "Maximize", {"+%wAP", "Duration", "MP", "STM"}},
    {55, "tier2_3", "Automation", {"+%wAP", "+wSpd", "Duration", "MP", "STM"}},
    {56, "tier2_4", "Spark", {"AP", "Radius", "MP", "STM"}},
    {57, "tier3_1", "Metal Armor", {"+%aDef", "Duration", "MP", "STM"}},
    {58, "tier3_2", "Grand Smash", {"+%tAP", "+AR", "MP", "STM"}},
    {59, "tier3_3", "Mechanic Mastery", {"+%wAP"}},
    {60, "tier3_4", "Spark Shield", {"+tDef", "R%Spark", "Duration", "MP", "STM"}},
    {61, "tier4_1", "Impulsion", {"AP", "Sparks", "Range", "MP", "STM"}},
    {62, "tier4_2", "Compulsion", {"+Abs", "Range", "Duration", "MP", "STM"}},
    {63, "tier4_3", "Magnetic Sphere", {"AP", "Range", "Delay", "Duration", "MP", "STM"}},
    {64, "tier4_4", "Metal Golem", {"AP", "AR", "Def", "HP", "MP", "STM"}},
    {65, "tier1_1", "Shield Strike", {"AP", "MP", "STM"}},
    {66, "tier1_2", "Farina", {"+AR", "+wSpd", "MP", "STM"}},
    {67, "tier1_3", "Throwing Mastery", {"+%wAP"}},
    {68, "tier1_4", "Bigger Spear", {"+AP", "MP", "STM"}},
    {69, "tier2_1", "Windy", {"+%wAR", "+Range", "Duration", "MP", "STM"}},
    {70, "tier2_2", "Twisted Javelin", {"+%tAP", "+%wAR", "MP", "STM"}},
    {71, "tier2_3", "Soul Sucker", {"^%HP", "MP", "STM"}},
    {72, "tier2_4", "Fire Javelin", {"Fire AP", "MP", "STM"}},
    {73, "tier3_1", "Split Javelin", {"+%tAP", "+%wAR", "Javs", "MP", "STM"}},
    {74, "tier3_2", "Triumph of Valhalla", {"+AP", "Duration", "MP", "STM"}},
    {75, "tier3_3", "Lightning Javelin", {"AP", "MP", "STM"}},
    {76, "tier3_4", "Storm Javelin", {"+%tAP", "MP", "STM"}},
    {77, "tier4_1", "Hall of Valhalla", {"+Eva", "Duration", "MP", "STM"}},
    {78, "tier4_2", "Extreme Rage", {"+%tAP", "Range", "MP", "STM"}},
    {79, "tier4_3", "Frost Javelin", {"+AP", "-%eSpd", "fDuration", "Duration", "MP", "STM"}},
    {80, "tier4_4", "Vengeance", {"+%tAP", "+Range", "MP", "STM"}},
    {81, "tier1_1", "Sword Blast", {"AP", "Range", "MP", "STM"}},
    {82, "tier1_2", "Holy Body", {"U+%Abs", "Duration", "MP", "STM"}},
    {83, "tier1_3", "Physical Training", {"+%STM"}},
    {84, "tier1_4", "Double Crash", {"+%tAp", "+Crit", "MP", "STM"}},
    {85, "tier2_1", "Holy Valor", {"U+%tAP", "Range", "Duration", "MP", "STM"}},
    {86, "tier2_2", "Brandish", {"+%tAP", "Range", "MP", "STM"}},
    {87, "tier2_3", "Piercing", {"+%tAP", "Range", "MP", "STM"}},
    {88, "tier2_4", "Drastic Spirit", {"+%Def", "Duration", "MP", "STM"}},
    {89, "tier3_1", "Sword Mastery", {"+%wAP"}},
    {90, "tier3_2", "Divine Shield", {"+%cHP", "+Block", "Duration", "MP", "STM"}},
    {91, "tier3_3", "Holy Incantion", {"Prob", "%eHP", "Duration", "MP", "STM"}},
    {92, "tier3_4", "Grand Cross", {"+%tAP", "U+%tAP", "+%wAR", "MP", "STM"}},
    {93, "tier4_1", "Sword of Justice", {"+%tAP", "Range", "MP", "STM"}},
    {94, "tier4_2", "Godly Shield", {"+%Abs", "Duration", "MP", "STM"}},
    {95, "tier4_3", "God´s Bless", {"+AP", "Duration", "MP", "STM"}},
    {96, "tier4_4", "Divine Piercing", {"+%tAP", "Hits", "MP", "STM"}},
    {97, "tier1_1", "Agony", {"Conv%", "MP", "STM"}},
    {98, "tier1_2", "Fire Bolt", {"AP", "MP", "STM"}},
    {99, "tier1_3", "Zenith", {"+EleR", "Duration", "MP", "STM"}},
    {100, "tier1_4", "Fireball", {"AP", "Range", "Radius", "MP", "STM"}},
    {101, "tier2_1", "Mental Mastery", {"+%MP"}},
    {102, "tier2_2", "Watornado", {"AP", "Range", "Radius", "MP", "STM"}},
    {103, "tier2_3", "Enchant Weapon", {"+FireAP", "+IceAP", "+LightAP", "Duration", "MP", "STM"}},
    {104, "tier2_4", "Death Ray", {"AP", "Range", "MP", "STM"}},
    {105, "tier3_1", "Energy Shield", {"Conv%", "Duration", "MP", "STM"}},
    {106, "tier3_2", "Diatrophism", {"AP", "Range", "MP", "STM"}},
    {107, "tier3_3", "Spirit Elemental", {"+%sAP", "Duration", "MP", "STM"}},
    {108, "tier3_4", "Dancing Sword", {"FireAP", "IceAP", "Duration", "Atk Delay", "MP", "STM"}},
    {109, "tier4_1", "Fire Elemental", {"AP", "AR", "HP", "MP", "STM"}},
    {110, "tier4_2", "Fire Wave", {"AP", "Range", "MP", "STM"}},
    {111, "tier4_3", "Distortion", {"-%eSpd", "-%eAP", "Range", "Duration", "MP", "STM"}},
    {112, "tier4_4", "Meteorite", {"AP", "Range", "MP", "STM"}},
    {113, "tier1_1", "Heal", {"^HP", "MP", "STM"}},
    {114, "tier1_2", "Holy Bolt", {"AP", "MP", "STM"}},
    {115, "tier1_3", "Multi-Spark", {"AP", "Sparks", "MP", "STM"}},
    {116, "tier1_4", "Holy Mind", {"-eAP", "Duration", "MP", "STM"}},
    {117, "tier2_1", "Meditation", {"+MP R."}},
    {118, "tier2_2", "Divine Lightning", {"AP", "Range", "Bolts", "MP", "STM"}},
    {119, "tier2_3", "Holy Reflection", {"Refl%", "Duration", "MP", "STM"}},
    {120, "tier2_4", "Grand Healing", {"^party HP", "Range", "MP", "STM"}},
    {121, "tier3_1", "Vigor Ball", {"AP", "MP", "STM"}},
    {122, "tier3_2", "Resurrection", {"Prob", "MP", "STM"}},
    {123, "tier3_3", "Extinction", {"%Success", "-%UeHP", "MP", "STM"}},
    {124, "tier3_4", "Vitual Life", {"+%HP", "Duration", "MP", "STM"}},
    {125, "tier4_1", "Glacial Spike", {"AP", "Range", "MP", "STM"}},
    {126, "tier4_2", "Regeneration Field", {"+HP R.", "+MP R.", "Duration", "Range", "MP", "STM"}},
    {127, "tier4_3", "Chain Lightning", {"AP", "Bolts", "Range", "MP", "STM"}},
    {128, "tier4_4", "Summon Muspell", {"AP", "Atk Delay", "+%uAbs", "+Block", "Duration", "MP", "STM"}},
};

TEST(SkillCatalog, NamesAndRowLabelsOfEverySkill) {
  ASSERT_EQ(kSkills.size(), 128u);
  for (const NamedSkill& s : kSkills) {
    SCOPED_TRACE("skill " + std::to_string(s.skill));
    const int cls = (s.skill - 1) / 16, slot = (s.skill - 1) % 16;
    EXPECT_EQ(skill_number(cls, slot), s.skill);
    EXPECT_EQ(slot_name(slot), s.slot);
    EXPECT_EQ(cat().name(cls, slot), s.name);
    EXPECT_EQ(cat().name(s.skill), s.name);
    EXPECT_EQ(cat().skill_names[static_cast<std::size_t>(cls * 16 + slot)], s.name);
    ASSERT_EQ(cat().row_count(s.skill), static_cast<int>(s.labels.size()));
    for (int r = 1; r <= 7; ++r) {
      const std::string expected = r <= static_cast<int>(s.labels.size()) ? s.labels[r - 1] : "";
      EXPECT_EQ(cat().row_label(s.skill, r), expected) << "row " << r;
      EXPECT_EQ(cat().skill_row_labels[static_cast<std::size_t>((s.skill - 1) * 7 + (r - 1))], expected);
    }
  }
}

TEST(SkillCatalog, NamesUniquePerClassAndLabelVocabulary) {
  for (int c = 0; c < kClassCount; ++c) {
    std::set<std::string> names;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      EXPECT_FALSE(cat().name(c, slot).empty());
      EXPECT_TRUE(names.insert(cat().name(c, slot)).second) << kClassNames[c] << ": " << cat().name(c, slot);
    }
  }
  std::set<std::string> labels;
  for (const std::string& l : cat().skill_row_labels)
    if (!l.empty()) labels.insert(l);
  EXPECT_EQ(labels.size(), 92u);  // "+%tAp" and "+%tAP" are two texts
}

// ---------------------------------------------------------------- row layout

TEST(SkillCatalog, RowLayoutOfEverySkill) {
  std::map<int, int> skills_by_rows;
  for (int s = 1; s <= kSkillCount; ++s) {
    const int rows = cat().row_count(s);
    ++skills_by_rows[rows];
    for (int r = 1; r <= 7; ++r)
      for (int l = 1; l <= 10; ++l) {
        // Rows are contiguous from row 1 and every existing row has all ten texts.
        EXPECT_EQ(cat().value(s, r, l).empty(), r > rows) << where(s, r, l);
        EXPECT_EQ(cat().skill_values[static_cast<std::size_t>((s - 1) * 70 + (r - 1) * 10 + (l - 1))],
                  cat().value(s, r, l));
      }
    if (rows > 1) {
      EXPECT_EQ(cat().row_label(s, rows - 1), "MP") << "skill " << s;
      EXPECT_EQ(cat().row_label(s, rows), "STM") << "skill " << s;
      for (int l = 1; l <= 10; ++l) {
        EXPECT_GE(skill_int_of_text(cat().value(s, rows - 1, l)), 5) << where(s, rows - 1, l);
        EXPECT_GT(skill_int_of_text(cat().value(s, rows, l)), 0) << where(s, rows, l);
      }
    }
    // Only the fourth skill of a tier has room for a seventh row.
    if (rows == 7) {
      EXPECT_EQ((s - 1) % 4, 3) << "skill " << s;
    }
  }
  const std::map<int, int> expected = {{1, 16}, {3, 14}, {4, 61}, {5, 24}, {6, 12}, {7, 1}};
  EXPECT_EQ(skills_by_rows, expected);
  EXPECT_EQ(cat().row_count(128), 7);

  // The pseudo-skill: one row without label, "0.30" and "0.50", the rest empty.
  EXPECT_EQ(cat().row_count(kPseudoSkill), 1);
  EXPECT_EQ(cat().value(129, 1, 1), "0.30");
  EXPECT_EQ(cat().value(129, 1, 2), "0.50");
  for (int l = 3; l <= 10; ++l) EXPECT_EQ(cat().value(129, 1, l), "");
  EXPECT_EQ(cat().skill_values.size(), 9030u);
  EXPECT_EQ(cat().skill_row_labels.size(), 896u);
}

TEST(SkillCatalog, SingleRowSkillsAreExactlyThePassiveSlots) {
  // Passive slots of each class, as the slot kinds show them.
  const std::vector<std::vector<std::string>> passive = {
      {"tier1_1", "tier1_2", "tier4_4"}, {"tier1_2", "tier2_1", "tier4_2"}, {"tier1_2", "tier2_3", "tier3_3"},
      {"tier1_3", "tier3_3"},            {"tier1_3"},                       {"tier1_3", "tier3_1"},
      {"tier2_1"},                       {"tier2_1"}};
  int single = 0;
  for (int c = 0; c < kClassCount; ++c)
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const bool is_passive = std::find(passive[c].begin(), passive[c].end(), slot_name(slot)) != passive[c].end();
      const int rows = cat().row_count(skill_number(c, slot));
      EXPECT_EQ(rows == 1, is_passive) << kClassNames[c] << " " << slot_name(slot);
      EXPECT_NE(rows, 2);
      single += rows == 1;
    }
  EXPECT_EQ(single, 16);
}

// ---------------------------------------------------------------- value forms

enum class Form { Integer, Decimal, Range, RangeTerm, IntegerTerm, Term, CharLevel, Bad };

Form form_of(const std::string& t) {
  static const std::regex integer(R"(-?\d+)"), decimal(R"(-?\d+\.\d+)"), range(R"(\d+-\d+)"),
      range_term(R"(\d+-\d+\+lv/\d)"), integer_term(R"(\d+\+lv/\d)"), term(R"(lv/\d)"), clvl(R"(\d+\+cLvl)");
  if (std::regex_match(t, integer)) return Form::Integer;
  if (std::regex_match(t, decimal)) return Form::Decimal;
  if (std::regex_match(t, range)) return Form::Range;
  if (std::regex_match(t, range_term)) return Form::RangeTerm;
  if (std::regex_match(t, integer_term)) return Form::IntegerTerm;
  if (std::regex_match(t, term)) return Form::Term;
  if (std::regex_match(t, clvl)) return Form::CharLevel;
  return Form::Bad;
}

TEST(SkillCatalog, ValueFormsAndTheirCounts) {
  std::map<Form, int> cells;
  for (int s = 1; s <= kPseudoSkill; ++s)
    for (int r = 1; r <= cat().row_count(s); ++r) {
      std::set<Form> row_forms;
      for (int l = 1; l <= 10; ++l) {
        const std::string& t = cat().value(s, r, l);
        if (t.empty()) continue;  // pseudo-skill levels 3..10
        const Form f = form_of(t);
        EXPECT_NE(f, Form::Bad) << where(s, r, l) << ": \"" << t << "\"";
        ++cells[f];
        row_forms.insert(f);
        // A range is written lower bound first.
        if (f == Form::Range) {
          const auto dash = t.find('-');
          EXPECT_LE(std::stoi(t.substr(0, dash)), std::stoi(t.substr(dash + 1))) << where(s, r, l);
        }
      }
      EXPECT_EQ(row_forms.size(), 1u) << "skill " << s << " row " << r << " mixes forms";
    }
  EXPECT_EQ(cells[Form::Integer], 3650);
  EXPECT_EQ(cells[Form::Decimal], 872);
  EXPECT_EQ(cells[Form::Range], 370);
  EXPECT_EQ(cells[Form::RangeTerm], 70);
  EXPECT_EQ(cells[Form::IntegerTerm], 30);
  EXPECT_EQ(cells[Form::Term], 10);
  EXPECT_EQ(cells[Form::CharLevel], 10);
  EXPECT_EQ(cells[Form::Bad], 0);
}

// ---------------------------------------------------------------- catalog facts

struct CellFact {
  int skill, row, level;
  const char* text;
};

// Texts fixed by the catalog's telling rows and by the worked examples of the
// reports, buffs and skill window.
const std::vector<CellFact> kCellFacts = {
    // telling rows: Melee Mastery, Raving, Cyclone Strike, Perfect Aim, Pike
    // Wind, Magnetic Sphere, Enchant Weapon, pseudo-skill
    {1, 1, 1, "0.06"}, {1, 1, 2, "0.10"}, {1, 1, 3, "0.14"}, {1, 1, 4, "0.18"}, {1, 1, 5, "0.22"},
    {1, 1, 6, "0.24"}, {1, 1, 7, "0.26"}, {1, 1, 8, "0.28"}, {1, 1, 9, "0.30"}, {1, 1, 10, "0.32"},
    {3, 1, 1, "0.13"}, {3, 1, 2, "0.16"}, {3, 1, 3, "0.19"}, {3, 1, 4, "0.22"}, {3, 1, 5, "0.25"},
    {3, 1, 6, "0.28"}, {3, 1, 7, "0.31"}, {3, 1, 8, "0.34"}, {3, 1, 9, "0.37"}, {3, 1, 10, "0.40"},
    {3, 2, 1, "2"}, {3, 2, 2, "2"}, {3, 2, 3, "2"}, {3, 2, 4, "3"}, {3, 2, 5, "3"},
    {3, 2, 6, "3"}, {3, 2, 7, "4"}, {3, 2, 8, "4"}, {3, 2, 9, "4"}, {3, 2, 10, "4"},
    {3, 3, 1, "0.01"}, {3, 3, 2, "0.012"}, {3, 3, 3, "0.015"}, {3, 3, 4, "0.019"}, {3, 3, 5, "0.021"},
    {3, 3, 6, "0.024"}, {3, 3, 7, "0.027"}, {3, 3, 8, "0.030"}, {3, 3, 9, "0.034"}, {3, 3, 10, "0.036"},
    {3, 4, 1, "14"}, {3, 4, 2, "16"}, {3, 4, 3, "18"}, {3, 4, 4, "20"}, {3, 4, 5, "22"},
    {3, 4, 6, "24"}, {3, 4, 7, "26"}, {3, 4, 8, "28"}, {3, 4, 9, "30"}, {3, 4, 10, "32"},
    {3, 5, 1, "35"}, {3, 5, 2, "37"}, {3, 5, 3, "39"}, {3, 5, 4, "41"}, {3, 5, 5, "43"},
    {3, 5, 6, "45"}, {3, 5, 7, "47"}, {3, 5, 8, "49"}, {3, 5, 9, "51"}, {3, 5, 10, "53"},
    {15, 2, 1, "120-150"}, {15, 2, 2, "135-165"}, {15, 2, 3, "150-180"}, {15, 2, 4, "165-195"},
    {15, 2, 5, "180-210"}, {15, 2, 6, "195-225"}, {15, 2, 7, "210-240"}, {15, 2, 8, "225-255"},
    {15, 2, 9, "240-270"}, {15, 2, 10, "255-285"},
    {20, 2, 1, "4+lv/8"}, {20, 2, 2, "6+lv/8"}, {20, 2, 3, "8+lv/8"}, {20, 2, 4, "10+lv/8"},
    {20, 2, 5, "12+lv/7"}, {20, 2, 6, "14+lv/7"}, {20, 2, 7, "16+lv/7"}, {20, 2, 8, "18+lv/6"},
    {20, 2, 9, "19+lv/6"}, {20, 2, 10, "20+lv/6"},
    {33, 1, 1, "3-20+lv/5"}, {33, 1, 2, "5-27+lv/5"}, {33, 1, 3, "7-34+lv/5"}, {33, 1, 4, "9-41+lv/5"},
    {33, 1, 5, "11-48+lv/5"}, {33, 1, 6, "13-52+lv/5"}, {33, 1, 7, "15-59+lv/5"}, {33, 1, 8, "17-66+lv/5"},
    {33, 1, 9, "19-73+lv/5"}, {33, 1, 10, "21-80+lv/5"},
    {63, 1, 1, "30-40"}, {63, 1, 2, "40-50"}, {63, 1, 3, "50-60"}, {63, 1, 4, "60-70"}, {63, 1, 5, "70-80"},
    {63, 1, 6, "80-90"}, {63, 1, 7, "90-100"}, {63, 1, 8, "100-110"}, {63, 1, 9, "110-120"},
    {63, 1, 10, "120-130"},
    {103, 1, 1, "3-5"}, {103, 1, 2, "6-10"}, {103, 1, 3, "9-15"}, {103, 1, 4, "12-20"}, {103, 1, 5, "15-25"},
    {103, 1, 6, "18-30"}, {103, 1, 7, "21-35"}, {103, 1, 8, "24-40"}, {103, 1, 9, "27-45"}, {103, 1, 10, "30-50"},
    {103, 2, 1, "3-7"}, {103, 2, 2, "5-9"}, {103, 2, 3, "7-11"}, {103, 2, 4, "9-13"}, {103, 2, 5, "11-15"},
    {103, 2, 6, "13-17"}, {103, 2, 7, "15-19"}, {103, 2, 8, "17-21"}, {103, 2, 9, "19-23"}, {103, 2, 10, "21-25"},
    {103, 3, 1, "2-4"}, {103, 3, 2, "4-8"}, {103, 3, 3, "6-12"}, {103, 3, 4, "8-16"}, {103, 3, 5, "10-20"},
    {103, 3, 6, "12-24"}, {103, 3, 7, "14-28"}, {103, 3, 8, "16-32"}, {103, 3, 9, "18-36"}, {103, 3, 10, "20-40"},
    {129, 1, 1, "0.30"}, {129, 1, 2, "0.50"},
    // cells fixed by worked examples
    {14, 2, 3, "-6"},          // Beserker: absorption 12.34 becomes 6.34
    {16, 1, 10, "100"},        // Boost Health adds 100 to both HP values
    {19, 1, 4, "0.39"},        // Wind Arrow: 100 - 120 gives 139 - 166
    {19, 2, 4, "3"},           // Wind Arrow: "Add wSpd: " 3
    {22, 1, 1, "10-36"},       // Falcon: 10 - 36, dot entry 506
    {26, 2, 1, "1.0"},         // Golden Falcon "+HPR" 1.0 .. 3.7 as stored
    {26, 2, 10, "3.7"},
    {29, 3, 1, "1000"},        // Wolverine: defence 1200 with Agility 100
    {32, 1, 10, "30"},         // Force of Nature: +30 attack power
    {32, 2, 10, "110"},        // Force of Nature: +110 rating
    {41, 1, 1, "15-18"},       // Venom Spear: 75 - 90 in 5 sec
    {41, 2, 1, "3"},
    {41, 3, 1, "5"},
    {47, 1, 5, "14"},          // Vague: evasion 14
    {50, 1, 1, "5-29"},        // Mechanic Bomb
    {61, 1, 4, "170-210"},     // Impulsion
    {64, 4, 1, "3500"},        // Metal Golem: HP 3700 with Strength 100
    {65, 1, 1, "4-20+lv/5"},   // Shield Strike
    {65, 1, 5, "10-40+lv/5"},
    {65, 1, 10, "20-65+lv/5"},
    {66, 1, 1, "30+cLvl"},     // Farina
    {66, 1, 10, "120+cLvl"},
    {68, 1, 1, "4-10+lv/2"},   // Bigger Spear
    {68, 1, 10, "16-55+lv/2"},
    {72, 1, 1, "20-30+lv/3"},  // Fire Javelin
    {72, 1, 10, "65-75+lv/3"},
    {73, 2, 1, "-0.20"},       // Split Javelin, negative at the lower levels
    {74, 1, 1, "4+lv/9"},      // Triumph of Valhalla
    {74, 1, 5, "20+lv/9"},
    {74, 1, 10, "40+lv/9"},
    {75, 1, 1, "20-40+lv/3"},  // Lightning Javelin
    {75, 1, 10, "47-96+lv/3"},
    {77, 1, 3, "9"},           // Hall of Valhalla
    {77, 1, 5, "13"},
    {79, 1, 1, "20-30"},       // Frost Javelin
    {79, 1, 10, "38-66"},
    {81, 1, 1, "12-16+lv/2"},  // Sword Blast
    {81, 1, 10, "39-52+lv/2"},
    {82, 1, 1, "0.08"},        // Holy Body: 12.5 shows 13.5
    {83, 1, 10, "0.32"},       // Physical Training: 300 shows 396
    {88, 1, 1, "0.06"},        // Drastic Spirit: 1055 becomes 1118
    {90, 2, 5, "4"},           // Divine Shield: block rises by 4
    {94, 1, 5, "0.10"},        // Godly Shield: absorption 20 becomes 22
    {95, 1, 3, "12"},          // God's Bless: +12 attack power
    {98, 1, 1, "10-20"},       // Fire Bolt
    {100, 1, 1, "16-40"},      // Fireball
    {101, 1, 10, "0.32"},      // Mental Mastery: 1000 shows 1320
    {107, 1, 5, "0.10"},       // Spirit Elemental
    {108, 2, 9, "36-50"},      // Dancing Sword ice
    {109, 1, 1, "80-95"},      // Fire Elemental
    {113, 1, 1, "40-50"},      // Heal
    {115, 1, 1, "5-10"},       // Multi-Spark
    {115, 2, 1, "3-4"},
    {117, 1, 1, "0.6"},        // Meditation "0.6", "1.0", ...
    {117, 1, 2, "1.0"},
    {118, 1, 1, "20-40"},      // Divine Lightning, 3 bolts
    {118, 3, 1, "3"},
    {123, 1, 1, "60+lv/5"},    // Extinction
    {123, 2, 1, "0.20"},
    {124, 1, 1, "0.03"},       // Vitual Life: 1000 becomes 1030
    {126, 2, 1, "1.0"},        // Regeneration Field
    {127, 2, 1, "5"},          // Chain Lightning, 5 bolts
    {128, 1, 1, "40-70"},      // Summon Muspell
    {128, 2, 1, "7"},
    {128, 3, 1, "0.10"},
    {128, 4, 1, "5"},
    {128, 1, 10, "94-115"},
    {128, 2, 10, "4"},
};

TEST(SkillCatalogFacts, FixedCellTexts) {
  for (const CellFact& f : kCellFacts) EXPECT_EQ(cat().value(f.skill, f.row, f.level), f.text) << where(f.skill, f.row, f.level);
}

struct ValueFact {
  int skill, row, level;
  long double value;
};

// Cells of which only the number is fixed; the stored text is a decimal.
const std::vector<ValueFact> kValueFacts = {
    {21, 1, 3, 0.30L},   // Dion's Eye: floor(200 x 0.30) = 60
    {26, 1, 1, 1.20L},   // Golden Falcon shows 120 % ..
    {26, 1, 10, 1.65L},  // .. to 165 %
    {55, 1, 1, 0.30L},   // Automation: floor(50 x 0.30) = 15
    {90, 1, 5, 0.45L},   // Divine Shield: "dmg to HP: " 45 " %"
    {119, 1, 1, 0.2L},   // Holy Reflection shows 20 % ..
    {119, 1, 10, 1.6L},  // .. to 160 %
};

TEST(SkillCatalogFacts, FixedCellValues) {
  const CalcSkill point(SkillContext::for_locale(NumberFormat::point()));
  const CalcSkill comma(SkillContext::for_locale(NumberFormat::comma()));
  for (const ValueFact& f : kValueFacts) {
    const std::string& t = cat().value(f.skill, f.row, f.level);
    EXPECT_NE(t.find('.'), std::string::npos) << where(f.skill, f.row, f.level);
    EXPECT_EQ(point.fraction(f.skill, f.row, f.level), f.value) << where(f.skill, f.row, f.level);
    EXPECT_EQ(comma.fraction(f.skill, f.row, f.level), f.value) << where(f.skill, f.row, f.level);
  }
}

TEST(SkillCatalogFacts, PartlyFixedCellsAndShapeExamples) {
  // Physical Absorption level 1: three characters, upper bound 4.
  const std::string& pa = cat().value(52, 1, 1);
  EXPECT_TRUE(fits_shape(pa, "N-4")) << pa;
  // Metal Golem level 1: the bounds add up to 180 (dot entry 1980).
  const std::string& mg = cat().value(64, 1, 1);
  const int lo = skill_int_of_text(left_chars(mg, mg.size() == 6 ? 2 : 3));
  const int hi = skill_int_of_text(right_chars(mg, 3));
  EXPECT_EQ(lo + hi, 180) << mg;
  // Summon Muspell's attack delays are 4 to 7.
  for (int l = 1; l <= 10; ++l) {
    const int d = skill_int_of_text(cat().value(128, 2, l));
    EXPECT_TRUE(d >= 4 && d <= 7) << d;
  }
  // Example texts the reports quote for a row, at some level of it.
  struct Example {
    int skill, row;
    std::string text;
  };
  const std::vector<Example> examples = {
      {23, 1, "lv/6"},   {23, 1, "lv/5"},    {23, 1, "lv/4"},   {26, 1, "1.20"},   {27, 3, "5-27"},
      {29, 1, "50-75"},  {29, 1, "95-120"},  {35, 1, "15"},     {37, 1, "10-40+lv/5"},
      {50, 1, "5-29"},   {50, 1, "14-87"},   {52, 1, "3-4"},    {52, 1, "7-13"},   {56, 1, "20-54"},
      {56, 1, "36-101"}, {61, 1, "140-180"}, {64, 1, "80-100"}, {64, 1, "125-145"}, {126, 2, "1.0"},
      {123, 1, "60+lv/5"}, {33, 1, "11-48+lv/5"}};
  for (const Example& e : examples) {
    bool found = false;
    for (int l = 1; l <= 10; ++l) found = found || cat().value(e.skill, e.row, l) == e.text;
    EXPECT_TRUE(found) << "skill " << e.skill << " row " << e.row << " has no \"" << e.text << "\"";
  }
}

struct ShapeRule {
  int skill, row;
  std::vector<std::string> shapes;
};

// Rows whose texts are split by character counts: every text of the row must
// have one of these shapes ('N' one digit), or the reader takes wrong digits.
const std::vector<ShapeRule> kShapeRules = {
    {15, 2, {"NNN-NNN"}},
    {22, 1, {"NN-NN"}},
    {25, 1, {"NN-NN"}},
    {25, 2, {"N-NN", "NN-NN"}},
    {27, 3, {"N-NN", "NN-NN"}},
    {29, 1, {"NN-NN", "NN-NNN"}},
    {41, 1, {"NN-NN"}},
    {50, 1, {"N-NN", "NN-NN"}},
    {52, 1, {"N-N", "N-NN"}},
    {56, 1, {"NN-NN", "NN-NNN"}},
    {61, 1, {"NNN-NNN"}},
    {63, 1, {"NN-NN", "NN-NNN", "NNN-NNN"}},
    {64, 1, {"NN-NNN", "NNN-NNN"}},
    {79, 1, {"NN-NN"}},
    {98, 1, {"NN-NN"}},
    {100, 1, {"NN-NN", "NN-NNN"}},
    {102, 1, {"NN-NN", "NN-NNN"}},
    {104, 1, {"NN-NN", "NN-NNN"}},
    {106, 1, {"NN-NN", "NN-NNN"}},
    {109, 1, {"NN-NN", "NN-NNN", "NNN-NNN"}},
    {110, 1, {"NN-NN", "NN-NNN", "NNN-NNN"}},
    {112, 1, {"NN-NNN", "NNN-NNN"}},
    {108, 1, {"NN-NN"}},
    {108, 2, {"NN-NN"}},
    {103, 1, {"N-N", "N-NN", "NN-NN"}},
    {103, 2, {"N-N", "N-NN", "NN-NN"}},
    {103, 3, {"N-N", "N-NN", "NN-NN"}},
    {113, 1, {"NN-NN", "NN-NNN", "NNN-NNN"}},
    {114, 1, {"NN-NN"}},
    {118, 1, {"NN-NN"}},
    {121, 1, {"NN-NN"}},
    {115, 1, {"N-NN", "NN-NN"}},
    {115, 2, {"N-N"}},
    {120, 1, {"NN-NN", "NN-NNN"}},
    {128, 1, {"NN-NN", "NN-NNN"}},
    {125, 1, {"NN-NNN", "NNN-NNN"}},
    {127, 1, {"NNN-NNN"}},
    // rows with a character-level term, removed or read by the reports
    {20, 2, {"N+lv/N", "NN+lv/N"}},
    {23, 1, {"lv/4", "lv/5", "lv/6"}},
    {33, 1, {"N-NN+lv/5", "NN-NN+lv/5"}},
    {37, 1, {"NN-NN+lv/5"}},
    {65, 1, {"N-NN+lv/5", "NN-NN+lv/5"}},
    {66, 1, {"N+cLvl", "NN+cLvl", "NNN+cLvl"}},
    {68, 1, {"N-NN+lv/2", "NN-NN+lv/2"}},
    {72, 1, {"NN-NN+lv/3"}},
    {74, 1, {"N+lv/9", "NN+lv/9", "NNN+lv/9"}},
    {75, 1, {"NN-NN+lv/3"}},
    {81, 1, {"NN-NN+lv/2"}},
    {123, 1, {"NN+lv/N"}},
};

TEST(SkillCatalogShapes, RowsReadByCharacterCounts) {
  EXPECT_EQ(kShapeRules.size(), 37u + 12u);
  int range_rows = 0;
  for (const ShapeRule& rule : kShapeRules) {
    range_rows += form_of(cat().value(rule.skill, rule.row, 1)) == Form::Range;
    for (int l = 1; l <= 10; ++l) {
      const std::string& t = cat().value(rule.skill, rule.row, l);
      EXPECT_TRUE(fits_any(t, rule.shapes)) << where(rule.skill, rule.row, l) << ": \"" << t << "\"";
    }
  }
  // These are all the range rows of the catalog.
  int all_range_rows = 0;
  for (int s = 1; s <= kSkillCount; ++s)
    for (int r = 1; r <= cat().row_count(s); ++r) all_range_rows += form_of(cat().value(s, r, 1)) == Form::Range;
  EXPECT_EQ(range_rows, 37);
  EXPECT_EQ(all_range_rows, 37);
}

struct RowRef {
  int skill, row;
};

// Rows the reports and buffs convert as integers (besides "MP" and "STM").
const std::vector<RowRef> kIntegerRows = {
    {3, 2},  {4, 2},  {5, 2},  {6, 2},  {9, 1},  {13, 2}, {14, 1}, {14, 2},  {16, 1},  {24, 3},  {28, 2},
    {29, 3}, {30, 1}, {32, 1}, {32, 2}, {32, 3}, {35, 1}, {39, 1}, {41, 2},  {41, 3},  {43, 1},  {45, 1},
    {47, 1}, {48, 2}, {49, 1}, {53, 1}, {53, 2}, {58, 2}, {60, 1}, {62, 1},  {63, 3},  {64, 4},  {73, 3},
    {77, 1}, {84, 2}, {90, 2}, {95, 1}, {96, 2}, {118, 3}, {127, 2}, {128, 2}, {128, 4}};

// Rows read as reals: fractions, and the plain amounts of the regeneration rows.
const std::vector<RowRef> kRealRows = {
    {1, 1},   {3, 1},   {3, 3},   {4, 1},   {5, 1},   {6, 1},   {8, 1},   {8, 2},   {10, 1},  {10, 2},
    {11, 1},  {12, 1},  {12, 2},  {13, 1},  {15, 1},  {17, 1},  {18, 1},  {19, 1},  {20, 1},  {21, 1},
    {24, 1},  {26, 1},  {26, 2},  {27, 1},  {27, 2},  {28, 1},  {31, 1},  {36, 1},  {36, 2},  {38, 1},
    {40, 1},  {42, 1},  {44, 1},  {46, 1},  {46, 2},  {48, 1},  {54, 1},  {55, 1},  {57, 1},  {58, 1},
    {59, 1},  {60, 2},  {67, 1},  {69, 1},  {70, 1},  {70, 2},  {73, 1},  {73, 2},  {76, 1},  {78, 1},
    {79, 2},  {80, 1},  {82, 1},  {83, 1},  {84, 1},  {85, 1},  {86, 1},  {87, 1},  {93, 1},  {88, 1},
    {89, 1},  {90, 1},  {91, 1},  {91, 2},  {92, 1},  {92, 2},  {92, 3},  {94, 1},  {96, 1},  {97, 1},
    {101, 1}, {105, 1}, {107, 1}, {111, 1}, {111, 2}, {116, 1}, {117, 1}, {119, 1}, {122, 1}, {123, 2},
    {124, 1}, {126, 1}, {126, 2}, {128, 3}};

TEST(SkillCatalogShapes, IntegerAndRealRows) {
  EXPECT_EQ(kIntegerRows.size(), 42u);
  EXPECT_EQ(kRealRows.size(), 84u);
  for (const RowRef& r : kIntegerRows)
    for (int l = 1; l <= 10; ++l)
      EXPECT_EQ(form_of(cat().value(r.skill, r.row, l)), Form::Integer) << where(r.skill, r.row, l);
  for (const CalcSkill& calc : {CalcSkill(SkillContext::for_locale(NumberFormat::point())),
                                CalcSkill(SkillContext::for_locale(NumberFormat::comma()))})
    for (const RowRef& r : kRealRows)
      for (int l = 1; l <= 10; ++l) {
        EXPECT_EQ(form_of(cat().value(r.skill, r.row, l)), Form::Decimal) << where(r.skill, r.row, l);
        EXPECT_NO_THROW((void)calc.fraction(r.skill, r.row, l)) << where(r.skill, r.row, l);
      }
}

// Rows no report or buff reads; only the skill window shows them.
const std::vector<RowRef> kUnreadRows = {
    {15, 3},  {15, 4},  {23, 2},  {27, 4},  {28, 3},  {33, 2},  {37, 2},  {38, 2},  {40, 2},  {41, 4},  {46, 3},
    {50, 2},  {56, 2},  {61, 3},  {62, 2},  {63, 2},  {69, 2},  {71, 1},  {78, 2},  {81, 2},  {82, 2},  {85, 2},
    {86, 2},  {87, 2},  {93, 2},  {100, 2}, {100, 3}, {102, 2}, {102, 3}, {103, 4}, {104, 2}, {106, 2}, {108, 4},
    {110, 2}, {111, 3}, {112, 2}, {116, 2}, {118, 2}, {120, 2}, {125, 2}, {126, 4}, {127, 3}};

bool listed(const std::vector<RowRef>& rows, int skill, int row) {
  return std::any_of(rows.begin(), rows.end(), [&](const RowRef& r) { return r.skill == skill && r.row == row; });
}

TEST(SkillCatalogShapes, DecimalRowsAreTheRealRowsAndThreeUnreadOnes) {
  ASSERT_EQ(kUnreadRows.size(), 42u);
  int extra = 0;
  for (int s = 1; s <= kSkillCount; ++s)
    for (int r = 1; r <= cat().row_count(s); ++r) {
      if (form_of(cat().value(s, r, 1)) != Form::Decimal || listed(kRealRows, s, r)) continue;
      // A decimal in a row that a report copies as text would show raw;
      // only rows no report reads may hold further decimals.
      EXPECT_TRUE(listed(kUnreadRows, s, r)) << "skill " << s << " row " << r;
      ++extra;
    }
  EXPECT_EQ(extra, 3);
}

TEST(SkillCatalogShapes, SkillWindowDisplayRules) {
  // The skill window shows a text holding "." as a percentage, except in
  // skills 117 and 126 and in Golden Falcon's rows after the first: the plain
  // amounts of regeneration live exactly there, and show as stored. Rows that
  // get " %" appended to the stored text hold no "."; every other text shows
  // as stored.
  const std::vector<RowRef> appended = {{30, 1}, {42, 2}, {31, 2}, {47, 1}};
  const NumberFormat point = NumberFormat::point();
  for (int s = 1; s <= kSkillCount; ++s) {
    const int grid = (s - 1) % kSkillInfoGrids + 1;  // the grid of the skill's slot in its tier
    const SkillInfoGrid shown = skill_info_grid(grid, s, point);
    ASSERT_EQ(shown.cells.size(), static_cast<std::size_t>(skill_info_grid_rows(grid))) << "skill " << s;
    for (int r = 1; r <= skill_info_grid_rows(grid); ++r) {
      const auto& row = shown.cells[static_cast<std::size_t>(r - 1)];
      const std::string& label = cat().row_label(s, r);  // "" below the skill's rows
      EXPECT_EQ(row[0], label) << "skill " << s << " row " << r;
      const bool amount = label == "+HPR" || label == "+HP R." || label == "+MP R.";
      const bool exempt = s == 117 || s == 126 || (s == 26 && r > 1);
      EXPECT_EQ(amount, exempt && form_of(cat().value(s, r, 1)) == Form::Decimal) << "skill " << s << " row " << r;
      for (int l = 1; l <= kSkillLevelCount; ++l) {
        const std::string& stored = cat().value(s, r, l);
        const std::string& text = row[static_cast<std::size_t>(l)];
        if (listed(appended, s, r)) {
          EXPECT_EQ(stored.find('.'), std::string::npos) << where(s, r, l);
          EXPECT_EQ(text, stored + " %") << where(s, r, l);
        } else if (stored.find('.') != std::string::npos && !amount) {
          ASSERT_EQ(text.substr(text.size() - 2), " %") << where(s, r, l) << ": " << text;
          EXPECT_NEAR(std::stod(text), std::stod(stored) * 100, 1e-9) << where(s, r, l) << ": " << text;
        } else {
          EXPECT_EQ(text, stored) << where(s, r, l);
        }
      }
    }
  }
  // Worked examples, in both locales.
  EXPECT_EQ(skill_info_grid(1, 1, point).cells[0][1], "6 %");     // Melee Mastery "0.06"
  EXPECT_EQ(skill_info_grid(3, 3, point).cells[2][2], "1.2 %");   // Raving "0.012"
  EXPECT_EQ(skill_info_grid(3, 3, NumberFormat::comma()).cells[2][2], "1,2 %");
  EXPECT_EQ(skill_info_grid(1, 117, point).cells[0][1], "0.6");   // Meditation as stored
  EXPECT_EQ(skill_info_grid(2, 26, point).cells[0][1], "120 %");  // Golden Falcon "1.20" ..
  EXPECT_EQ(skill_info_grid(2, 26, point).cells[1][1], "1.0");    // .. its "+HPR" as stored
}

TEST(SkillCatalogShapes, UsageLabelsReadTheMpRows) {
  // (skill, row) each active slot's usage label reads.
  const std::vector<RowRef> usage = {
      {3, 4},   {4, 3},   {5, 3},   {6, 3},   {8, 3},   {10, 3},  {12, 3},  {13, 3},  {15, 5},  {19, 3},
      {20, 3},  {23, 3},  {24, 4},  {25, 3},  {27, 5},  {28, 4},  {31, 3},  {33, 3},  {35, 2},  {36, 3},
      {37, 4},  {38, 3},  {40, 3},  {41, 5},  {42, 4},  {44, 2},  {46, 4},  {48, 3},  {50, 3},  {53, 3},
      {56, 3},  {58, 3},  {61, 4},  {65, 2},  {66, 3},  {68, 2},  {70, 3},  {71, 2},  {72, 2},  {73, 4},
      {75, 2},  {76, 2},  {78, 3},  {80, 3},  {81, 3},  {84, 3},  {86, 3},  {87, 3},  {92, 4},  {98, 2},
      {100, 4}, {102, 4}, {104, 3}, {106, 3}, {110, 3}, {112, 3}, {113, 2}, {114, 2}, {115, 3}, {116, 3},
      {118, 4}, {120, 3}, {121, 2}, {122, 2}, {123, 3}, {125, 3}, {127, 4}};
  EXPECT_EQ(usage.size(), 67u);
  for (const RowRef& r : usage) {
    EXPECT_EQ(cat().row_label(r.skill, r.row), "MP") << "skill " << r.skill;
    EXPECT_EQ(r.row, cat().row_count(r.skill) - 1) << "skill " << r.skill;
  }
}

// ---------------------------------------------------------------- data files

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string s(text);
  const auto pos = s.find(from);
  EXPECT_NE(pos, std::string::npos) << from;
  if (pos != std::string::npos) s.replace(pos, from.size(), to);
  return s;
}

// Builds a catalog from the embedded tables with one of them changed, and
// returns the error message (empty when it built).
template <typename Change>
std::string build_error(Change change) {
  SkillTableTexts texts = embedded_skill_tables();
  std::string changed;
  change(texts, changed);
  try {
    (void)build_skill_catalog(texts);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return {};
}

TEST(SkillCatalogFiles, EmbeddedTablesBuildTheCatalog) {
  EXPECT_EQ(build_error([](SkillTableTexts&, std::string&) {}), "");
}

TEST(SkillCatalogFiles, BrokenFilesFailLoudlyNamingFileAndLine) {
  // wrong header
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.class_start_stats, "strength", "strenght");
              t.class_start_stats = s;
            }),
            "class_start_stats.tsv, line 1: wrong header \"class\tstrenght\tspirit\ttalent\tagility\thealth\", "
            "expected \"class\tstrength\tspirit\ttalent\tagility\thealth\"");
  // a missing field
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.skill_values, "0.06\t0.10", "0.06");
              t.skill_values = s;
            }),
            "skill_values.tsv, line 2: expected 13 fields, found 12");
  // a missing record
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.skill_level_req, "tier4_4\t70\n", "");
              t.skill_level_req = s;
            }),
            "skill_level_req.tsv, line 17: expected 16 records, found 15");
  // records out of order
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.skill_names, "2\tFighter\ttier1_2", "2\tFighter\ttier1_3");
              t.skill_names = s;
            }),
            "skill_names.tsv, line 3: slot \"tier1_3\", expected \"tier1_2\"");
  // a row skipped
  EXPECT_NE(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.skill_values, "3\t2\tHits", "3\t3\tHits");
              t.skill_values = s;
            }).find("skill_values.tsv, line 5: skill 3 row 3 out of order"),
            std::string::npos);
  // an empty value
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.skill_values, "0.30\t0.32\n", "0.30\t\n");
              t.skill_values = s;
            }),
            "skill_values.tsv, line 2: empty value at level 10");
  // a value that is not a number
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string& s) {
              s = replaced(t.class_start_stats, "Fighter\t28", "Fighter\tx28");
              t.class_start_stats = s;
            }),
            "class_start_stats.tsv, line 2: start value \"x28\" is not a number in 0 .. 255");
  // the last skill missing
  EXPECT_NE(build_error([](SkillTableTexts& t, std::string& s) {
              const std::string_view v = t.skill_values;
              s = std::string(v.substr(0, v.rfind("129\t")));
              t.skill_values = s;
            }).find("skill 129 is missing"),
            std::string::npos);
  // an empty file
  EXPECT_EQ(build_error([](SkillTableTexts& t, std::string&) { t.skill_names = ""; }),
            "skill_names.tsv, line 1: the file is empty, expected the header \"skill\tclass\tslot\tname\"");
}

TEST(SkillCatalogFiles, AccessOutsideTheCatalogThrows) {
  EXPECT_THROW((void)cat().value(1, 1, 0), std::out_of_range);
  EXPECT_THROW((void)cat().value(1, 1, 11), std::out_of_range);
  EXPECT_THROW((void)cat().value(0, 1, 1), std::out_of_range);
  EXPECT_THROW((void)cat().value(130, 1, 1), std::out_of_range);
  EXPECT_THROW((void)cat().value(1, 8, 1), std::out_of_range);
  EXPECT_THROW((void)cat().row_label(129, 1), std::out_of_range);
  EXPECT_THROW((void)cat().name(8, 0), std::out_of_range);
  EXPECT_THROW((void)cat().level_req(16), std::out_of_range);
  EXPECT_THROW((void)cat().start_stat(0, 5), std::out_of_range);
  EXPECT_EQ(&skill_catalog(), &skill_catalog());  // built once
}

TEST(SkillCatalogJson, HoldsEveryTable) {
  const nlohmann::json j = skill_catalog_json();
  ASSERT_EQ(j.at("class_start_stats").size(), 8u);
  EXPECT_EQ(j["class_start_stats"][6]["class"], "Magician");
  EXPECT_EQ(j["class_start_stats"][6]["spirit"], 29);
  EXPECT_EQ(j["class_start_stats"][0]["strength"], 28);
  ASSERT_EQ(j.at("skill_level_req").size(), 16u);
  EXPECT_EQ(j["skill_level_req"][15]["slot"], "tier4_4");
  EXPECT_EQ(j["skill_level_req"][15]["level"], 70);
  const nlohmann::json& skills = j.at("skills");
  ASSERT_EQ(skills.size(), 129u);
  EXPECT_EQ(skills[2]["name"], "Raving");
  EXPECT_EQ(skills[2]["class"], "Fighter");
  EXPECT_EQ(skills[2]["slot"], "tier1_3");
  ASSERT_EQ(skills[2]["rows"].size(), 5u);
  EXPECT_EQ(skills[2]["rows"][2]["label"], "D-%HP");
  EXPECT_EQ(skills[2]["rows"][2]["values"][1], "0.012");
  EXPECT_EQ(skills[127]["rows"].size(), 7u);
  EXPECT_EQ(skills[128]["skill"], 129);
  EXPECT_EQ(skills[128]["rows"][0]["values"][1], "0.50");
  EXPECT_EQ(skills[128]["rows"][0]["values"][2], "");
  std::size_t cells = 0;
  for (const auto& s : skills)
    for (const auto& r : s["rows"])
      for (const auto& v : r["values"]) cells += !v.get<std::string>().empty();
  EXPECT_EQ(cells, 5012u);
}

}  // namespace
}  // namespace brennick
