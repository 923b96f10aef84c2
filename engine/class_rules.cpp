// Class rules: start statistics and their minimums, the class's captions and
// armour list, the class handed to the browser windows, quest rewards, the
// three free-point counters and the level-requirement labels of the slots.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/skill_catalog.h"
#include "engine/item_lists.h"
#include "engine/calculator.h"

namespace brennick {
namespace {

constexpr std::array<Ctl, kStatCount> kStatFields = {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent,
                                                     Ctl::stat_agility, Ctl::stat_health};

bool valid_class(int c) { return c >= 0 && c < kClassCount; }

bool wears_robe(int c) { return c == Magician || c == Priestess; }

// Red when the counter is negative, green otherwise (0 included).
void show_counter(Sheet& sheet, Ctl label, std::int64_t free) {
  sheet.set_text(label, int_text(free));
  sheet.set_color(label, free < 0 ? colors::red : colors::green);
}

}  // namespace

void Calculator::Insert_start_values() {
  const int c = class_row();
  if (!valid_class(c)) return;
  const SkillCatalog& catalog = skill_catalog();
  for (int stat = 0; stat < kStatCount; ++stat) sheet.set_value(kStatFields[stat], catalog.start_stat(c, stat));
}

void Calculator::set_stat_min_values() {
  const int c = class_row();
  if (!valid_class(c)) return;
  const SkillCatalog& catalog = skill_catalog();
  // Only the minimum changes; the field clamps its value when next written.
  for (int stat = 0; stat < kStatCount; ++stat) sheet.set_min(kStatFields[stat], catalog.start_stat(c, stat));

  static constexpr const char* kSpecCaptions[kClassCount] = {
      "Armor is FS", "Armor is AS", "Armor is PS",  "Armor is MS",
      "Armor is AtS", "Armor is KS", "Robe is Mgs", "Robe is Prs"};
  sheet.set_text(Ctl::chk_armor_is_right_spec, kSpecCaptions[c]);

  const bool robe = wears_robe(c);
  sheet.set_text(Ctl::TabSheet7, robe ? "Robe" : "Armor");
  sheet.set_enabled(Ctl::stat_robe_regen, robe);
  sheet.set_enabled(Ctl::Label23, robe);

  sheet.set_rows(Ctl::Select_Armor, armour_list_rows(robe));
}

void Calculator::pre_set_class() {
  const int r = class_row();
  ClassListener* windows = services_.classes;
  if (!windows) return;
  using W = WindowId;
  for (W w : {W::Amulets, W::Armlets, W::Boots, W::Gaunts, W::Rings, W::Sheltoms, W::Weapons}) windows->set_class(w, r);
  windows->set_class(W::Skills, r);
  if (r == Magician || r == Priestess) {
    windows->set_class(W::Robes, r - Magician);
    windows->set_class(W::Orbs, r - Magician);
  } else {
    windows->set_class(W::Shields, r);
    windows->set_class(W::Armors, r);
  }
}

void Calculator::handle_quests() {
  const std::int32_t level = sheet.value(Ctl::stat_level);
  auto reward = [&](Ctl quest, std::int32_t above, std::int32_t amount) {
    return sheet.checked(quest) && level > above ? amount : 0;
  };
  state.quest_bonus[0] = reward(Ctl::level_30_done, 29, 5);
  state.quest_bonus[7] = reward(Ctl::tier3_done, 39, 15);
  state.quest_bonus[1] = reward(Ctl::level_55_done, 54, 1);
  state.quest_bonus[2] = reward(Ctl::level_70_done, 69, 5);
  state.quest_bonus[3] = reward(Ctl::level_70_done, 69, 1);
  state.quest_bonus[4] = reward(Ctl::level_80_done, 79, 5);
  state.quest_bonus[5] = reward(Ctl::level_80_done, 79, 2);
  state.quest_bonus[6] = reward(Ctl::level_90_done, 89, 40);
}

// Sums run in 64 bits: the boxes may hold any 32-bit value while the user types.
void Calculator::calc_free_stat_points() {
  const std::int64_t level = sheet.value(Ctl::stat_level);
  std::int64_t earned;
  if (level <= 79) {
    earned = 5 * level - 5;
  } else if (level <= 89) {
    earned = 390 + 7 * (level - 79);
  } else {
    earned = 460 + 10 * (level - 89);
  }
  std::int64_t spent = 0;
  for (Ctl field : kStatFields) spent += sheet.value(field);
  const std::int64_t free = earned + state.quest_bonus[0] + state.quest_bonus[2] + state.quest_bonus[4] - spent + 99;
  show_counter(sheet, Ctl::Lbl_free_stat_points, free);
}

void Calculator::calc_free_skill_points() {
  const std::int64_t level = sheet.value(Ctl::stat_level);
  std::int64_t free = 0;
  if (level >= 10) {
    std::int64_t spent = 0;
    for (int slot = 0; slot < 12; ++slot) spent += sheet.value(slot_controls(slot).level);
    free = (level - 10) / 2 + state.quest_bonus[1] + state.quest_bonus[3] + state.quest_bonus[5] - spent + 1;
  }
  show_counter(sheet, Ctl::Lbl_free_sp, free);
}

void Calculator::calc_free_t4skill_points() {
  const std::int64_t level = sheet.value(Ctl::stat_level);
  std::int64_t free = 0;
  if (level >= 60) {
    std::int64_t spent = 0;
    for (int slot = 12; slot < kSlotCount; ++slot) spent += sheet.value(slot_controls(slot).level);
    free = (level - 60) / 2 - spent + 1;
  }
  show_counter(sheet, Ctl::Lbl_free_ep, free);
}

void Calculator::set_level_regs() {
  const SkillCatalog& catalog = skill_catalog();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotControls& controls = slot_controls(slot);
    const std::int64_t skill_level = sheet.value(controls.level);
    std::int64_t required = catalog.level_req(slot);
    if (skill_level > 0) required += 2 * skill_level - 2;
    sheet.set_text(controls.levelreg, "Level " + int_text(required));
  }
}

}  // namespace brennick
