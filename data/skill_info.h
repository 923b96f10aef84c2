// What the skill information window shows for a class and a tier: the
// icons and names of the tier's four skills and their four tables, each
// cell as the window writes it (percentages, the per-grid exceptions, the
// user's decimal separator).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/number_text.h"

namespace brennick {

inline constexpr int kSkillInfoGrids = 4;
inline constexpr int kSkillInfoColumns = 11;  // the row label, then levels 1 .. 10

// Rows of grid 1 .. 4 (grid4 has the seventh row).
constexpr int skill_info_grid_rows(int grid) { return grid == 4 ? 7 : 6; }

struct SkillInfoGrid {
  int skill = 0;                                // skill number 1 .. 128
  std::vector<std::vector<std::string>> cells;  // [row][column]
};

struct SkillInfoTier {
  std::array<std::string, kSkillInfoGrids> icons;  // "Fighter_01.jpg" ..
  std::array<std::string, kSkillInfoGrids> names;
  std::array<SkillInfoGrid, kSkillInfoGrids> grids;
};

// The window's rows of the tier choice (its class list is kClassNames).
extern const std::array<const char*, 4> kSkillInfoTierRows;

// Select_Tier_Class for class 0 .. 7 and tier 1 .. 4; throws
// std::out_of_range outside them.
SkillInfoTier skill_info(int class_index, int tier, const NumberFormat& fmt);

// fill_grid_1 .. fill_grid_4: the cells of grid `grid` (1 .. 4) for skill s.
SkillInfoGrid skill_info_grid(int grid, int skill, const NumberFormat& fmt);

}  // namespace brennick
