// Mixing: the recipes of the four "Gem with..." menus and what each does to
// the slot's boxes.
//
// A recipe is a list of effects applied in order, each reading and writing
// one box: integer boxes (defence, power, rating, critical, block) add an
// integer or are multiplied (floor of the exact product, computed in
// integers), real boxes (absorption, MP regeneration) add a decimal in
// extended precision and are written in the general format, and the gem
// result boxes (HP, MP, STM) are replaced by the recipe's value.
#include "equipment/mixing.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "equipment/slot_boxes.h"

namespace brennick {
namespace {

enum class Field { Min, Max, AR, Crit, Def, Abs, Blk, MPR, HP, MP, STM };
enum class Op {
  AddInt,    // integer box += n
  AddReal,   // real box += r
  Percent,   // integer box := floor(box * n / 100)
  Set,       // gem result box := n
  AbsTimes13 // absorption := absorption * 1.3, written with one decimal
};

struct Effect {
  Field field;
  Op op;
  int n = 0;
  ext r = 0;
};

Effect add(Field f, int n) { return {f, Op::AddInt, n, 0}; }
Effect add(Field f, ext r) { return {f, Op::AddReal, 0, r}; }
Effect times(Field f, int percent) { return {f, Op::Percent, percent, 0}; }
Effect set(Field f, int n) { return {f, Op::Set, n, 0}; }

struct Recipe {
  std::string caption;
  std::vector<Effect> effects;
};

using F = Field;

const std::vector<Recipe>& weapon_recipes() {
  static const std::vector<Recipe> r = {
      {"1T: 1 Crit", {add(F::Crit, 1)}},
      {"1M: 50 AR", {add(F::AR, 50)}},
      {"1D: 5 HP, 5 MP, 20 STM", {set(F::HP, 5), set(F::MP, 5), set(F::STM, 20)}},
      {"1L, 1Se: 20% AR", {times(F::AR, 120)}},
      {"3L, 3Se: 40 % AR", {times(F::AR, 140)}},
      {"1L, 2F: 1 minAP, 10 AR", {add(F::Min, 1), add(F::AR, 10)}},
      {"1L, 2Sp: 1 maxAP, 10 AR", {add(F::Max, 1), add(F::AR, 10)}},
      {"2L, 2F, 2Sp: 1 minAP, 1 maxAP, 20 AR", {add(F::Min, 1), add(F::Max, 1), add(F::AR, 20)}},
      {"1L, 1Sp, 1R: 100% AR", {times(F::AR, 200)}},
      {"1Se, 2F: 1 minAP", {add(F::Min, 1)}},
      {"1Se, 2Sp: 2 maxAP", {add(F::Max, 2)}},
      {"1Se, 2F, 2Sp, 1T: 1 minAP, 1 maxAP, 2 Crit", {add(F::Min, 1), add(F::Max, 1), add(F::Crit, 2)}},
      {"1Se, 4Sp, 4R: 4 maxAP", {add(F::Max, 4)}},
      {"1L, 1Se, 4Sp, 4R: 4 maxAP, 10% AR", {add(F::Max, 4), times(F::AR, 110)}},
      {"1Se, 2F, 4Sp, 1R: 1 minAP, 3 maxAP", {add(F::Min, 1), add(F::Max, 3)}},
      {"1Se, 4F, 2Sp, 1R: 2 minAP, 2 maxAP", {add(F::Min, 2), add(F::Max, 2)}},
      {"2F, 2Sp, 1R, 3T: 3 minAP, 3 maxAP, 4 Crit", {add(F::Min, 3), add(F::Max, 3), add(F::Crit, 4)}},
      {"1L, 1Se, 2F, 4SP, 1R: 1 minAP, 4 maxAP, 10% AR", {add(F::Min, 1), add(F::Max, 4), times(F::AR, 110)}},
      {"1Se, 3F, 5Sp, 1M: 3 minAP, 5 maxAP, 40 AR", {add(F::Min, 3), add(F::Max, 5), add(F::AR, 40)}},
      {"5R, 3T, 2M: 6 maxAP, 60% AR, 4 Crit", {add(F::Max, 6), times(F::AR, 160), add(F::Crit, 4)}},
      {"2F, 2Sp, 2R, 2T, 2M: 4 minAP, 4 maxAP, 80 AR, 2 Crit",
       {add(F::Min, 4), add(F::Max, 4), add(F::AR, 80), add(F::Crit, 2)}},
      {"3F, 3Sp, 2T, 2D: 6 minAP, 6 MaxAP, 4 Crit, 20 MP",
       {add(F::Min, 6), add(F::Max, 6), add(F::Crit, 4), set(F::MP, 20)}},
      {"2F, 2Sp, 1M, 3D: 6 minAP, 6 maxAP, 60 AR, 20 HP",
       {add(F::Min, 6), add(F::Max, 6), add(F::AR, 60), set(F::HP, 20)}},
  };
  return r;
}

const std::vector<Recipe>& armor_recipes() {
  static const std::vector<Recipe> r = {
      {"1T: 20 Def", {add(F::Def, 20)}},
      {"1M: 0.6 Abs", {add(F::Abs, 0.6L)}},
      {"1D: 10 STM", {set(F::STM, 10)}},
      {"2L, 2Se: 10% Def", {times(F::Def, 110)}},
      {"1L, 2F: 20 Def", {add(F::Def, 20)}},
      {"2L, 1S, 1F: 15% Def", {times(F::Def, 115)}},
      {"3Se, 3Sp: 30 Def, 0.6 Abs", {add(F::Def, 30), add(F::Abs, 0.6L)}},
      {"1Se, 2SP, 1R, 1T: 40 Def, 0.4 Abs", {add(F::Def, 40), add(F::Abs, 0.4L)}},
      {"1Se, 2R, 5T: 45 Def, 1.0 Abs", {add(F::Def, 45), add(F::Abs, 1.0L)}},
      {"1Se, 4Sp, 1M: 10 Def, 1.5 Abs", {add(F::Def, 10), add(F::Abs, 1.5L)}},
      {"1Se, 2M: 2.0 Abs", {add(F::Abs, 2.0L)}},
      {"1R, 2T, 2M: 3.0 Abs", {add(F::Abs, 3.0L)}},
      {"1Se, 1R, 1T, 3M: 3.5 Abs", {add(F::Abs, 3.5L)}},
      {"4F, 4R, 3M: 40 Def, 3.0 Abs", {add(F::Def, 40), add(F::Abs, 3.0L)}},
      {"3T, 3M: 30% Abs", {{F::Abs, Op::AbsTimes13, 0, 0}}},
      {"2Sp, 2T, 2M: 20 Def, 3.4 Abs", {add(F::Def, 20), add(F::Abs, 3.4L)}},
      {"1R, 4D: 40 HP", {set(F::HP, 40)}},
      {"1Sp, 1R, 2T, 3D: 40 Def, 30 MP", {add(F::Def, 40), set(F::MP, 30)}},
      {"1R, 3M, 2D: 3.5 Abs, 20 HP", {add(F::Abs, 3.5L), set(F::HP, 20)}},
  };
  return r;
}

const std::vector<Recipe>& shield_recipes() {
  static const std::vector<Recipe> r = {
      {"1T: 10 Def", {add(F::Def, 10)}},
      {"1M: 1 Blk", {add(F::Blk, 1)}},
      {"1D: 10 HP", {set(F::HP, 10)}},
      {"2L, 1F: 10 Def", {add(F::Def, 10)}},
      {"2Se, 2F, 1Sp: 10% Def", {times(F::Def, 110)}},
      {"3Se, 1F, 1R: 15 Def, 0.3 Abs", {add(F::Def, 15), add(F::Abs, 0.3L)}},
      {"2F, 2R: 0.3 Abs", {add(F::Abs, 0.3L)}},
      {"1S, 1R, 2T: 10 Def, 0.6 Abs", {add(F::Def, 10), add(F::Abs, 0.6L)}},
      {"2S, 2F, 2Sp, 1R, 1T: 20 Def, 0.3 Abs", {add(F::Def, 20), add(F::Abs, 0.3L)}},
      {"1F, 4R, 1M: 0.6 Abs, 4 Blk", {add(F::Blk, 4), add(F::Abs, 0.6L)}},
      {"5F, 5T, 1M: 5 Blk", {add(F::Blk, 5)}},
      {"4Se, 4F, 1M: 40 Def, 2 Blk", {add(F::Def, 40), add(F::Blk, 2)}},
      {"2Se, 1F, 1Sp, 1T, 2M: 20 Def, 4 Blk", {add(F::Def, 20), add(F::Blk, 4)}},
      {"4L, 1Se, 1T, 1D: 40 Def, 10 MP, 50 STM", {add(F::Def, 40), set(F::MP, 10), set(F::STM, 50)}},
      {"3T, 1M, 2D: 3 Blk, 20 HP", {add(F::Blk, 3), set(F::HP, 20)}},
      {"5R, 2D: 1 Abs, 50 STM", {add(F::Abs, 1.0L), set(F::STM, 50)}},
      {"3R, 1T, 2D: 0.6 Abs, 40 HP", {add(F::Abs, 0.6L), set(F::HP, 40)}},
  };
  return r;
}

const std::vector<Recipe>& orb_recipes() {
  static const std::vector<Recipe> r = {
      {"1T: 0.3 MPR", {add(F::MPR, 0.3L)}},
      {"1M: 10 Def", {add(F::Def, 10)}},
      {"1D: 20 MP", {set(F::MP, 20)}},
      {"2L, 1F: 10 Def", {add(F::Def, 10)}},
      {"2Se, 2F, 1Sp: 10% Def", {times(F::Def, 110)}},
      {"3Se, 1F, 2R: 15 Def, 0.4 Abs", {add(F::Def, 15), add(F::Abs, 0.4L)}},
      {"4F, 4R: 0.8 Abs", {add(F::Abs, 0.8L)}},
      {"1Se, 2R, 2T: 10 Def, 0.4 Abs", {add(F::Def, 10), add(F::Abs, 0.4L)}},
      {"2SE, 2F, 2Sp, 2R, 1T: 20 Def, 0.2 MPR", {add(F::Def, 20), add(F::MPR, 0.2L)}},
      {"1F, 4R, 1M: 40 Def", {add(F::Def, 40)}},
      {"3F, 3T, 1M: 10 Def, 0.6 MPR", {add(F::Def, 10), add(F::MPR, 0.6L)}},
      {"5Se, 5F, 1M: 50 Def, 1.0 Abs", {add(F::Def, 50), add(F::Abs, 1.0L)}},
      {"2Se, 1F, 1Sp, 1T, 2M: 40 Def, 0.4 MPR", {add(F::Def, 40), add(F::MPR, 0.4L)}},
      {"5L, 1Sp, 2T, 2D: 40 MP, 0.5 MPR", {set(F::MP, 40), add(F::MPR, 0.5L)}},
      // The caption names 10 Def, but the recipe leaves the defence box alone.
      {"2T, 1M, 2D: 10Def, 40 STM, 0.4 MPR", {set(F::STM, 40), add(F::MPR, 0.4L)}},
      {"2Sp, 5R, 2D: 50 MP, 50 STM", {set(F::MP, 50), set(F::STM, 50)}},
      {"5R, 2T, 2D: 1.0 Abs, 20 HP, 0.6 MPR", {set(F::HP, 20), add(F::MPR, 0.6L), add(F::Abs, 1.0L)}},
  };
  return r;
}

const std::vector<Recipe>& recipes(MixTarget target) {
  switch (target) {
    case MixTarget::Weapon:
      return weapon_recipes();
    case MixTarget::Armor:
      return armor_recipes();
    case MixTarget::Shield:
      return shield_recipes();
    case MixTarget::Orb:
      break;
  }
  return orb_recipes();
}

// The boxes of a slot by field; Count_ where the slot has no such box.
using Boxes = std::array<Ctl, 11>;
constexpr Ctl kNone = Ctl::Count_;

// Order of Field: Min, Max, AR, Crit, Def, Abs, Blk, MPR, HP, MP, STM.
constexpr Boxes kWeapon1{Ctl::stat_weap_min_pow, Ctl::stat_weap_max_pow, Ctl::stat_weap_rtg, Ctl::stat_weap_crit,
                         kNone, kNone, kNone, kNone,
                         Ctl::stat_gem_HP, Ctl::stat_gem_MP, Ctl::stat_gem_STM};
constexpr Boxes kWeapon2{Ctl::stat_weap_min_pow_2, Ctl::stat_weap_max_pow_2, Ctl::stat_weap_rtg_2,
                         Ctl::stat_weap_crit_2, kNone, kNone, kNone, kNone,
                         Ctl::stat_gem_HP_2, Ctl::stat_gem_MP_2, Ctl::stat_gem_STM_2};
constexpr Boxes kArmor{kNone, kNone, kNone, kNone, Ctl::stat_armor_def, Ctl::stat_armor_abs, kNone, kNone,
                       Ctl::stat_gem_armor_hp, Ctl::stat_gem_armor_mp, Ctl::stat_gem_armor_stm};
constexpr Boxes kShield{kNone, kNone, kNone, kNone, Ctl::stat_shield_def, Ctl::stat_shield_abs, Ctl::stat_shield_blk,
                        kNone, Ctl::stat_gem_shield_HP, Ctl::stat_gem_shield_MP, Ctl::stat_gem_shield_STM};
constexpr Boxes kOrb{kNone, kNone, kNone, kNone, Ctl::stat_orb_def, Ctl::stat_orb_abs, kNone, Ctl::stat_orb_regen,
                     Ctl::stat_gem_orb_HP, Ctl::stat_gem_orb_MP, Ctl::stat_gem_orb_STM};

void apply(Calculator& calc, const Boxes& boxes, const Effect& e) {
  const Ctl box = boxes[static_cast<std::size_t>(e.field)];
  if (box == kNone) return;  // the tables never name a box the slot lacks
  Sheet& sheet = calc.sheet;
  const NumberFormat& fmt = calc.format();
  switch (e.op) {
    case Op::AddInt:
      write_int_box(sheet, box, std::int64_t{read_int_box(sheet, box)} + e.n);
      break;
    case Op::AddReal:
      write_real_box(sheet, box, read_real_box(sheet, box, fmt) + e.r, fmt);
      break;
    case Op::Percent:
      write_int_box(sheet, box, floor_percent(read_int_box(sheet, box), e.n));
      break;
    case Op::Set:
      write_int_box(sheet, box, e.n);
      break;
    case Op::AbsTimes13:
      sheet.set_text(box, format_fixed(read_real_box(sheet, box, fmt) * 1.3L, 1, fmt));
      break;
  }
}

// Applies recipe `number` of `target` to the slot's boxes, then
// recalculates once. A recipe number the menu does not have changes nothing.
void mix(Calculator& calc, MixTarget target, const Boxes& boxes, int number) {
  change_then_recalculate(calc, [&] {
    const std::vector<Recipe>& list = recipes(target);
    if (number < 1 || number > static_cast<int>(list.size())) return;
    for (const Effect& e : list[static_cast<std::size_t>(number - 1)].effects) apply(calc, boxes, e);
  });
}

}  // namespace

int recipe_count(MixTarget target) { return static_cast<int>(recipes(target).size()); }

const std::string& recipe_caption(MixTarget target, int recipe) {
  static const std::string none;
  const std::vector<Recipe>& list = recipes(target);
  if (recipe < 1 || recipe > static_cast<int>(list.size())) return none;
  return list[static_cast<std::size_t>(recipe - 1)].caption;
}

void Gem_Weapon(Calculator& calc, bool two_handed, int recipe) {
  mix(calc, MixTarget::Weapon, two_handed ? kWeapon2 : kWeapon1, recipe);
}
void Gem_Armor(Calculator& calc, int recipe) { mix(calc, MixTarget::Armor, kArmor, recipe); }
void Gem_Shield(Calculator& calc, int recipe) { mix(calc, MixTarget::Shield, kShield, recipe); }
void Gem_Orb(Calculator& calc, int recipe) { mix(calc, MixTarget::Orb, kOrb, recipe); }

}  // namespace brennick
