// Vital pools and mana regeneration: hit points, mana and stamina of both
// columns, and mana regeneration per second.
//
// Every formula runs left to right in extended precision; a value is rounded
// to a double ("stored") exactly where the game keeps it, and the pools are
// the floors of such stored values.
#include "engine/calculator.h"
#include "base/evaluation.h"

namespace brennick {
namespace {

ext field(const Sheet& sheet, Ctl id) { return static_cast<ext>(sheet.value(id)); }

}  // namespace

void Calculator::Calc_HP() {
  const ext L = field(sheet, Ctl::stat_level);
  const ext STR = field(sheet, Ctl::stat_strenght);
  const ext HLT = field(sheet, Ctl::stat_health);
  ext x = 0;
  switch (class_row()) {
    case Fighter:
    case Pikeman:
      x = stored(L * 2.1L + STR * 0.8L + HLT * 2.4L - 10);
      break;
    case Archer:
      x = stored(L * 1.8L + STR * 0.3L + HLT * 2.1L);
      break;
    case Mechanician:
    case Atalanta:
    case Knight:
      x = stored(L * 2.1L + STR * 0.6L + HLT * 2.2L - 5);
      break;
    case Magician:
      x = stored(L * 1.5L + HLT * 1.9L);
      break;
    case Priestess:
      x = stored(L * 1.5L + HLT * 2.1L);
      break;
    default:
      break;
  }
  const CalcState& s = state;
  const ext base = stored(static_cast<ext>(s.amu_hp) + x + s.rings_hp + s.rings_hp_2 + s.gem_armor_hp +
                          s.quest_bonus[7] + s.quest_bonus[6]);
  state.final_hp_2 = floor_stored(static_cast<ext>(s.gem_hp_2) + base);
  state.final_hp = floor_stored(static_cast<ext>(s.gem_hp) + base + s.gem_shield_hp + s.gem_orb_hp);
}

void Calculator::Calc_MP() {
  const int c = class_row();
  const ext L = field(sheet, Ctl::stat_level);
  const ext SPR = field(sheet, Ctl::stat_spirit);
  ext a = 0, b = 0;
  bool has_term = true;
  switch (c) {
    case Fighter:
    case Archer:
    case Pikeman:
      a = 0.6L, b = 2.2L;
      break;
    case Mechanician:
    case Atalanta:
    case Knight:
      a = 0.9L, b = 2.7L;
      break;
    case Magician:
    case Priestess:
      a = 1.5L, b = 3.8L;
      break;
    default:
      has_term = false;
      break;
  }
  const CalcState& s = state;
  const ext x = has_term ? static_cast<ext>(stored(L * a + SPR * b + s.amu_mp + s.gem_armor_mp)) : 0;
  const ext m2 = stored(static_cast<ext>(s.gem_mp_2) + x);
  ext m1 = stored(static_cast<ext>(s.gem_mp) + x + s.gem_shield_mp + s.orb_mp + s.gem_orb_mp);
  if (c == Magician || c == Priestess) m1 = stored(m1 - 20);
  state.final_mp = floor_stored(m1);
  state.final_mp_2 = floor_stored(m2);
}

void Calculator::Calc_STM() {
  const ext L = field(sheet, Ctl::stat_level);
  const ext STR = field(sheet, Ctl::stat_strenght);
  const ext SPR = field(sheet, Ctl::stat_spirit);
  const ext TAL = field(sheet, Ctl::stat_talent);
  const ext HLT = field(sheet, Ctl::stat_health);
  const CalcState& s = state;
  const ext stm = stored(L * 2.3L + STR * 0.5L + SPR + TAL * 0.5L + HLT * 1.4L + s.rings_stm + s.rings_stm_2 + 80 +
                         s.gem_armor_stm);
  state.final_stm_2 = floor_stored(static_cast<ext>(s.gem_stm_2) + stm);
  state.final_stm = floor_stored(static_cast<ext>(s.gem_stm) + stm + s.gem_shield_stm + s.gem_orb_stm);
}

void Calculator::Calc_MP_regen() {
  const int c = class_row();
  const ext L = field(sheet, Ctl::stat_level);
  const ext SPR = field(sheet, Ctl::stat_spirit);
  const ext HLT = field(sheet, Ctl::stat_health);
  const CalcState& s = state;
  ext r1, r2;
  if (c == Magician || c == Priestess) {
    const ext r = stored(L / 125 + SPR / 100 + HLT / 200 + s.amu_regen + s.sheltom_mp + s.robe_regen);
    r2 = stored(r + s.weap_mp_regen_2);
    r1 = stored(r + s.weap_mp_regen + s.orb_regen);
  } else {
    r1 = r2 = stored(L / 125 + SPR / 100 + HLT / 200 + s.amu_regen + s.sheltom_mp);
  }
  state.final_mp_regen = round2(r1);
  state.final_mp_regen_2 = round2(r2);
}

}  // namespace brennick
