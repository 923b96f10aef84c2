// The kind picture of a skill slot.
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
  if (kind < 1 || kind > 4 || slot_index < 0 || slot_index >= 16) return;
  const Ctl img = slot_controls(slot_index).kind_img;
  calc.load_picture(img, kKinds[kind - 1].picture);
  calc.sheet.set_hint(img, kKinds[kind - 1].hint);
}

}  // namespace brennick
