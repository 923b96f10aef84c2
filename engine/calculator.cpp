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
  for (int i = 0; i < kSlotCount; ++i)
    if (slot_controls(i).level == id) return true;
  for (int i = 0; i < kCastOnCount; ++i)
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
  for (int i = 0; i < kSlotCount; ++i)
    if (slot_controls(i).kind_img == id) return true;
  return detachable(id) && !is_item_list(id);
}

}  // namespace

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

ScopedDialogs::ScopedDialogs(Calculator& calc, Dialogs& replacement) : calc_(calc), replaced_(calc.dialogs()) {
  calc_.services_.dialogs = &replacement;
}

ScopedDialogs::~ScopedDialogs() { calc_.services_.dialogs = &replaced_; }

Calculator::Calculator(NumberFormat format, Services services, Pass pass)
    : format_(format), services_(services), pass_(pass) {
  if (!pass_) throw std::invalid_argument("Calculator needs its recalculation pass");
  if (!services_.dialogs) throw std::invalid_argument("Calculator needs a dialogs service");
  state.locale_decimal_comma = format.decimal_comma() ? 1 : 0;
}

std::string Calculator::image_path(const std::string& name) const {
  return resolve_image(state.app_dir, name);
}

void Calculator::load_picture(Ctl box, const std::string& file) {
  if (sheet[box].picture == file) return;
  if (!file.empty() && !state.app_dir.empty() && !image_exists(state.app_dir, file))
    throw std::runtime_error("Cannot open file \"" + image_path(file) + "\"");
  sheet.set_picture(box, file);
}

// --- notifications -------------------------------------------------------------

bool Calculator::attached(Ctl id) const {
  if (!starts_pass(id) && !is_item_list(id)) return false;
  return events_attached_ || !detachable(id);
}

void Calculator::changeEvents() { events_attached_ = state.calc_ready == 1; }

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

void Calculator::get_data_from_fields() {
  for (const IntBox& b : kIntBoxes) state.*b.value = sheet.int_of(b.box);
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
  for (int k = 1; k <= 16; ++k) {
    const SlotControls& slot = slot_controls(k - 1);
    load_picture(slot.icon, skill_picture(c, k - 1));
    const std::string name = skill_name(c * 16 + k);
    sheet.set_text(slot.name, name);
    sheet.set_hint(slot.icon, name);
  }
  for (int k = 0; k < kSlotCount; ++k) sheet.set_visible(slot_controls(k).mana, true);
}

}  // namespace brennick
