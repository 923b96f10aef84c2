#include "data/skill_catalog_json.h"

#include <array>

namespace brennick {
namespace {

constexpr std::array<const char*, kStatCount> kStatKeys = {"strength", "spirit", "talent", "agility",
                                                           "health"};

nlohmann::json rows_json(const SkillCatalog& catalog, int skill) {
  nlohmann::json rows = nlohmann::json::array();
  const int count = catalog.row_count(skill);
  for (int row = 1; row <= count; ++row) {
    nlohmann::json values = nlohmann::json::array();
    for (int level = 1; level <= kSkillLevelCount; ++level) values.push_back(catalog.value(skill, row, level));
    rows.push_back({{"row", row},
                    {"label", skill == kPseudoSkill ? std::string() : catalog.row_label(skill, row)},
                    {"values", std::move(values)}});
  }
  return rows;
}

}  // namespace

nlohmann::json skill_catalog_json(const SkillCatalog& catalog) {
  nlohmann::json stats = nlohmann::json::array();
  for (int cls = 0; cls < kClassCount; ++cls) {
    nlohmann::json entry = {{"class", kClassNames[static_cast<std::size_t>(cls)]}};
    for (int stat = 0; stat < kStatCount; ++stat)
      entry[kStatKeys[static_cast<std::size_t>(stat)]] = catalog.start_stat(cls, stat);
    stats.push_back(std::move(entry));
  }

  nlohmann::json req = nlohmann::json::array();
  for (int slot = 0; slot < kSlotCount; ++slot)
    req.push_back({{"slot", slot_name(slot)}, {"level", catalog.level_req(slot)}});

  nlohmann::json skills = nlohmann::json::array();
  for (int skill = 1; skill <= kSkillCount; ++skill) {
    const int cls = (skill - 1) / kSlotCount;
    skills.push_back({{"skill", skill},
                      {"class", kClassNames[static_cast<std::size_t>(cls)]},
                      {"slot", slot_name((skill - 1) % kSlotCount)},
                      {"name", catalog.name(skill)},
                      {"rows", rows_json(catalog, skill)}});
  }
  skills.push_back({{"skill", kPseudoSkill}, {"rows", rows_json(catalog, kPseudoSkill)}});

  return {{"class_start_stats", std::move(stats)},
          {"skill_level_req", std::move(req)},
          {"skills", std::move(skills)}};
}

}  // namespace brennick
