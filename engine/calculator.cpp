#include "engine/calculator.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "engine/image_files.h"

namespace brennick {
namespace {

using C = Ctl;

// Integer equipment boxes and the state value each feeds.
struct IntBox {
  Ctl box;
  std::int32_t CalcState::*value;
};
struct RealBox {
  Ctl box;
  double CalcState::*value;
};

constexpr IntBox kIntBoxes[] = {
    {C::stat_amu_HP, &CalcState::amu_hp},
    {C::stat_amu_MP, &CalcState::amu_mp},
    {C::stat_rings_HP, &CalcState::rings_hp},
    {C::stat_rings_STM, &CalcState::rings_stm},
    {C::stat_rings_HP_2, &CalcState::rings_hp_2},
    {C::stat_rings_STM_2, &CalcState::rings_stm_2},
    {C::stat_armor_def, &CalcState::armor_def},
    {C::stat_armor_spec_def, &CalcState::armor_spec_def},
    {C::stat_gem_armor_hp, &CalcState::gem_armor_hp},
    {C::stat_gem_armor_mp, &CalcState::gem_armor_mp},
    {C::stat_gem_armor_stm, &CalcState::gem_armor_stm},
    {C::stat_shield_def, &CalcState::shield_def},
    {C::stat_shield_spec_def, &CalcState::shield_spec_def},
    {C::stat_shield_blk, &CalcState::shield_blk},
    {C::stat_shield_spec_blk, &CalcState::shield_spec_blk},
    {C::stat_gem_shield_HP, &CalcState::gem_shield_hp},
    {C::stat_gem_shield_MP, &CalcState::gem_shield_mp},
    {C::stat_gem_shield_STM, &CalcState::gem_shield_stm},
    {C::stat_orb_def, &CalcState::orb_def},
    {C::stat_orb_MP, &CalcState::orb_mp},
    {C::stat_gem_orb_HP, &CalcState::gem_orb_hp},
    {C::stat_gem_orb_MP, &CalcState::gem_orb_mp},
    {C::stat_gem_orb_STM, &CalcState::gem_orb_stm},
    {C::stat_boots_def, &CalcState::boots_def},
    {C::stat_gaunts_def, &CalcState::gaunts_def},
    {C::stat_gaunts_spec_def, &CalcState::gaunts_spec_def},
    {C::stat_armlets_def, &CalcState::armlets_def},
    {C::stat_armlets_rtg, &CalcState::armlets_rtg},
    {C::stat_armlets_lvl, &CalcState::armlets_lvl},
    {C::stat_other_def, &CalcState::other_def},
    {C::stat_weap_min_pow, &CalcState::weap_min_pow},
    {C::stat_weap_max_pow, &CalcState::weap_max_pow},
    {C::stat_weap_spec_pow, &CalcState::weap_spec_pow},
    {C::stat_weap_rtg, &CalcState::weap_rtg},
    {C::stat_weap_spec_rtg, &CalcState::weap_spec_rtg},
    {C::stat_weap_crit, &CalcState::weap_crit},
    {C::stat_weap_spec_crit, &CalcState::weap_spec_crit},
    {C::stat_weap_def, &CalcState::weap_def},
    {C::stat_gem_HP, &CalcState::gem_hp},
    {C::stat_gem_MP, &CalcState::gem_mp},
    {C::stat_gem_STM, &CalcState::gem_stm},
    {C::stat_weap_min_pow_2, &CalcState::weap_min_pow_2},
    {C::stat_weap_max_pow_2, &CalcState::weap_max_pow_2},
    {C::stat_weap_spec_pow_2, &CalcState::weap_spec_pow_2},
    {C::stat_weap_rtg_2, &CalcState::weap_rtg_2},
    {C::stat_weap_spec_rtg_2, &CalcState::weap_spec_rtg_2},
    {C::stat_weap_crit_2, &CalcState::weap_crit_2},
    {C::stat_weap_spec_crit_2, &CalcState::weap_spec_crit_2},
    {C::stat_weap_blk, &CalcState::weap_blk},
    {C::stat_gem_HP_2, &CalcState::gem_hp_2},
    {C::stat_gem_MP_2, &CalcState::gem_mp_2},
    {C::stat_gem_STM_2, &CalcState::gem_stm_2},
};

constexpr RealBox kRealBoxes[] = {
    {C::stat_amu_regen, &CalcState::amu_regen},
    {C::stat_armor_abs, &CalcState::armor_abs},
    {C::stat_armor_spec_abs, &CalcState::armor_spec_abs},
    {C::stat_robe_regen, &CalcState::robe_regen},
    {C::stat_shield_abs, &CalcState::shield_abs},
    {C::stat_shield_spec_abs, &CalcState::shield_spec_abs},
    {C::stat_orb_abs, &CalcState::orb_abs},
    {C::stat_orb_spec_abs, &CalcState::orb_spec_abs},
    {C::stat_orb_regen, &CalcState::orb_regen},
    {C::stat_boots_abs, &CalcState::boots_abs},
    {C::stat_boots_spec_abs, &CalcState::boots_spec_abs},
    {C::stat_gaunts_abs, &CalcState::gaunts_abs},
    {C::stat_gaunts_spec_abs, &CalcState::gaunts_spec_abs},
    {C::stat_other_abs, &CalcState::other_abs},
    {C::stat_sheltom_mp, &CalcState::sheltom_mp},
    {C::stat_weap_MP_regen, &CalcState::weap_mp_regen},
    {C::stat_weap_MP_regen_2, &CalcState::weap_mp_regen_2},
};

bool is_item_list(Ctl id) {
  switch (id) {
    case C::Select_Armor: case C::Select_Shield: case C::Select_Orb: case C::Select_Boots:
    case C::Select_Gaunts: case C::Select_armlets: case C::Select_amulet: case C::Select_ring1:
    case C::Select_ring2:
      return true;
    default:
      return false;
  }
}

// Controls whose handlers changeEvents detaches during a pass.
bool detachable(Ctl id) {
  if (is_item_list(id)) return true;
  switch (id) {
    case C::Select_class: case C::stat_level: case C::stat_strenght: case C::stat_spirit:
    case C::stat_talent: case C::stat_agility: case C::stat_health:
    case C::chk_armor_is_right_spec: case C::level_30_done: case C::tier3_done:
    case C::level_55_done: case C::level_70_done: case C::level_80_done: case C::level_90_done:
    case C::Select_weapon: case C::Select_weapon_2: case C::stat_boots_spd: case C::stat_boots_spec_spd:
      return true;
    default:
      break;
  }
  for (const IntBox& b : kIntBoxes)
    if (b.box == id) return true;
  for (const RealBox& b : kRealBoxes)
    if (b.box == id) return true;
  for (int i = 0; i < 16; ++i)
    if (slot_controls(i).level == id) return true;
  for (int i = 0; i < 8; ++i)
    if (cast_on_controls(i).stat_img == id || cast_on_controls(i).spin == id) return true;
  return false;
}

// Controls whose change (or click) runs run_calculation.
bool starts_pass(Ctl id) {
  switch (id) {
    case C::Select_ForceOrb: case C::stat_weap_spd: case C::stat_weap_spd_2:
    case C::MainMenu_file_load: case C::Btn_FileOpen:
      return true;
    default:
      break;
  }
  for (int i = 0; i < 16; ++i)
    if (slot_controls(i).kind_img == id) return true;
  return detachable(id) && !is_item_list(id);
}

int timed_slot_of(Ctl id) {
  for (int i = 0; i < 16; ++i)
    if (slot_controls(i).kind_img == id) return i;
  return -1;
}

int cast_on_slot_of(Ctl id) {
  for (int i = 0; i < 8; ++i)
    if (cast_on_controls(i).stat_img == id) return i;
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

Calculator::Calculator(NumberFormat format, Services services)
    : format_(format), services_(services) {
  if (!services_.dialogs) throw std::invalid_argument("Calculator needs a dialogs service");
  state.locale_decimal_comma = format.decimal_comma() ? 1 : 0;
}

std::string Calculator::image_path(const std::string& name) const {
  return resolve_image(state.app_dir, name);
}

// --- notifications -------------------------------------------------------------

bool Calculator::attached(Ctl id) const {
  if (!starts_pass(id) && !is_item_list(id)) return false;
  return events_attached_ || !detachable(id);
}

void Calculator::changeEvents() { events_attached_ = state.calc_ready == 1; }

template <class Action>
void Calculator::guarded(Ctl sender, Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    AppException(sender, e.what());
  }
}

void Calculator::AppException(Ctl sender, const std::string& message) {
  const Ctl parent = control_spec(sender).parent;
  const std::string owner = parent == Ctl::Count_ ? "" : std::string(control_spec(parent).name);
  AppException(owner, std::string(control_spec(sender).name), message);
}

void Calculator::AppException(const std::string& owner, const std::string& detail, const std::string& message) {
  state.calc_ready = 1;
  changeEvents();
  sheet.status_panel1 = message;
  if (services_.error_log) services_.error_log->write_error_log(message, owner, detail);
}

// --- user actions --------------------------------------------------------------

void Calculator::user_set_text(Ctl id, const std::string& text) {
  if (sheet.text(id) == text) return;
  sheet.set_text(id, text);
  if (attached(id)) guarded(id, [&] { run_calculation(id); });
}

void Calculator::user_set_value(Ctl id, std::int64_t value) {
  const Control& c = sheet[id];
  user_set_text(id, int_text(std::clamp<std::int64_t>(value, c.min, c.max)));
}

void Calculator::user_select_row(Ctl id, int row) {
  if (row < 0 || row >= static_cast<int>(sheet[id].rows.size())) return;
  sheet.set_row(id, row);
  if (!attached(id)) return;
  if (is_item_list(id)) {
    guarded(id, [&] { item_selected(id); });
  } else {
    guarded(id, [&] { run_calculation(id); });
  }
}

void Calculator::user_set_checked(Ctl id, bool checked) {
  if (sheet.checked(id) == checked) return;
  sheet.set_checked(id, checked);
  if (attached(id)) guarded(id, [&] { run_calculation(id); });
}

void Calculator::user_click(Ctl id) {
  if (!sheet[id].enabled) return;
  if (id == Ctl::MainMenu_file_reset) {
    guarded(id, [&] { Reset(); });
  } else if (id == Ctl::Btn_FileOpen) {
    // The tool button performs the menu item's command, with the menu item as sender.
    guarded(Ctl::MainMenu_file_load, [&] { run_calculation(Ctl::MainMenu_file_load); });
  } else if (id == Ctl::img_holy_valor_special) {
    // Holy Valor's attack power against undead (the picture is disabled for a Knight).
    dialogs().information(state.holy_valor_text);
  } else if (attached(id)) {
    guarded(id, [&] { run_calculation(id); });
  }
}

void Calculator::user_leave(Ctl id) {
  const std::uint8_t flags = control_spec(id).flags;
  const std::string& text = sheet.text(id);
  if (control_spec(id).kind == ControlKind::NumberField) {
    // A number field takes its range when the user leaves it.
    const Control& c = sheet[id];
    const std::string clamped = int_text(std::clamp(sheet.value(id), c.min, c.max));
    if (text != clamped) user_set_text(id, clamped);
    return;
  }
  bool bad = false;
  if (flags & cflag::IntCheck) {
    bad = !is_int_text(text) || int_of_text(text) == -2147483647 - 1;
  } else if (flags & cflag::RealCheck) {
    bad = !is_real_text(text, format_) || real_of_text(text, format_) == -2147483648.0;
  }
  // Putting "0" back is a change like any other: it recalculates.
  if (bad) user_set_text(id, "0");
}

// --- the pass ------------------------------------------------------------------

void Calculator::toggle_timed_skill(Ctl sender) {
  const int i = timed_slot_of(sender);
  if (i < 0) return;
  if (state.skill_on[i] == 1) {
    set_skill_type(i, 4);
    state.skill_on[i] = 0;
    return;
  }
  set_skill_type(i, 3);
  state.skill_on[i] = 1;
  for (const Exclusion& e : kExclusions)
    if (e.class_no == class_row() && e.on == i) state.skill_on[e.off] = 0;
}

void Calculator::toggle_cast_on(Ctl sender) {
  const int i = cast_on_slot_of(sender);
  if (i < 0 || i == 2) return;  // slot 3 has no switch
  auto show = [&](int slot, bool on) {
    state.cast_on_on[slot] = on ? 1 : 0;
    sheet.set_picture(cast_on_controls(slot).stat_img, on ? "on.bmp" : "off.bmp");
    sheet.set_text(cast_on_controls(slot).label, on ? "enabled" : "disabled");
  };
  const bool on = state.cast_on_on[i] == 0;
  show(i, on);
  // Triumph of Valhalla (5) and Hall of Valhalla (6) exclude each other.
  if (on && (i == 4 || i == 5)) {
    const int other = i == 4 ? 5 : 4;
    if (state.cast_on_on[other]) show(other, false);
  }
}

void Calculator::run_calculation(Ctl sender) {
  state.class_setup_done = 1;
  state.calc_ready = 0;
  changeEvents();

  if (sender == Ctl::MainMenu_file_load) {
    reset_modifers();
    file_loadClick();
    state.class_setup_done = 0;
    pre_set_class();
  }
  if (sender == Ctl::Select_class) {
    reset_modifers();
    set_stat_min_values();
    Insert_start_values();
    state.class_setup_done = 0;
    pre_set_class();
  }
  toggle_timed_skill(sender);
  toggle_cast_on(sender);
  if (state.class_setup_done == 0) {
    class_setup();
    state.class_setup_done = 1;
  }

  get_data_from_fields();       // 1
  set_level_regs();             // 2
  handle_quests();              // 3
  calc_free_stat_points();      // 4
  calc_free_skill_points();     // 5
  calc_free_t4skill_points();   // 6
  Calc_HP();                    // 7
  Calc_MP();                    // 8
  Calc_STM();                   // 9
  Calc_MP_regen();              // 10
  Calc_defense();               // 11
  Calc_Absorption();            // 12
  Calc_AtkRtg();                // 13
  Calc_Critical();              // 14
  Calc_Block();                 // 15
  Calc_weight();                // 16
  handle_ForceOrb();            // 17
  Calc_dmg();                   // 18
  Calc_castOn(true);            // 19
  Calc_skills();                // 20
  Calc_castOn(false);           // 21
  Calc_DoT();                   // 22
  Calc_Speed();                 // 23
  display_final_results();      // 24

  state.calc_ready = 1;
  changeEvents();
  sheet.status_panel1 = "OK";
  ++passes_;
}

void Calculator::get_data_from_fields() {
  for (const IntBox& b : kIntBoxes) state.*b.value = int_of_text(sheet.text(b.box));
  parsed_real_boxes_.resize(std::size(kRealBoxes));
  for (std::size_t i = 0; i < std::size(kRealBoxes); ++i) {
    const RealBox& b = kRealBoxes[i];
    ParsedBox& parsed = parsed_real_boxes_[i];
    const std::string& text = sheet.text(b.box);
    if (!parsed.valid || parsed.text != text) {
      parsed.valid = false;
      parsed.value = real_of_text(text, format_);  // a text that is no number throws here, every pass
      parsed.text = text;
      parsed.valid = true;
    }
    state.*b.value = parsed.value;
  }
}

void Calculator::class_setup() {
  const int c = class_row();
  if (c < 0) return;
  static constexpr const char* kClassNames[] = {"Fighter", "Archer", "Pikeman", "Mechanician",
                                                "Atalanta", "Knight", "Magician", "Priestess"};
  for (int k = 1; k <= 16; ++k) {
    const std::string nn = (k < 10 ? "0" : "") + std::to_string(k);
    const SlotControls& slot = slot_controls(k - 1);
    sheet.set_picture(slot.icon, std::string(kClassNames[c]) + "_" + nn + ".jpg");
    const std::string name = skill_name(c * 16 + k);
    sheet.set_text(slot.name, name);
    sheet.set_hint(slot.icon, name);
  }
  for (int k = 0; k < 16; ++k) sheet.set_visible(slot_controls(k).mana, true);
}

}  // namespace brennick
