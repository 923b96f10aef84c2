#include "data/skill_info.h"

#include <stdexcept>

#include "data/calc_skill.h"
#include "data/skill_catalog.h"

namespace brennick {
namespace {

// How a grid departs from the percent display for one skill: row 0 means
// every row.
enum class Rule { NoPercent, Percent, AppendPercent };
struct GridRule {
  int grid;
  int skill;
  int row;
  Rule rule;
};

constexpr GridRule kRules[] = {
    {1, 117, 0, Rule::NoPercent},      // Meditation's "+MP R." shows as stored
    {2, 26, 0, Rule::NoPercent},       // Golden Falcon ...
    {2, 26, 1, Rule::Percent},         // ... but its "%falconAP" in percent
    {2, 126, 0, Rule::NoPercent},      // Regeneration Field
    {2, 30, 0, Rule::AppendPercent},   // Evasion Mastery
    {2, 42, 2, Rule::AppendPercent},   // Vanish "-%Vsbl"
    {3, 31, 2, Rule::AppendPercent},   // Phoenix Shot "+%wSpd"
    {3, 47, 1, Rule::AppendPercent},   // Vague "+Eva"
};

bool has_rule(int grid, int skill, int row, Rule rule) {
  for (const GridRule& r : kRules)
    if (r.grid == grid && r.skill == skill && (r.row == 0 || r.row == row) && r.rule == rule) return true;
  return false;
}

bool percent_display(int grid, int skill, int row) {
  for (const GridRule& r : kRules)
    if (r.grid == grid && r.skill == skill && r.row == row && r.rule == Rule::Percent) return true;
  return !has_rule(grid, skill, row, Rule::NoPercent);
}

}  // namespace

const std::array<const char*, 4> kSkillInfoTierRows = {"Tier 1", "Tier 2", "Tier 3", "Tier 4"};

SkillInfoGrid skill_info_grid(int grid, int skill, const NumberFormat& fmt) {
  if (grid < 1 || grid > kSkillInfoGrids || skill < 1 || skill > kSkillCount)
    throw std::out_of_range("no skill table " + std::to_string(skill) + " in grid " + std::to_string(grid));
  const SkillCatalog& catalog = skill_catalog();
  const CalcSkill calc(SkillContext::for_locale(fmt), catalog);
  SkillInfoGrid g;
  g.skill = skill;
  const int rows = skill_info_grid_rows(grid);
  g.cells.assign(static_cast<std::size_t>(rows), std::vector<std::string>(kSkillInfoColumns));
  for (int r = 1; r <= rows; ++r) {
    auto& row = g.cells[static_cast<std::size_t>(r - 1)];
    row[0] = catalog.row_label(skill, r);
    for (int l = 1; l <= kSkillLevelCount; ++l) {
      std::string t = catalog.value(skill, r, l);
      if (t.find('.') != std::string::npos && percent_display(grid, skill, r))
        t = format_general(calc.fraction(skill, r, l) * 100, fmt) + " %";
      if (!t.empty() && has_rule(grid, skill, r, Rule::AppendPercent)) t += " %";
      row[static_cast<std::size_t>(l)] = std::move(t);
    }
  }
  return g;
}

SkillInfoTier skill_info(int class_index, int tier, const NumberFormat& fmt) {
  if (class_index < 0 || class_index >= kClassCount || tier < 1 || tier > 4)
    throw std::out_of_range("no class " + std::to_string(class_index) + " tier " + std::to_string(tier));
  const SkillCatalog& catalog = skill_catalog();
  SkillInfoTier t;
  for (int k = 1; k <= kSkillInfoGrids; ++k) {
    const int slot = 4 * (tier - 1) + k - 1;
    t.icons[static_cast<std::size_t>(k - 1)] = skill_picture(class_index, slot);
    t.names[static_cast<std::size_t>(k - 1)] = catalog.name(class_index, slot);
    t.grids[static_cast<std::size_t>(k - 1)] = skill_info_grid(k, skill_number(class_index, slot), fmt);
  }
  return t;
}

}  // namespace brennick
