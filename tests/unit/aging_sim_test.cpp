// The aging simulator: outcome odds by level, the sample items' extended
// arithmetic, sheltom counts and prices, the highest level, reset, and the
// exact Odds panel against a seeded simulation.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "tools/aging_odds.h"
#include "tests/support/recording.h"
#include "tools/aging_sim.h"

using namespace brennick;
using test_support::RecordingDialogs;

namespace {

// Plays the draws it is given, in order.
class ScriptedSource : public RandomSource {
 public:
  explicit ScriptedSource(std::deque<int> draws = {}) : draws_(std::move(draws)) {}
  void push(const std::vector<int>& d) { draws_.insert(draws_.end(), d.begin(), d.end()); }
  int draw(int n) override {
    EXPECT_FALSE(draws_.empty()) << "no draw left for draw(" << n << ")";
    if (draws_.empty()) return 0;
    const int v = draws_.front();
    draws_.pop_front();
    EXPECT_LT(v, n);
    return v;
  }
  void reseed() override { ++reseeds; }
  int reseeds = 0;

 private:
  std::deque<int> draws_;
};

class Mt : public RandomSource {
 public:
  explicit Mt(unsigned seed) : gen_(seed) {}
  int draw(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }

 private:
  std::mt19937_64 gen_;
};

// Draws that give each outcome from a level.
std::vector<int> draws_for(int level, AgingOutcome o) {
  using O = AgingOutcome;
  if (level <= 2) return o == O::PlusOne ? std::vector<int>{0} : std::vector<int>{1, 1};
  if (level <= 4) {
    switch (o) {
      case O::MinusTwo: return {0, 0};
      case O::MinusOne: return {1};
      case O::PlusOne: return {2};
      default: return {3, 1};
    }
  }
  switch (o) {
    case O::MinusTwo: return {0, 0};
    case O::MinusOne: return {1};
    case O::Failure: return {2};
    case O::PlusOne: return {3};
    default: return {4, 1};
  }
}

struct Sim {
  AgingSimulator sim;
  ScriptedSource random;
  RecordingDialogs dialogs;
  NumberFormat fmt = NumberFormat::point();
  void age(AgingOutcome o) {
    random.push(draws_for(sim.aging_level, o));
    age_once(sim, random, dialogs, fmt);
  }
};

using O = AgingOutcome;

}  // namespace

TEST(AgingOutcomes, ExactOddsPerLevel) {
  using A = std::array<double, kOutcomeCount>;  // +2, +1, fail, -1, -2
  auto expect = [](int level, A want) {
    const A got = outcome_odds(level);
    for (int o = 0; o < kOutcomeCount; ++o) EXPECT_DOUBLE_EQ(got[o], want[o]) << "level " << level << " outcome " << o;
  };
  for (int l : {0, 1, 2}) expect(l, {0.25, 0.75, 0, 0, 0});
  for (int l : {3, 4}) expect(l, {0.125, 0.375, 0, 0.375, 0.125});
  for (int l : {5, 6, 9, 10}) expect(l, {0.1, 0.3, 0.2, 0.3, 0.1});
}

TEST(AgingOutcomes, DrawsFollowTheSecondDraw) {
  ScriptedSource r({1, 0, 1, 1, 0, 1, 4, 0});
  EXPECT_EQ(draw_outcome(0, r), O::PlusOne);   // 1 then 0
  EXPECT_EQ(draw_outcome(2, r), O::PlusTwo);   // 1 then 1
  EXPECT_EQ(draw_outcome(4, r), O::MinusOne);  // 0 then 1
  EXPECT_EQ(draw_outcome(7, r), O::PlusOne);   // 4 then 0
}

TEST(AgingSampleItems, ExtremeArmorPlusTwoOnTheFirstAttempt) {
  Sim s;
  s.sim.selected_item = 0;
  s.age(O::PlusTwo);
  EXPECT_EQ(s.sim.aging_level, 2);
  EXPECT_EQ(s.sim.item_info, (std::vector<std::string>{"Extreme Armor", "Current Age Level: 2",
                                                       "Defense: 270 -> 297", "Absorption: 10.6 -> 11.6"}));
  EXPECT_EQ(s.sim.history, std::vector<std::string>{"+2 to Level 2"});
  EXPECT_EQ(s.sim.plus2, 1);
  EXPECT_EQ(s.random.reseeds, 1);
}

TEST(AgingSampleItems, BishopRobeInSingleSteps) {
  Sim s;
  s.sim.selected_item = 1;
  std::vector<std::int32_t> seen;
  for (int i = 0; i < 10; ++i) {
    s.age(O::PlusOne);
    seen.push_back(s.sim.item_value);
  }
  EXPECT_EQ(seen, (std::vector<std::int32_t>{220, 230, 241, 253, 265, 278, 291, 305, 320, 336}));
  EXPECT_EQ(s.sim.aging_level, 10);
  EXPECT_EQ(s.sim.item_info[3], "Absorption: 8.9 -> 13.9");
  // Level 11 is reached only by +2 from 9; its single step from 336 gives 352.
  EXPECT_EQ(item_value_after(sample_item(1), 336, 1, 11), 352);
  EXPECT_EQ(item_value_after(sample_item(1), 305, 2, 11), 336);
}

TEST(AgingSampleItems, MinusTwoAfterPlusTwoDoesNotReturnToTheStart) {
  Sim s;
  s.sim.selected_item = 0;
  s.age(O::PlusTwo);  // 297
  s.age(O::PlusTwo);  // level 4: 311, 326
  s.age(O::MinusTwo);
  EXPECT_EQ(s.sim.aging_level, 2);
  // 326 / 1.05 = 310.48 -> 310, 310 / 1.05 = 295.24 -> 295: not back at 297.
  EXPECT_EQ(s.sim.item_info[2], "Defense: 270 -> 295");
  Sim t;
  t.sim.selected_item = 0;
  t.sim.aging_level = 4;
  t.sim.item_base_value = 270;
  t.sim.item_value = 297;
  t.age(O::MinusTwo);
  EXPECT_EQ(t.sim.item_value, 268);  // 297 / 1.05 = 282.85 -> 282; 282 / 1.05 = 268.57 -> 268
  EXPECT_EQ(t.sim.history.back(), "-2 to Level 2");
  EXPECT_EQ(t.sim.minus2, 1);
}

TEST(AgingSampleItems, ShieldBlockAndOrbFactor) {
  const SampleItem& shield = sample_item(2);
  EXPECT_EQ(item_value_after(shield, 999, 1, 1), 19);
  EXPECT_EQ(item_value_after(shield, 0, 2, 3), 20);
  EXPECT_EQ(item_value_after(shield, 0, 1, 11), 24);
  EXPECT_DOUBLE_EQ(item_abs_at(shield, 3), 6.3);
  const SampleItem& orb = sample_item(3);
  EXPECT_EQ(item_value_after(orb, 85, 1, 1), 93);   // 93.5
  EXPECT_EQ(item_value_after(orb, 93, 2, 3), 112);  // 102.3 -> 102, 112.2 -> 112
  EXPECT_EQ(item_value_after(orb, 110, -1, 2), 100);  // the quotient rounds to exactly 100
  EXPECT_DOUBLE_EQ(item_abs_at(orb, 2), 4);
}

TEST(AgingPrices, FirstAttemptPrices) {
  Sim s;
  s.sim.selected_item = 0;
  s.age(O::PlusOne);
  for (int k = 0; k < kSheltomKinds; ++k)
    EXPECT_EQ(s.sim.count_text(k), std::string("x ") + (k < 2 ? "2" : k == 2 ? "1" : "0")) << k;
  EXPECT_EQ(s.sim.shelt_price, "44,000");  // 2 x 4000 + 2 x 8000 + 20000
  EXPECT_EQ(s.sim.age_price, "46,000");    // 92000 x 1 div 2
  EXPECT_EQ(s.sim.total_price, "90,000");
  s.fmt = NumberFormat::comma();
  s.age(O::PlusOne);                       // row of level 1, fee of level 2
  EXPECT_EQ(s.sim.shelt_price, "108.000");
  EXPECT_EQ(s.sim.age_price, "138.000");
  EXPECT_EQ(s.sim.total_price, "246.000");
}

TEST(AgingPrices, NoItemSelectedCountsSheltomsButNoFee) {
  Sim s;
  s.sim.item_info = {"kept"};
  s.age(O::PlusTwo);
  EXPECT_EQ(s.sim.shelt_price, "44,000");
  EXPECT_EQ(s.sim.age_price, "");  // 0 gives an empty text
  EXPECT_EQ(s.sim.total_price, "44,000");
  EXPECT_EQ(s.sim.item_info, std::vector<std::string>{"kept"});
}

TEST(AgingPrices, PriceBoxesAreReadAtEveryAttempt) {
  Sim s;
  s.sim.price_texts[0] = "1";
  s.age(O::PlusOne);
  EXPECT_EQ(s.sim.shelt_price, "24,001");
  s.sim.price_texts[0] = "-1";
  s.age(O::PlusOne);  // 4 Fadeo, 4 Sparky, 3 Raident
  EXPECT_EQ(s.sim.shelt_price, "47,997");
}

TEST(AgingPrices, NonIntegerPriceEndsTheAttemptAfterTheItem) {
  Sim s;
  s.sim.selected_item = 0;
  s.age(O::PlusOne);
  s.sim.price_texts[3] = "2.000.000";
  s.random.push(draws_for(1, O::PlusOne));
  try {
    age_once(s.sim, s.random, s.dialogs, s.fmt);
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'2.000.000' is not a valid integer value");
  }
  EXPECT_EQ(s.sim.aging_level, 2);           // steps 1-6 done
  EXPECT_EQ(s.sim.count_text(2), "x 3");
  EXPECT_EQ(s.sim.item_info[1], "Current Age Level: 2");
  EXPECT_EQ(s.sim.shelt_price, "44,000");    // prices not updated
  EXPECT_EQ(s.sim.age_price, "46,000");
}

TEST(AgingPrices, GroupedSixtyFourBit) {
  const NumberFormat p = NumberFormat::point();
  EXPECT_EQ(grouped_int64(0, p), "");
  EXPECT_EQ(grouped_int64(999, p), "999");
  EXPECT_EQ(grouped_int64(1000, p), "1,000");
  EXPECT_EQ(grouped_int64(-1234567, p), "-1,234,567");
  EXPECT_EQ(grouped_int64(9223372036854775807LL, p), "9,223,372,036,854,775,807");
  EXPECT_EQ(grouped_int64(10000000000LL, NumberFormat::comma()), "10.000.000.000");
}

TEST(AgingAttempts, FailureCountsTheRowOfTheLevelAttempted) {
  Sim s;
  s.sim.selected_item = 1;
  for (int i = 0; i < 7; ++i) s.age(O::PlusOne);  // level 7
  const auto before = s.sim.counts;
  s.age(O::Failure);
  EXPECT_EQ(s.sim.history.back(), "Failed to Level 8");
  EXPECT_EQ(s.sim.aging_level, 0);
  EXPECT_FALSE(s.sim.age_enabled);
  for (int k = 0; k < kSheltomKinds; ++k)
    EXPECT_EQ(s.sim.counts[k] - before[k], sheltom_use_table[7][k]) << k;
  // The item is back at its level-0 values, the fee of level 0 is nothing.
  EXPECT_EQ(s.sim.item_info[2], "Defense: 210 -> 210");
  EXPECT_EQ(s.sim.plus1, 7);
  EXPECT_EQ(s.sim.minus1 + s.sim.minus2 + s.sim.plus2, 0);
}

TEST(AgingAttempts, ChangedItemKeepsStoredValues) {
  Sim s;
  s.sim.selected_item = 0;
  s.age(O::PlusOne);  // 283
  s.sim.selected_item = 3;
  s.age(O::PlusOne);  // floor(283 x 1.1) = 311 under the orb's rule
  EXPECT_EQ(s.sim.item_info, (std::vector<std::string>{"Astral Orb", "Current Age Level: 2",
                                                       "Defense: 270 -> 311", "Absorption: 10.6 -> 4"}));
  EXPECT_EQ(s.sim.age_price, "114,000");  // 46000 + 68000 x 2 div 2
}

TEST(AgingAttempts, HighestLevelMessageAndReset) {
  Sim s;
  s.sim.aging_level = 9;
  s.age(O::PlusTwo);
  EXPECT_EQ(s.sim.aging_level, 11);
  age_once(s.sim, s.random, s.dialogs, s.fmt);
  ASSERT_EQ(s.dialogs.messages.size(), 1u);
  EXPECT_EQ(s.dialogs.messages[0], "Sorry, +11 is the highest possible Age-Level with the current Sheltoms.");
  EXPECT_FALSE(s.sim.age_enabled);
  EXPECT_EQ(s.sim.history.size(), 1u);
  reset_aging(s.sim);
  EXPECT_TRUE(s.sim.age_enabled);
  EXPECT_EQ(s.sim.aging_level, 0);
  EXPECT_TRUE(s.sim.history.empty());
  EXPECT_EQ(s.sim.count_text(0), "x 0");
  EXPECT_EQ(s.sim.shelt_price, "0");
  EXPECT_EQ(s.sim.total_price, "0");
  EXPECT_EQ(s.sim.plus2, 0);
  s.sim.aging_level = 10;
  age_once(s.sim, s.random, s.dialogs, s.fmt);
  EXPECT_EQ(s.dialogs.messages.back(), "Sorry, +10 is the highest possible Age-Level with the current Sheltoms.");
}

TEST(AgingOdds, HandWorkedValues) {
  const auto prices = sheltom_prices({"20000", "50000", "200000", "2000000", "10000000"});
  const AgingOdds o = aging_odds(0, prices, 92000);
  ASSERT_EQ(o.targets.size(), 10u);
  // +1 and +2 from level 0 never fail: one attempt, or 1 + 3/4.
  EXPECT_DOUBLE_EQ(o.targets[0].probability, 1);
  EXPECT_DOUBLE_EQ(o.targets[0].attempts, 1);
  EXPECT_DOUBLE_EQ(o.targets[0].gold, 44000 + 0.75 * 46000 + 0.25 * 92000);
  EXPECT_DOUBLE_EQ(o.targets[1].attempts, 1.75);
  EXPECT_DOUBLE_EQ(o.targets[1].sheltoms[2], 1 + 0.75 * 2);
  // From 9: +10 needs +1 or +2 before a failure; -1/-2 go back to 8 and 7.
  const AgingOdds top = aging_odds(9, prices, 0);
  ASSERT_EQ(top.targets.size(), 1u);
  // The chain's own equation at level 9: +1/+2 reach it, -1/-2 try on from 8 and 7.
  const double p9 = top.targets[0].probability;
  const double p8 = aging_odds(8, prices, 0).targets[1].probability;
  const double p7 = aging_odds(7, prices, 0).targets[2].probability;
  EXPECT_NEAR(p9, 0.4 + 0.3 * p8 + 0.1 * p7, 1e-15);
  EXPECT_GT(p9, 0.4);
  EXPECT_LT(p8, p9);
  EXPECT_LT(p7, p8);
  EXPECT_TRUE(aging_odds(10, prices, 0).targets.empty());
  // Until success from 0 is E / P.
  const TargetOdds& t = o.targets[9];
  EXPECT_NEAR(t.gold_until_success, t.gold / t.probability, 1e-6 * t.gold_until_success);
}

// The exact expectations against a seeded simulation of 1,000,000 attempts.
TEST(AgingOdds, AgreeWithSeededSimulation) {
  const auto prices = sheltom_prices({"20000", "50000", "200000", "2000000", "10000000"});
  const std::int64_t fee = sample_item(0).fee_base;
  for (int target : {6, 8, 10}) {
    const TargetOdds exact = aging_odds(0, prices, fee).targets[static_cast<std::size_t>(target - 1)];
    Mt random(20261209u + static_cast<unsigned>(target));
    long tries = 0, successes = 0, attempts = 0;
    double gold_sum = 0, gold_sq = 0, att_sq = 0;
    while (attempts < 1000000) {
      int level = 0;
      double gold = 0;
      long n = 0;
      for (;;) {
        const auto& row = sheltoms_of_attempt(level);
        for (int k = 0; k < kSheltomKinds; ++k) gold += static_cast<double>(prices[k] * row[k]);
        ++n;
        const int step = step_of(draw_outcome(level, random));
        if (step == 0) break;
        level += step;
        gold += static_cast<double>(fee * level / 2);
        if (level >= target) {
          ++successes;
          break;
        }
      }
      ++tries;
      attempts += n;
      gold_sum += gold;
      gold_sq += gold * gold;
      att_sq += static_cast<double>(n) * static_cast<double>(n);
    }
    const double p = static_cast<double>(successes) / static_cast<double>(tries);
    const double p_se = std::sqrt(exact.probability * (1 - exact.probability) / static_cast<double>(tries));
    const double a = static_cast<double>(attempts) / static_cast<double>(tries);
    const double a_se = std::sqrt((att_sq / tries - a * a) / tries);
    const double g = gold_sum / static_cast<double>(tries);
    const double g_se = std::sqrt((gold_sq / tries - g * g) / tries);
    std::printf("[aging odds] +%d from 0: P exact %.9f simulated %.9f (se %.2g); attempts exact %.6f simulated %.6f "
                "(se %.2g); gold exact %.1f simulated %.1f (se %.3g); %ld tries, %ld attempts\n",
                target, exact.probability, p, p_se, exact.attempts, a, a_se, exact.gold, g, g_se, tries, attempts);
    EXPECT_NEAR(p, exact.probability, 4 * p_se) << target;
    EXPECT_NEAR(a, exact.attempts, 4 * a_se) << target;
    EXPECT_NEAR(g, exact.gold, 4 * g_se) << target;
  }
}

TEST(AgingOdds, JsonShapeAndPanelTable) {
  AgingSimulator sim;
  sim.aging_level = 8;
  sim.selected_item = 2;
  const AgingOdds odds = aging_odds_of(sim);
  const auto j = aging_odds_json(odds);
  EXPECT_EQ(j["from"], 8);
  ASSERT_EQ(j["targets"].size(), 2u);
  EXPECT_EQ(j["targets"][0]["target"], 9);
  EXPECT_TRUE(j["targets"][0]["probability"].is_number_float());
  std::vector<std::string> keys;
  for (auto it = j["targets"][1]["sheltoms"].begin(); it != j["targets"][1]["sheltoms"].end(); ++it)
    keys.push_back(it.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"Fadeo", "Sparky", "Raident", "Transparo", "Murky", "Devine", "Celesto"}));
  const auto table = aging_odds_table(odds, NumberFormat::comma());
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].size(), 12u);
  EXPECT_EQ(table[1][0], "+9");
  EXPECT_NE(table[1][1].find(','), std::string::npos);  // the locale's separator
  sim.price_texts[4] = "lots";
  EXPECT_THROW(aging_odds_of(sim), ConversionError);
}
