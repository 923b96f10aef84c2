// The selection handlers of the nine item lists: Select_ArmorChange (armour
// or robe by class), Select_ShieldChange, Select_OrbChange,
// Select_BootsChange, Select_GauntsChange, Select_armletsChange,
// Select_amuletChange, Select_ring1Change and Select_ring2Change.
#include "equipment/item_selection.h"

#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/item_tables.h"

namespace brennick {
namespace {

using C = Ctl;

// What one selection writes: boxes with their new texts, in writing order.
struct SlotWrite {
  std::vector<std::pair<Ctl, std::string>> boxes;
};

struct ListInfo {
  Ctl list;
  Ctl picture;
  const char* prefix;
};

constexpr ListInfo kLists[] = {
    {C::Select_Armor, C::img_set_armor, "Armor_"},     {C::Select_Shield, C::img_set_shield, "Shield_"},
    {C::Select_Orb, C::img_set_orb, "Orb_"},           {C::Select_Boots, C::img_set_boots, "Boots_"},
    {C::Select_Gaunts, C::img_set_gaunts, "Gaunts_"},  {C::Select_armlets, C::img_set_armlets, "Armlet_"},
    {C::Select_amulet, C::img_set_amulet, "Amulet_"},  {C::Select_ring1, C::img_set_ring1, "Ring_"},
    {C::Select_ring2, C::img_set_ring2, "Ring_"},
};

const ListInfo* info_of(Ctl list) {
  for (const ListInfo& i : kLists)
    if (i.list == list) return &i;
  return nullptr;
}

bool wears_robe(int class_no) { return class_no == Magician || class_no == Priestess; }

int table_rows(Ctl list, bool robes) {
  switch (list) {
    case C::Select_Armor: return robes ? kRobeRows : kArmorRows;
    case C::Select_Shield: return kShieldRows;
    case C::Select_Orb: return kOrbRows;
    case C::Select_Boots: return kBootsRows;
    case C::Select_Gaunts: return kGauntsRows;
    case C::Select_armlets: return kArmletRows;
    case C::Select_amulet: return kAmuletRows;
    case C::Select_ring1:
    case C::Select_ring2: return kRingRows;
    default: return 0;
  }
}

// Row n of a table, or the all-zero item for row 0 (the caller has checked
// that n is 0 or a row of the table).
template <class R>
R item_or_zero(std::optional<R> (*lookup)(int), int n) {
  if (n == 0) return R{};
  return lookup(n).value();
}

// The boxes of each slot, from the item's upper ends.
SlotWrite slot_write(Ctl list, int n, bool robes, const NumberFormat& fmt) {
  auto real = [&](double v) { return format_general(v, fmt); };
  SlotWrite w;
  auto put = [&](Ctl box, std::string text) { w.boxes.emplace_back(box, std::move(text)); };
  switch (list) {
    case C::Select_Armor:
      if (robes) {
        const RobeR r = item_or_zero(&robe_row, n);
        put(C::stat_armor_def, int_text(r.def_hi));
        put(C::stat_armor_abs, real(r.abs_hi));
        put(C::stat_armor_spec_def, int_text(r.spec_def_hi));
        put(C::stat_armor_spec_abs, real(r.spec_abs_hi));
        put(C::stat_robe_regen, real(r.mp_regen_hi));
      } else {
        const ArmorR a = item_or_zero(&armor_row, n);
        put(C::stat_armor_def, int_text(a.def_hi));
        put(C::stat_armor_abs, real(a.abs_hi));
        put(C::stat_armor_spec_def, int_text(a.spec_def_hi));
        put(C::stat_armor_spec_abs, real(a.spec_abs_hi));
      }
      break;
    case C::Select_Shield: {
      const ShieldR s = item_or_zero(&shield_row, n);
      put(C::stat_shield_def, int_text(s.def_hi));
      put(C::stat_shield_abs, real(s.abs_hi));
      put(C::stat_shield_blk, int_text(s.blk_hi));
      put(C::stat_shield_spec_def, int_text(s.spec_def_hi));
      put(C::stat_shield_spec_abs, real(s.spec_abs_hi));
      put(C::stat_shield_spec_blk, int_text(s.spec_blk));
      break;
    }
    case C::Select_Orb: {
      const OrbR o = item_or_zero(&orb_row, n);
      put(C::stat_orb_def, int_text(o.def_hi));
      put(C::stat_orb_abs, real(o.abs_hi));
      put(C::stat_orb_MP, int_text(o.mp_hi));
      put(C::stat_orb_regen, real(o.mp_regen_hi));
      put(C::stat_orb_spec_abs, real(o.spec_abs_hi));
      break;
    }
    case C::Select_Boots: {
      const BootsR b = item_or_zero(&boots_row, n);
      put(C::stat_boots_def, int_text(b.def_hi));
      put(C::stat_boots_abs, real(b.abs_hi));
      put(C::stat_boots_spd, real(b.spd_hi));
      put(C::stat_boots_spec_abs, real(b.spec_abs_hi));
      put(C::stat_boots_spec_spd, real(b.spec_spd_hi));
      break;
    }
    case C::Select_Gaunts: {
      const GauntsR g = item_or_zero(&gaunts_row, n);
      put(C::stat_gaunts_def, int_text(g.def_hi));
      put(C::stat_gaunts_abs, real(g.abs_hi));
      put(C::stat_gaunts_spec_def, int_text(g.spec_def_hi));
      put(C::stat_gaunts_spec_abs, real(g.spec_abs_hi));
      break;
    }
    case C::Select_armlets: {
      const ArmletR a = item_or_zero(&armlet_row, n);
      put(C::stat_armlets_def, int_text(a.def_hi));
      put(C::stat_armlets_rtg, int_text(a.rtg_hi));
      put(C::stat_armlets_lvl, "1");  // every row, row 0 included
      break;
    }
    case C::Select_amulet: {
      const AmuletR a = item_or_zero(&amulet_row, n);
      put(C::stat_amu_HP, int_text(a.hp_hi));
      put(C::stat_amu_MP, int_text(a.mp_hi));
      put(C::stat_amu_regen, real(a.regen_hi));
      break;
    }
    case C::Select_ring1:
    case C::Select_ring2: {
      const RingsR r = item_or_zero(&ring_row, n);
      const bool second = list == C::Select_ring2;
      put(second ? C::stat_rings_HP_2 : C::stat_rings_HP, int_text(r.hp_hi));
      put(second ? C::stat_rings_STM_2 : C::stat_rings_STM, int_text(r.stm_hi));
      break;
    }
    default:
      break;
  }
  return w;
}

}  // namespace

bool is_item_selection_list(Ctl list) { return info_of(list) != nullptr; }

std::optional<std::string> item_picture_name(Ctl list, int row, bool robes) {
  const ListInfo* info = info_of(list);
  if (!info || row < 0 || row > table_rows(list, robes)) return std::nullopt;
  if (row == 0) return std::string();
  const std::string prefix = list == C::Select_Armor && robes ? "Robe_" : info->prefix;
  return prefix + (row <= 9 ? "0" : "") + std::to_string(row) + ".bmp";
}

namespace {

// Writes the slot; `changed` tells whether a box's text changed, also when
// the picture then fails.
void write_slot(Calculator& calc, Ctl list, bool& changed) {
  changed = false;
  const ListInfo* info = info_of(list);
  if (!info) return;
  Sheet& sheet = calc.sheet;
  const int n = sheet.row(list);
  const int class_no = calc.class_row();
  const bool armour_list = list == C::Select_Armor;
  const bool robes = armour_list && wears_robe(class_no);

  // With no class chosen the armour list does not know its table: only the
  // picture's hint follows the list.
  if (armour_list && (class_no < 0 || class_no > Priestess)) {
    sheet.set_hint(info->picture, sheet.text(list));
    return;
  }
  // A row no table has (a stored -1, or past the end) reaches neither a
  // table nor a picture name: the slot stays, the list shows no selection.
  const std::optional<std::string> picture = item_picture_name(list, n, robes);
  if (!picture || n >= static_cast<int>(sheet[list].rows.size())) {
    sheet.set_row(list, -1);
    return;
  }

  for (auto& [box, text] : slot_write(list, n, robes, calc.format()).boxes) {
    if (sheet.text(box) != text) changed = true;
    sheet.set_text(box, std::move(text));
  }
  calc.load_picture(info->picture, *picture);
  sheet.set_hint(info->picture, sheet.text(list));
}

}  // namespace

bool write_item_selection(Calculator& calc, Ctl list) {
  bool changed = false;
  write_slot(calc, list, changed);
  return changed;
}

void item_selected(Calculator& calc, Ctl list) {
  // Each box the selection changes would start a pass of its own; the last
  // of them sees every new value, so one pass at the end shows the same.
  // A selection that changes no box starts none.
  std::exception_ptr picture_error;
  bool changed = false;
  try {
    write_slot(calc, list, changed);
  } catch (const std::runtime_error&) {
    // The picture fails after the boxes are written, and after their passes.
    picture_error = std::current_exception();
  }
  if (changed) calc.run_calculation(list);
  if (picture_error) std::rethrow_exception(picture_error);
}

}  // namespace brennick
