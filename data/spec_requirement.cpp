#include "data/spec_requirement.h"

#include <cstdint>

namespace brennick {

namespace {

// One end of a range: "up by pct %", "down by pct %" or unchanged (pct 0).
struct Form {
  int pct;  // signed percentage: +10 = up by 0.10, −25 = down by 0.25, 0 = unchanged
};

struct Rule {
  Form lower;
  Form upper;
};

// floor(a / b) and ceil(a / b) for b > 0 and any sign of a.
std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}
std::int64_t ceil_div(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && a > 0) ? q + 1 : q;
}

int apply(Form f, int value) {
  const std::int64_t v = value;
  if (f.pct > 0) return static_cast<int>(floor_div(v * (100 + f.pct), 100));  // floor(v + v·k)
  if (f.pct < 0) return static_cast<int>(ceil_div(v * (100 + f.pct), 100));   // ceil(v − v·k)
  return value;
}

constexpr Form up(int pct) { return Form{pct}; }
constexpr Form down(int pct) { return Form{-pct}; }
constexpr Form same() { return Form{0}; }

// Rules by [stat − 1][class]; classes 0 Fighter, 1 Archer, 2 Pikeman,
// 3 Mechanician, 4 Atalanta, 5 Knight, 6 Magician, 7 Priestess.
constexpr Rule kRules[4][8] = {
    // 1 Strength
    {{up(10), up(15)}, {down(25), down(15)}, {up(10), up(15)}, {up(5), up(15)},
     {down(20), down(15)}, {up(5), up(15)}, {down(25), down(20)}, {down(25), down(20)}},
    // 2 Spirit
    {{down(20), down(15)}, {down(20), down(10)}, {down(20), down(15)}, {down(20), down(10)},
     {down(20), down(10)}, {down(15), down(10)}, {up(15), up(25)}, {up(15), up(20)}},
    // 3 Talent
    {{same(), same()}, {same(), same()}, {same(), same()}, {same(), same()},
     {same(), same()}, {up(5), up(10)}, {down(15), down(10)}, {down(15), down(10)}},
    // 4 Agility
    {{down(20), down(15)}, {up(15), up(25)}, {down(25), down(15)}, {down(25), down(15)},
     {up(15), up(25)}, {down(25), down(15)}, {down(20), down(15)}, {down(20), down(15)}},
};

}  // namespace

int spec_requirement(int value, int stat, int class_index, bool lower) {
  if (stat < kStatStrength || stat > kStatAgility) return value;
  if (class_index < 0 || class_index > 7)
    return stat == kStatTalent ? value : kRequirementNeverMet;
  const Rule& rule = kRules[stat - 1][class_index];
  return apply(lower ? rule.lower : rule.upper, value);
}

}  // namespace brennick
