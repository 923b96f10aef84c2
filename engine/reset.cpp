// Resetting the sheet: every input but the class back to its default, all
// timed skills and buffs off, then one recalculation.
#include "engine/calculator.h"

namespace brennick {
namespace {

using C = Ctl;

// Boxes that get the text "0", with the item list of each group set to row 0,
// in the order they are written.
struct ResetWrite {
  Ctl id;
  enum Kind { Zero, Row0 } kind;
};

constexpr ResetWrite kResetWrites[] = {
    {C::stat_armor_def, ResetWrite::Zero},      {C::stat_armor_abs, ResetWrite::Zero},
    {C::stat_armor_spec_def, ResetWrite::Zero}, {C::stat_armor_spec_abs, ResetWrite::Zero},
    {C::stat_robe_regen, ResetWrite::Zero},     {C::stat_gem_armor_hp, ResetWrite::Zero},
    {C::stat_gem_armor_mp, ResetWrite::Zero},   {C::stat_gem_armor_stm, ResetWrite::Zero},
    {C::Select_Armor, ResetWrite::Row0},
    {C::stat_shield_def, ResetWrite::Zero},     {C::stat_shield_abs, ResetWrite::Zero},
    {C::stat_shield_blk, ResetWrite::Zero},     {C::stat_shield_spec_def, ResetWrite::Zero},
    {C::stat_shield_spec_abs, ResetWrite::Zero}, {C::stat_shield_spec_blk, ResetWrite::Zero},
    {C::stat_gem_shield_HP, ResetWrite::Zero},  {C::stat_gem_shield_MP, ResetWrite::Zero},
    {C::stat_gem_shield_STM, ResetWrite::Zero},
    {C::Select_Shield, ResetWrite::Row0},
    {C::stat_orb_def, ResetWrite::Zero},        {C::stat_orb_abs, ResetWrite::Zero},
    {C::stat_orb_spec_abs, ResetWrite::Zero},   {C::stat_orb_MP, ResetWrite::Zero},
    {C::stat_orb_regen, ResetWrite::Zero},      {C::stat_gem_orb_HP, ResetWrite::Zero},
    {C::stat_gem_orb_MP, ResetWrite::Zero},     {C::stat_gem_orb_STM, ResetWrite::Zero},
    {C::Select_Orb, ResetWrite::Row0},
    {C::stat_boots_def, ResetWrite::Zero},      {C::stat_boots_abs, ResetWrite::Zero},
    {C::stat_boots_spd, ResetWrite::Zero},      {C::stat_boots_spec_abs, ResetWrite::Zero},
    {C::stat_boots_spec_spd, ResetWrite::Zero},
    {C::Select_Boots, ResetWrite::Row0},
    {C::stat_gaunts_def, ResetWrite::Zero},     {C::stat_gaunts_abs, ResetWrite::Zero},
    {C::stat_gaunts_spec_def, ResetWrite::Zero}, {C::stat_gaunts_spec_abs, ResetWrite::Zero},
    {C::Select_Gaunts, ResetWrite::Row0},
    {C::stat_armlets_def, ResetWrite::Zero},    {C::stat_armlets_lvl, ResetWrite::Zero},
    {C::stat_armlets_rtg, ResetWrite::Zero},
    {C::Select_armlets, ResetWrite::Row0},
    {C::stat_other_def, ResetWrite::Zero},      {C::stat_other_abs, ResetWrite::Zero},
    {C::stat_amu_MP, ResetWrite::Zero},         {C::stat_amu_HP, ResetWrite::Zero},
    {C::stat_amu_regen, ResetWrite::Zero},      {C::stat_rings_STM, ResetWrite::Zero},
    {C::stat_rings_HP, ResetWrite::Zero},       {C::stat_rings_STM_2, ResetWrite::Zero},
    {C::stat_rings_HP_2, ResetWrite::Zero},
    {C::Select_amulet, ResetWrite::Row0},       {C::Select_ring1, ResetWrite::Row0},
    {C::Select_ring2, ResetWrite::Row0},
    {C::stat_gem_HP, ResetWrite::Zero},         {C::stat_gem_HP_2, ResetWrite::Zero},
    {C::stat_gem_MP, ResetWrite::Zero},         {C::stat_gem_MP_2, ResetWrite::Zero},
    {C::stat_gem_STM, ResetWrite::Zero},        {C::stat_gem_STM_2, ResetWrite::Zero},
    {C::stat_weap_min_pow, ResetWrite::Zero},   {C::stat_weap_max_pow, ResetWrite::Zero},
    {C::stat_weap_rtg, ResetWrite::Zero},       {C::stat_weap_min_pow_2, ResetWrite::Zero},
    {C::stat_weap_max_pow_2, ResetWrite::Zero}, {C::stat_weap_rtg_2, ResetWrite::Zero},
    {C::stat_weap_crit, ResetWrite::Zero},      {C::stat_weap_crit_2, ResetWrite::Zero},
    {C::stat_weap_def, ResetWrite::Zero},       {C::stat_weap_blk, ResetWrite::Zero},
    {C::stat_weap_spec_pow, ResetWrite::Zero},  {C::stat_weap_spec_rtg, ResetWrite::Zero},
    {C::stat_weap_spec_pow_2, ResetWrite::Zero}, {C::stat_weap_spec_rtg_2, ResetWrite::Zero},
    {C::stat_weap_spec_crit, ResetWrite::Zero}, {C::stat_weap_spec_crit_2, ResetWrite::Zero},
    {C::stat_weap_MP_regen, ResetWrite::Zero},  {C::stat_weap_MP_regen_2, ResetWrite::Zero},
};

constexpr Ctl kItemPictureBoxes[] = {C::img_set_armor,   C::img_set_shield, C::img_set_orb,
                                 C::img_set_boots,   C::img_set_gaunts, C::img_set_armlets,
                                 C::img_set_amulet,  C::img_set_ring1,  C::img_set_ring2};

constexpr Ctl kResetChecks[] = {C::tier3_done,    C::chk_armor_is_right_spec, C::level_30_done, C::level_55_done,
                                C::level_70_done, C::level_80_done,           C::level_90_done};

}  // namespace

void Calculator::reset_modifers() { state.quest_bonus.fill(0); }

void Calculator::Reset() {
  state.calc_ready = 0;
  changeEvents();

  sheet.set_value(C::stat_level, 1);
  for (const ResetWrite& w : kResetWrites) {
    if (w.kind == ResetWrite::Zero) {
      sheet.set_text(w.id, "0");
    } else {
      sheet.set_row(w.id, 0);
    }
  }
  sheet.set_row(C::stat_weap_spd, 2);
  sheet.set_row(C::stat_weap_spd_2, 2);
  sheet.set_row(C::Select_weapon, 8);
  sheet.set_row(C::Select_weapon_2, 8);
  sheet.set_text(C::stat_sheltom_hp, "0");
  sheet.set_text(C::stat_sheltom_mp, "0");
  sheet.set_row(C::Select_ForceOrb, 0);
  for (Ctl check : kResetChecks) sheet.set_checked(check, false);
  for (int slot = 0; slot < kSlotCount; ++slot) sheet.set_value(slot_controls(slot).level, 0);

  state.skill_on.fill(0);
  state.cast_on_on.fill(0);
  for (int i = 0; i < kCastOnCount; ++i) {
    load_picture(cast_on_controls(i).stat_img, "off.bmp");
    sheet.set_text(cast_on_controls(i).label, "disabled");
  }
  for (int i = 0; i < kCastOnCount; ++i) sheet.set_value(cast_on_controls(i).spin, 0);
  for (Ctl picture : kItemPictureBoxes) sheet.set_picture(picture, "");
  Insert_start_values();
  sheet.set_text(C::lbl_filename, "none");

  state.calc_ready = 1;
  changeEvents();
  run_calculation(C::MainForm);
}

}  // namespace brennick
