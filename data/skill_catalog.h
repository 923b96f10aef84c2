// The skill catalog: class start statistics, the level each skill slot opens
// at, the 128 skill names, and the per-level value texts of every skill with
// the label of each value row.
//
// The tables are built once from the data files under data/tables/
// (class_start_stats, skill_level_req, skill_names, skill_values), in that
// order, the first time `skill_catalog()` is called, and are read-only from
// then on. Values are kept as the texts the player reads ("0.06", "5-8",
// "3-20+lv/5"); calc_skill.h turns them into numbers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/vocabulary.h"

namespace brennick {

inline constexpr int kStatCount = 5;        // Strength, Spirit, Talent, Agility, Health
inline constexpr int kSkillCount = 128;     // skill numbers 1 .. 128
inline constexpr int kPseudoSkill = 129;    // the two shared fractions
inline constexpr int kSkillRowCount = 7;    // value rows 1 .. 7
inline constexpr int kSkillLevelCount = 10; // skill levels 1 .. 10

// Skill number of a class's slot: class * 16 + slot index + 1.
constexpr int skill_number(int class_index, int slot_index) {
  return class_index * kSlotCount + slot_index + 1;
}

// "tier1_1" .. "tier4_4" for slot index 0 .. 15.
std::string slot_name(int slot_index);

struct SkillCatalog {
  // Start values of Strength, Spirit, Talent, Agility, Health; class-major
  // (position class * 5 + stat).
  std::array<std::uint8_t, kClassCount * kStatCount> class_start_stats{};
  // Character level at which a slot's skill can first be learned, by slot index.
  std::array<std::uint8_t, kSlotCount> skill_level_req{};
  // Skill names, class-major (position class * 16 + slot index).
  std::array<std::string, kClassCount * kSlotCount> skill_names{};
  // Value texts of skill s (1 .. 129), row r (1 .. 7), level l (1 .. 10) at
  // position (s - 1) * 70 + (r - 1) * 10 + (l - 1); empty where a skill has
  // no such row (and at levels 3 .. 10 of the pseudo-skill).
  std::array<std::string, kPseudoSkill * kSkillRowCount * kSkillLevelCount> skill_values{};
  // Label of row r of skill s (1 .. 128) at position (s - 1) * 7 + (r - 1);
  // empty where the row does not exist.
  std::array<std::string, kSkillCount * kSkillRowCount> skill_row_labels{};

  // Checked accessors; an index outside the catalog throws std::out_of_range.
  std::uint8_t start_stat(int class_index, int stat) const;
  std::uint8_t level_req(int slot_index) const;
  const std::string& name(int class_index, int slot_index) const;
  const std::string& name(int skill) const;  // skill 1 .. 128
  const std::string& value(int skill, int row, int level) const;
  const std::string& row_label(int skill, int row) const;  // skill 1 .. 128
  // Number of value rows of a skill (1 .. 129): rows are contiguous from row 1.
  int row_count(int skill) const;
};

// The catalog of the program, built from the embedded data files on first use.
const SkillCatalog& skill_catalog();

// The four data files a catalog is built from, as text (tab-separated, a
// header line, one record a line).
struct SkillTableTexts {
  std::string_view class_start_stats;
  std::string_view skill_level_req;
  std::string_view skill_names;
  std::string_view skill_values;
};

// The texts of the embedded data files; throws std::runtime_error when one
// is missing from the program.
SkillTableTexts embedded_skill_tables();

// Builds a catalog from table texts. Any deviation from the expected layout
// (header, field count, record count or order, an unreadable or missing
// value) throws std::runtime_error naming the file and line.
SkillCatalog build_skill_catalog(const SkillTableTexts& texts);

}  // namespace brennick
