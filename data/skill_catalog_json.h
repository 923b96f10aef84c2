// The skill catalog as machine-readable JSON.
#pragma once

#include <nlohmann/json.hpp>

#include "data/skill_catalog.h"

namespace brennick {

// {
//   "class_start_stats": [{"class": "Fighter", "strength": 28, ...}, ...],
//   "skill_level_req": [{"slot": "tier1_1", "level": 10}, ...],
//   "skills": [{"skill": 1, "class": "Fighter", "slot": "tier1_1",
//               "name": "Melee Mastery",
//               "rows": [{"row": 1, "label": "+%wAP", "values": ["0.06", ...]}]},
//              ...,
//              {"skill": 129, "rows": [{"row": 1, "label": "", "values": ["0.30", "0.50", "", ...]}]}]
// }
// Classes, slots, skills and rows are in catalog order; value texts as stored.
nlohmann::json skill_catalog_json(const SkillCatalog& catalog = skill_catalog());

}  // namespace brennick
