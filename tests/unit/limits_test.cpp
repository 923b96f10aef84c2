// Every box at the ends of the 32-bit range. The boxes take any integer the
// player types, so every formula and every skill report must come through a
// character whose values sit at the limits: the pass completes for every
// class, weapon pair and learned level, and what cannot grow further stays
// at the limit. Built with the sanitizers, this is the test that finds
// signed overflow in the arithmetic.
#include <gtest/gtest.h>

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
