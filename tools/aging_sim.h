// The aging simulator: the game's item-aging lottery played attempt by
// attempt, with the sheltoms it burns, their price, the aging fee and one
// sample item that follows the age level.
//
// The random draws come from an injected source, so tests can script every
// outcome; the window seeds a clock-based source.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "engine/services.h"

namespace brennick {

// A uniform integer in 0 .. n-1 per draw; reseed() is called once per
// attempt, before its draws.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void reseed() {}
  virtual int draw(int n) = 0;
};

// The window's source: a generator seeded again from the clock at every
// attempt.
class ClockRandomSource : public RandomSource {
 public:
  ClockRandomSource();
  ~ClockRandomSource() override;
  ClockRandomSource(const ClockRandomSource&) = delete;
  ClockRandomSource& operator=(const ClockRandomSource&) = delete;
  void reseed() override;
  int draw(int n) override;

 private:
  struct Impl;
  Impl* impl_;
};

// The five outcomes of one attempt, in the order of their signed steps.
enum class AgingOutcome { PlusTwo, PlusOne, Failure, MinusOne, MinusTwo };
inline constexpr int kOutcomeCount = 5;
int step_of(AgingOutcome outcome);

// One attempt's outcome from the current level.
AgingOutcome draw_outcome(int level, RandomSource& random);

// The probability of each outcome from the level (indexed by AgingOutcome),
// found by following every path of draw_outcome: the same odds it plays.
std::array<double, kOutcomeCount> outcome_odds(int level);

inline constexpr int kSheltomKinds = 7;
inline constexpr int kSheltomRows = 10;  // attempts start from level 0 .. 9
inline constexpr int kHighestLevel = 10;  // from 10 (and 11) no attempt is possible
extern const std::array<const char*, kSheltomKinds> kSheltomNames;  // Fadeo .. Celesto
extern const std::array<std::array<std::uint8_t, kSheltomKinds>, kSheltomRows> sheltom_use_table;

// The sheltoms an attempt from `level` burns.
const std::array<std::uint8_t, kSheltomKinds>& sheltoms_of_attempt(int level);

// Prices of the five sheltoms that have a price box, Raident .. Celesto.
inline constexpr int kPricedSheltoms = 5;
extern const std::array<const char*, kPricedSheltoms> kPriceBoxNames;    // price_raid ..
extern const std::array<const char*, kPricedSheltoms> kDefaultPrices;    // "20000" ..
inline constexpr std::int64_t kFadeoPrice = 4000;
inline constexpr std::int64_t kSparkyPrice = 8000;

// The price of every kind, Fadeo .. Celesto, from the five price texts.
// Throws ConversionError("'<text>' is not a valid integer value").
std::array<std::int64_t, kSheltomKinds> sheltom_prices(const std::array<std::string, kPricedSheltoms>& texts);

// The four sample items of "Select Item".
struct SampleItem {
  const char* name;
  const char* value_label;  // "Defense: " or "Block: "
  std::int32_t base_value;
  double base_abs;
  long double factor;   // defence factor per level; 0 for the shield's block rule
  long double abs_per_level;
  std::int64_t fee_base;
};
inline constexpr int kSampleItems = 4;
const SampleItem& sample_item(int row);

// The item's value after one step from `value` to `new_level`.
std::int32_t item_value_after(const SampleItem& item, std::int32_t value, int step, int new_level);
// The item's absorption at a level, rounded to one decimal.
double item_abs_at(const SampleItem& item, int level);

// "#,###,###,###" of a 64-bit count: digits grouped by three with the
// locale's thousands separator; 0 gives an empty text.
std::string grouped_int64(std::int64_t value, const NumberFormat& fmt);

// The window's state and the texts it shows.
struct AgingSimulator {
  // Module-level values of the window.
  std::int32_t aging_level = 0;
  std::int32_t item_base_value = 0;
  std::int32_t item_value = 0;
  double item_base_abs = 0;
  double item_abs = 0;
  std::int64_t aging_gold = 0;
  std::int64_t sheltom_gold = 0;

  // Inputs: the selected row of Select_item (-1 none), the price boxes.
  int selected_item = -1;
  std::array<std::string, kPricedSheltoms> price_texts{"20000", "50000", "200000", "2000000", "10000000"};

  // What the window shows.
  std::array<std::int64_t, kSheltomKinds> counts{};  // shown as "x " + count
  std::int64_t plus2 = 0, plus1 = 0, minus1 = 0, minus2 = 0;  // lbl_p2, lbl_p1, lbl_m1, lbl_m2
  std::vector<std::string> history;
  std::vector<std::string> item_info;
  std::string shelt_price = "0", age_price = "0", total_price = "0";
  bool age_enabled = true;

  std::string count_text(int kind) const;
};

// "Age! ": one attempt. The highest level shows its message through
// `dialogs` and disables the button. A price box that is not an integer
// throws ConversionError after the outcome, history, counts and item were
// updated; the prices then keep their old texts.
void age_once(AgingSimulator& sim, RandomSource& random, Dialogs& dialogs, const NumberFormat& fmt);

// "Reset".
void reset_aging(AgingSimulator& sim);

}  // namespace brennick
