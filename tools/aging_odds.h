// The exact odds of the aging lottery: for each target level above the
// current one, the chance that one try reaches it before its first failure
// and what that try costs on average. Computed by solving the Markov chain
// of the levels, with the same outcome odds the simulator plays.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/aging_sim.h"

namespace brennick {

inline constexpr int kHighestTarget = 10;

struct TargetOdds {
  int target = 0;
  double probability = 0;  // reaching a level of at least target before a failure
  double attempts = 0;     // expected attempts of the try (until target or failure)
  std::array<double, kSheltomKinds> sheltoms{};  // expected sheltoms, Fadeo .. Celesto
  double gold = 0;         // sheltoms at the prices plus the aging fee
  double gold_until_success = 0;  // every failure starting a new try from level 0
};

struct AgingOdds {
  int from = 0;
  std::vector<TargetOdds> targets;  // from+1 .. 10
};

// `prices` Fadeo .. Celesto; `fee_base` the selected item's (0 for none).
AgingOdds aging_odds(int from, const std::array<std::int64_t, kSheltomKinds>& prices, std::int64_t fee_base);

// {"from": L, "targets": [{"target", "probability", "attempts", "sheltoms": {...}, "gold", "gold_until_success"}]}
nlohmann::ordered_json aging_odds_json(const AgingOdds& odds);

// The panel's table: a header row, then one row per target.
std::vector<std::vector<std::string>> aging_odds_table(const AgingOdds& odds, const NumberFormat& fmt);

// The Odds panel of the simulator as it stands (its level, prices and item).
// Throws ConversionError when a price box is not an integer.
AgingOdds aging_odds_of(const AgingSimulator& sim);

}  // namespace brennick
