#include "tools/aging_odds.h"

#include <cmath>
#include <utility>

#include "base/evaluation.h"

namespace brennick {
namespace {

using Vec = std::vector<long double>;

// Solves A x = b (n <= 10) by Gaussian elimination with partial pivoting.
Vec solve(std::vector<Vec> a, Vec b) {
  const std::size_t n = b.size();
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    std::swap(a[c], a[pivot]);
    std::swap(b[c], b[pivot]);
    for (std::size_t r = c + 1; r < n; ++r) {
      const long double f = a[r][c] / a[c][c];
      if (f == 0) continue;
      for (std::size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
      b[r] -= f * b[c];
    }
  }
  Vec x(n);
  for (std::size_t i = n; i-- > 0;) {
    long double s = b[i];
    for (std::size_t k = i + 1; k < n; ++k) s -= a[i][k] * x[k];
    x[i] = s / a[i][i];
  }
  return x;
}

constexpr int kQuantities = 3 + kSheltomKinds;  // probability, attempts, fee, sheltoms

// The chain for one target T: the transient states are the levels 0 .. T-1;
// a level of T or more ends the try in success, a failure ends it without.
// For every quantity q: x_l = r_l + sum over outcomes staying below T of
// p * x_next, with r_l what the attempt from l adds itself.
std::array<Vec, kQuantities> solve_target(int target, std::int64_t fee_base) {
  const std::size_t n = static_cast<std::size_t>(target);
  std::vector<Vec> a(n, Vec(n, 0.0L));
  std::array<Vec, kQuantities> rhs;
  for (Vec& r : rhs) r.assign(n, 0.0L);
  for (int l = 0; l < target; ++l) {
    const std::size_t i = static_cast<std::size_t>(l);
    a[i][i] += 1;
    const auto odds = outcome_odds(l);
    rhs[1][i] = 1;  // the attempt itself
    for (int k = 0; k < kSheltomKinds; ++k) rhs[3 + static_cast<std::size_t>(k)][i] = sheltoms_of_attempt(l)[static_cast<std::size_t>(k)];
    for (int o = 0; o < kOutcomeCount; ++o) {
      const long double p = odds[static_cast<std::size_t>(o)];
      if (p == 0) continue;
      const auto outcome = static_cast<AgingOutcome>(o);
      if (outcome == AgingOutcome::Failure) continue;  // ends the try; its fee (level 0) is nothing
      const int next = l + step_of(outcome);
      rhs[2][i] += p * static_cast<long double>(fee_base * next / 2);
      if (next >= target)
        rhs[0][i] += p;
      else
        a[i][static_cast<std::size_t>(next)] -= p;
    }
  }
  std::array<Vec, kQuantities> x;
  for (int q = 0; q < kQuantities; ++q) x[static_cast<std::size_t>(q)] = solve(a, rhs[static_cast<std::size_t>(q)]);
  return x;
}

}  // namespace

AgingOdds aging_odds(int from, const std::array<std::int64_t, kSheltomKinds>& prices, std::int64_t fee_base) {
  AgingOdds out;
  out.from = from;
  if (from < 0) from = 0;
  for (int t = from + 1; t <= kHighestTarget; ++t) {
    const auto x = solve_target(t, fee_base);
    auto gold_at = [&](std::size_t l) {
      long double g = x[2][l];
      for (int k = 0; k < kSheltomKinds; ++k)
        g += static_cast<long double>(prices[static_cast<std::size_t>(k)]) * x[3 + static_cast<std::size_t>(k)][l];
      return g;
    };
    const std::size_t l = static_cast<std::size_t>(from);
    TargetOdds odds;
    odds.target = t;
    odds.probability = stored(x[0][l]);
    odds.attempts = stored(x[1][l]);
    for (int k = 0; k < kSheltomKinds; ++k) odds.sheltoms[static_cast<std::size_t>(k)] = stored(x[3 + static_cast<std::size_t>(k)][l]);
    const long double e_l = gold_at(l), e_0 = gold_at(0);
    odds.gold = stored(e_l);
    odds.gold_until_success = stored(e_l + (1 - x[0][l]) * e_0 / x[0][0]);
    out.targets.push_back(odds);
  }
  return out;
}

nlohmann::ordered_json aging_odds_json(const AgingOdds& odds) {
  nlohmann::ordered_json out;
  out["from"] = odds.from;
  out["targets"] = nlohmann::ordered_json::array();
  for (const TargetOdds& t : odds.targets) {
    nlohmann::ordered_json j;
    j["target"] = t.target;
    j["probability"] = t.probability;
    j["attempts"] = t.attempts;
    nlohmann::ordered_json s;
    for (int k = 0; k < kSheltomKinds; ++k) s[kSheltomNames[static_cast<std::size_t>(k)]] = t.sheltoms[static_cast<std::size_t>(k)];
    j["sheltoms"] = s;
    j["gold"] = t.gold;
    j["gold_until_success"] = t.gold_until_success;
    out["targets"].push_back(j);
  }
  return out;
}

namespace {

// A real with `decimals` digits, grouped by thousands.
std::string grouped_real(double v, int decimals, const NumberFormat& fmt) {
  const std::string fixed = format_fixed(v, decimals, fmt);
  const std::size_t dot = fixed.find(fmt.decimal);
  std::string ip = fixed.substr(0, dot), fp = dot == std::string::npos ? "" : fixed.substr(dot);
  std::string out;
  const int n = static_cast<int>(ip.size());
  for (int i = 0; i < n; ++i) {
    out.push_back(ip[static_cast<std::size_t>(i)]);
    const int rest = n - 1 - i;
    if (rest > 0 && rest % 3 == 0 && ip[static_cast<std::size_t>(i)] != '-') out.push_back(fmt.thousands);
  }
  return out + fp;
}

}  // namespace

std::vector<std::vector<std::string>> aging_odds_table(const AgingOdds& odds, const NumberFormat& fmt) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> head{"Target", "P", "Attempts"};
  for (const char* name : kSheltomNames) head.emplace_back(name);
  head.emplace_back("Gold");
  head.emplace_back("Until success");
  rows.push_back(head);
  for (const TargetOdds& t : odds.targets) {
    std::vector<std::string> r{"+" + int_text(t.target), format_fixed(t.probability * 100, 2, fmt) + " %",
                               grouped_real(t.attempts, 2, fmt)};
    for (double s : t.sheltoms) r.push_back(grouped_real(s, 2, fmt));
    r.push_back(grouped_real(t.gold, 0, fmt));
    r.push_back(grouped_real(t.gold_until_success, 0, fmt));
    rows.push_back(r);
  }
  return rows;
}

AgingOdds aging_odds_of(const AgingSimulator& sim) {
  const auto prices = sheltom_prices(sim.price_texts);
  const std::int64_t fee =
      sim.selected_item >= 0 && sim.selected_item < kSampleItems ? sample_item(sim.selected_item).fee_base : 0;
  return aging_odds(sim.aging_level, prices, fee);
}

}  // namespace brennick
