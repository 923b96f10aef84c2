#include "tools/aging_sim.h"

#include <algorithm>
#include <cmath>
#include <chrono>
#include <functional>
#include <random>

#include "base/evaluation.h"

namespace brennick {

const std::array<const char*, kSheltomKinds> kSheltomNames{"Fadeo",  "Sparky", "Raident", "Transparo",
                                                           "Murky",  "Devine", "Celesto"};

const std::array<std::array<std::uint8_t, kSheltomKinds>, kSheltomRows> sheltom_use_table{{
    {2, 2, 1, 0, 0, 0, 0},
    {2, 2, 2, 0, 0, 0, 0},
    {2, 2, 2, 1, 0, 0, 0},
    {2, 2, 2, 2, 0, 0, 0},
    {2, 2, 2, 2, 1, 0, 0},
    {2, 2, 2, 2, 2, 0, 0},
    {2, 2, 2, 2, 2, 1, 0},
    {2, 2, 2, 2, 2, 2, 0},
    {0, 2, 2, 2, 2, 2, 1},
    {0, 2, 2, 2, 2, 2, 2},
}};

const std::array<const char*, kPricedSheltoms> kPriceBoxNames{"price_raid", "price_trans", "price_murky",
                                                              "price_devine", "price_celesto"};
const std::array<const char*, kPricedSheltoms> kDefaultPrices{"20000", "50000", "200000", "2000000", "10000000"};

namespace {

// Extended constants: 1.05L lies just below 1.05 and 1.1L just above 1.1,
// which decides the floor of products that come out whole.
constexpr std::array<SampleItem, kSampleItems> kItems{{
    {"Extreme Armor", "Defense: ", 270, 10.6, 1.05L, 0.5L, 92000},
    {"Bishop Robe", "Defense: ", 210, 8.9, 1.05L, 0.5L, 92000},
    {"Gladiator Shield", "Block: ", 19, 5.7, 0.0L, 0.2L, 100000},
    {"Astral Orb", "Defense: ", 85, 3, 1.1L, 0.5L, 68000},
}};

}  // namespace

struct ClockRandomSource::Impl {
  std::mt19937_64 gen;
};
ClockRandomSource::ClockRandomSource() : impl_(new Impl) { reseed(); }
ClockRandomSource::~ClockRandomSource() { delete impl_; }
void ClockRandomSource::reseed() {
  impl_->gen.seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) ^
                  static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}
int ClockRandomSource::draw(int n) { return std::uniform_int_distribution<int>(0, n - 1)(impl_->gen); }

int step_of(AgingOutcome outcome) {
  switch (outcome) {
    case AgingOutcome::PlusTwo: return 2;
    case AgingOutcome::PlusOne: return 1;
    case AgingOutcome::Failure: return 0;
    case AgingOutcome::MinusOne: return -1;
    case AgingOutcome::MinusTwo: return -2;
  }
  return 0;
}

AgingOutcome draw_outcome(int level, RandomSource& random) {
  using O = AgingOutcome;
  if (level <= 2) {
    if (random.draw(2) == 0) return O::PlusOne;
    return random.draw(2) == 0 ? O::PlusOne : O::PlusTwo;
  }
  if (level <= 4) {
    switch (random.draw(4)) {
      case 0: return random.draw(2) == 0 ? O::MinusTwo : O::MinusOne;
      case 1: return O::MinusOne;
      case 2: return O::PlusOne;
      default: return random.draw(2) == 0 ? O::PlusOne : O::PlusTwo;
    }
  }
  switch (random.draw(5)) {
    case 0: return random.draw(2) == 0 ? O::MinusTwo : O::MinusOne;
    case 1: return O::MinusOne;
    case 2: return O::Failure;
    case 3: return O::PlusOne;
    default: return random.draw(2) == 0 ? O::PlusOne : O::PlusTwo;
  }
}

namespace {

// Plays a fixed prefix of draws, then records which draw ran out.
class PathSource : public RandomSource {
 public:
  explicit PathSource(std::vector<int> path) : path_(std::move(path)) {}
  int draw(int n) override {
    if (used_ < path_.size()) return path_[used_++];
    open_n = n;
    throw Open{};
  }
  struct Open {};
  int open_n = 0;

 private:
  std::vector<int> path_;
  std::size_t used_ = 0;
};

void follow(int level, std::vector<int> path, double weight, std::array<double, kOutcomeCount>& odds) {
  PathSource source(path);
  try {
    odds[static_cast<std::size_t>(draw_outcome(level, source))] += weight;
  } catch (const PathSource::Open&) {
    for (int v = 0; v < source.open_n; ++v) {
      std::vector<int> longer = path;
      longer.push_back(v);
      follow(level, longer, weight / source.open_n, odds);
    }
  }
}

}  // namespace

std::array<double, kOutcomeCount> outcome_odds(int level) {
  std::array<double, kOutcomeCount> odds{};
  follow(level, {}, 1.0, odds);
  return odds;
}

const std::array<std::uint8_t, kSheltomKinds>& sheltoms_of_attempt(int level) {
  return sheltom_use_table.at(static_cast<std::size_t>(std::clamp(level, 0, kSheltomRows - 1)));
}

std::array<std::int64_t, kSheltomKinds> sheltom_prices(const std::array<std::string, kPricedSheltoms>& texts) {
  std::array<std::int64_t, kSheltomKinds> prices{kFadeoPrice, kSparkyPrice};
  for (int i = 0; i < kPricedSheltoms; ++i) {
    const std::string& t = texts[static_cast<std::size_t>(i)];
    if (!is_int_text(t)) throw ConversionError("'" + t + "' is not a valid integer value");
    prices[static_cast<std::size_t>(i + 2)] = int_of_text(t);
  }
  return prices;
}

const SampleItem& sample_item(int row) { return kItems.at(static_cast<std::size_t>(row)); }

std::int32_t item_value_after(const SampleItem& item, std::int32_t value, int step, int new_level) {
  if (item.factor == 0.0L) return saturate_i32(std::floor(new_level * 0.5L + item.base_value));
  std::int32_t v = value;
  for (int i = 0; i < std::abs(step); ++i) {
    const ext x = static_cast<ext>(v);
    v = saturate_i32(std::floor(step > 0 ? x * item.factor : x / item.factor));
  }
  return v;
}

double item_abs_at(const SampleItem& item, int level) {
  const double a = stored(level * item.abs_per_level + static_cast<ext>(item.base_abs));
  return stored(round_half_even(static_cast<ext>(a) / 0.1L) * 0.1L);
}

std::string grouped_int64(std::int64_t value, const NumberFormat& fmt) {
  if (value == 0) return "";
  const bool negative = value < 0;
  // The magnitude as unsigned, so the lowest value has one too.
  std::uint64_t m = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(m);
  std::string out;
  const int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    out.push_back(digits[static_cast<std::size_t>(i)]);
    const int rest = n - 1 - i;
    if (rest > 0 && rest % 3 == 0) out.push_back(fmt.thousands);
  }
  return (negative ? "-" : "") + out;
}

std::string AgingSimulator::count_text(int kind) const {
  return "x " + int_text(counts.at(static_cast<std::size_t>(kind)));
}

namespace {

// 64-bit sums that wrap instead of overflowing, as the game's do.
std::int64_t wrap_add(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
std::int64_t wrap_mul(std::int64_t a, std::int64_t b) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

}  // namespace

void age_once(AgingSimulator& sim, RandomSource& random, Dialogs& dialogs, const NumberFormat& fmt) {
  // 1. The highest level.
  if (sim.aging_level >= kHighestLevel) {
    dialogs.information("Sorry, +" + int_text(sim.aging_level) +
                        " is the highest possible Age-Level with the current Sheltoms.");
    sim.age_enabled = false;
    return;
  }
  // 2. The outcome.
  random.reseed();
  const int from = sim.aging_level;
  const AgingOutcome outcome = draw_outcome(from, random);
  const int step = step_of(outcome);
  // 3. Tallies.
  switch (outcome) {
    case AgingOutcome::PlusTwo: ++sim.plus2; break;
    case AgingOutcome::PlusOne: ++sim.plus1; break;
    case AgingOutcome::MinusOne: ++sim.minus1; break;
    case AgingOutcome::MinusTwo: ++sim.minus2; break;
    case AgingOutcome::Failure: break;
  }
  // 4. Level and history.
  if (step != 0) {
    sim.aging_level += step;
    sim.history.push_back((step > 0 ? "+" : "") + int_text(step) + " to Level " + int_text(sim.aging_level));
  } else {
    sim.history.push_back("Failed to Level " + int_text(sim.aging_level + 1));
    sim.aging_level = 0;
    sim.age_enabled = false;
  }
  // 5. Sheltoms: every attempt burns the row of the level it was made from,
  // a failed one too.
  const auto& row = sheltoms_of_attempt(from);
  for (int k = 0; k < kSheltomKinds; ++k)
    sim.counts[static_cast<std::size_t>(k)] = wrap_add(sim.counts[static_cast<std::size_t>(k)], row[static_cast<std::size_t>(k)]);
  // 6. The sample item.
  std::int64_t fee_base = 0;
  if (sim.selected_item >= 0 && sim.selected_item < kSampleItems) {
    const SampleItem& item = sample_item(sim.selected_item);
    fee_base = item.fee_base;
    sim.item_info.clear();
    if (sim.aging_level == step) {
      sim.item_base_value = sim.item_value = item.base_value;
      sim.item_base_abs = sim.item_abs = item.base_abs;
    }
    sim.item_value = item_value_after(item, sim.item_value, step, sim.aging_level);
    sim.item_abs = item_abs_at(item, sim.aging_level);
    sim.item_info = {item.name, "Current Age Level: " + int_text(sim.aging_level),
                     std::string(item.value_label) + int_text(sim.item_base_value) + " -> " + int_text(sim.item_value),
                     "Absorption: " + format_general(sim.item_base_abs, fmt) + " -> " + format_general(sim.item_abs, fmt)};
  }
  // 7. Prices, read at every attempt.
  const auto prices = sheltom_prices(sim.price_texts);
  std::int64_t gold = 0;
  for (int k = 0; k < kSheltomKinds; ++k)
    gold = wrap_add(gold, wrap_mul(prices[static_cast<std::size_t>(k)], sim.counts[static_cast<std::size_t>(k)]));
  sim.sheltom_gold = gold;
  sim.aging_gold = wrap_add(sim.aging_gold, fee_base * sim.aging_level / 2);
  sim.total_price = grouped_int64(wrap_add(sim.sheltom_gold, sim.aging_gold), fmt);
  sim.age_price = grouped_int64(sim.aging_gold, fmt);
  sim.shelt_price = grouped_int64(sim.sheltom_gold, fmt);
}

void reset_aging(AgingSimulator& sim) {
  sim.history.clear();
  sim.plus2 = sim.plus1 = sim.minus1 = sim.minus2 = 0;
  sim.counts = {};
  sim.aging_level = 0;
  sim.age_enabled = true;
  sim.shelt_price = sim.age_price = sim.total_price = "0";
  sim.aging_gold = sim.sheltom_gold = 0;
}

}  // namespace brennick
