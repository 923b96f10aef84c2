// Every box at the ends of the 32-bit range. The boxes take any integer the
// player types, so every formula and every skill report must come through a
// character whose values sit at the limits: the pass completes for every
// class, weapon pair and learned level, and what cannot grow further stays
// at the limit. Built with the sanitizers, this is the test that finds
// signed overflow in the arithmetic.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "data/skill_catalog.h"
#include "data/vocabulary.h"
#include "tests/unit/test_sheet.h"

using namespace brennick;

namespace {

struct Extreme {
  const char* name;
  const char* int_text;   // typed into integer boxes and number fields
  const char* real_text;  // typed into real-number boxes
};

constexpr Extreme kExtremes[] = {
    {"top", "2147483647", "1e308"},
    {"bottom", "-2147483648", "-1e308"},
};

bool is_skill_level(Ctl id) {
  for (int i = 0; i < kSlotCount; ++i)
    if (slot_controls(i).level == id) return true;
  return false;
}

// Types the extreme into every box, learns every slot at `level` and
// switches every timed skill and buff on.
void fill(TestSheet& t, const Extreme& e, int level) {
  for (Ctl id : all_controls()) {
    const ControlSpec& spec = control_spec(id);
    if (spec.kind == ControlKind::NumberField) {
      t.set(id, is_skill_level(id) ? std::to_string(level) : e.int_text);
    } else if (spec.kind == ControlKind::TextBox && (spec.flags & cflag::IntCheck)) {
      t.set(id, e.int_text);
    } else if (spec.kind == ControlKind::TextBox && (spec.flags & cflag::RealCheck)) {
      t.set(id, e.real_text);
    }
  }
  t.calc.state.skill_on.fill(1);
}

// What cannot grow further stays at the limit the boxes reached, in both
// columns: the pools, defence, rating, critical and block sit exactly at
// the end of the 32-bit range (saturated, never wrapped round), and attack
// power never turns over (its maximum is not below its minimum).
void expect_held_at_the_limit(const CalcState& s, const Extreme& e) {
  const std::int32_t limit = e.int_text[0] == '-' ? INT32_MIN : INT32_MAX;
  const std::pair<const char*, std::int32_t> held[] = {
      {"final_hp", s.final_hp},     {"final_hp_2", s.final_hp_2},     {"final_mp", s.final_mp},
      {"final_mp_2", s.final_mp_2}, {"final_stm", s.final_stm},       {"final_stm_2", s.final_stm_2},
      {"final_def", s.final_def},   {"final_def_2", s.final_def_2},   {"final_rtg", s.final_rtg},
      {"final_rtg_2", s.final_rtg_2}, {"final_crit", s.final_crit}, {"final_crit_2", s.final_crit_2},
      {"final_blk", s.final_blk},   {"final_blk_2", s.final_blk_2}};
  for (const auto& [name, v] : held) EXPECT_EQ(v, limit) << name;
  EXPECT_LE(s.final_atkpow_min, s.final_atkpow_max);
  EXPECT_LE(s.final_atkpow_min_2, s.final_atkpow_max_2);
}

}  // namespace

TEST(Limits, EveryClassAndWeaponPairPassesWithEveryBoxAtTheLimit) {
  for (const Extreme& e : kExtremes) {
    for (int class_no = 0; class_no < kClassCount; ++class_no) {
      for (int level : {1, kSkillLevelCount}) {
        TestSheet t;
        t.pick(class_no);
        fill(t, e, level);
        for (int one = 0; one <= kWeaponKindCount; ++one) {
          for (int two = 0; two <= kWeaponKindCount; ++two) {
            t.calc.sheet.set_row(Ctl::Select_weapon, one);
            t.calc.sheet.set_row(Ctl::Select_weapon_2, two);
            SCOPED_TRACE(std::string(e.name) + " " + std::string(kClassNames[class_no]) + " level " +
                         std::to_string(level) + " weapons " + std::to_string(one) + "/" + std::to_string(two));
            t.pass();
            if (::testing::Test::HasFatalFailure()) return;
          }
        }
      }
    }
  }
}

// With no class chosen no skill report runs, so every value is the steps'
// own, and those hold at the limit. (A class's skills boost values with the
// skill tables' 32-bit integer arithmetic, which the test above passes
// through without asking for a value.)
TEST(Limits, WithoutAClassTheValuesHoldAtTheLimitForEveryWeaponPair) {
  for (const Extreme& e : kExtremes) {
    TestSheet t;
    fill(t, e, 1);
    for (int one = 0; one <= kWeaponKindCount; ++one) {
      for (int two = 0; two <= kWeaponKindCount; ++two) {
        t.calc.sheet.set_row(Ctl::Select_weapon, one);
        t.calc.sheet.set_row(Ctl::Select_weapon_2, two);
        SCOPED_TRACE(std::string(e.name) + " weapons " + std::to_string(one) + "/" + std::to_string(two));
        t.pass();
        if (::testing::Test::HasFatalFailure()) return;
        expect_held_at_the_limit(t.st(), e);
      }
    }
  }
}
