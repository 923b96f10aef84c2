// The kind picture of a skill slot, and the switch of a timed skill.
#include "skills/skill_steps.h"

namespace brennick {

// Kinds 1 passive, 2 active, 3 timed and on, 4 timed and off; any other kind
// changes nothing.
void set_skill_type(Calculator& calc, int slot_index, int kind) {
  struct Kind {
    const char* picture;
    const char* hint;
  };
  static constexpr Kind kKinds[] = {{"passive.bmp", "This is a passive skill."},
                                    {"active.bmp", "This is a Active skill."},
                                    {"on.bmp", "This is a Timed skill and Enabled!"},
                                    {"off.bmp", "This is a Timed skill and Disabled!"}};
  if (kind < 1 || kind > 4 || slot_index < 0 || slot_index >= kSlotCount) return;
  const Ctl img = slot_controls(slot_index).kind_img;
  calc.load_picture(img, kKinds[kind - 1].picture);
  calc.sheet.set_hint(img, kKinds[kind - 1].hint);
}

namespace {

int timed_slot_of(Ctl id) {
  for (int i = 0; i < kSlotCount; ++i)
    if (slot_controls(i).kind_img == id) return i;
  return -1;
}


// Exclusive timed pairs: (class, slot switched on) -> slot switched off.
struct Exclusion {
  int class_no, on, off;
};
constexpr Exclusion kExclusions[] = {
    {Mechanician, 0, 11}, {Mechanician, 11, 0}, {Mechanician, 5, 6}, {Mechanician, 6, 5},
    {Atalanta, 9, 12},    {Atalanta, 12, 9},    {Knight, 9, 13},     {Knight, 13, 9},
};

}  // namespace

bool toggle_timed_skill(Calculator& calc, Ctl sender) {
  CalcState& state = calc.state;
  const int i = timed_slot_of(sender);
  if (i < 0) return false;
  if (state.skill_on[i] == 1) {
    set_skill_type(calc, i, 4);
    state.skill_on[i] = 0;
    return true;
  }
  set_skill_type(calc, i, 3);
  state.skill_on[i] = 1;
  for (const Exclusion& e : kExclusions)
    if (e.class_no == calc.class_row() && e.on == i) state.skill_on[e.off] = 0;
  return true;
}

}  // namespace brennick
