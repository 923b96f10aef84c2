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

// Row n of a table, or the all-zero item for row 0 (the caller has checked
// that n is 0 or a row of the table).
template <class R>
R item_or_zero(std::optional<R> (*lookup)(int), int n) {
  if (n == 0) return R{};
  return lookup(n).value();
}

// One box a selection writes, and its text from the item.
template <class R>
struct BoxFromItem {
  Ctl box;
  std::string (*text)(const R& item, const NumberFormat& fmt);
};
template <auto Member, class R>
std::string int_of(const R& item, const NumberFormat&) {
  return int_text(item.*Member);
}
template <auto Member, class R>
std::string real_of(const R& item, const NumberFormat& fmt) {
  return format_general(item.*Member, fmt);
}
template <class R>
std::string one(const R&, const NumberFormat&) {
  return "1";
}

// The boxes of each slot, in writing order, from the item's upper ends.
constexpr BoxFromItem<ArmorR> kArmorBoxes[] = {
    {C::stat_armor_def, &int_of<&ArmorR::def_hi>},
    {C::stat_armor_abs, &real_of<&ArmorR::abs_hi>},
    {C::stat_armor_spec_def, &int_of<&ArmorR::spec_def_hi>},
    {C::stat_armor_spec_abs, &real_of<&ArmorR::spec_abs_hi>},
};
constexpr BoxFromItem<RobeR> kRobeBoxes[] = {
    {C::stat_armor_def, &int_of<&RobeR::def_hi>},
    {C::stat_armor_abs, &real_of<&RobeR::abs_hi>},
    {C::stat_armor_spec_def, &int_of<&RobeR::spec_def_hi>},
    {C::stat_armor_spec_abs, &real_of<&RobeR::spec_abs_hi>},
    {C::stat_robe_regen, &real_of<&RobeR::mp_regen_hi>},
};
constexpr BoxFromItem<ShieldR> kShieldBoxes[] = {
    {C::stat_shield_def, &int_of<&ShieldR::def_hi>},
    {C::stat_shield_abs, &real_of<&ShieldR::abs_hi>},
    {C::stat_shield_blk, &int_of<&ShieldR::blk_hi>},
    {C::stat_shield_spec_def, &int_of<&ShieldR::spec_def_hi>},
    {C::stat_shield_spec_abs, &real_of<&ShieldR::spec_abs_hi>},
    {C::stat_shield_spec_blk, &int_of<&ShieldR::spec_blk>},
};
constexpr BoxFromItem<OrbR> kOrbBoxes[] = {
    {C::stat_orb_def, &int_of<&OrbR::def_hi>},
    {C::stat_orb_abs, &real_of<&OrbR::abs_hi>},
    {C::stat_orb_MP, &int_of<&OrbR::mp_hi>},
    {C::stat_orb_regen, &real_of<&OrbR::mp_regen_hi>},
    {C::stat_orb_spec_abs, &real_of<&OrbR::spec_abs_hi>},
};
constexpr BoxFromItem<BootsR> kBootsBoxes[] = {
    {C::stat_boots_def, &int_of<&BootsR::def_hi>},
    {C::stat_boots_abs, &real_of<&BootsR::abs_hi>},
    {C::stat_boots_spd, &real_of<&BootsR::spd_hi>},
    {C::stat_boots_spec_abs, &real_of<&BootsR::spec_abs_hi>},
    {C::stat_boots_spec_spd, &real_of<&BootsR::spec_spd_hi>},
};
constexpr BoxFromItem<GauntsR> kGauntsBoxes[] = {
    {C::stat_gaunts_def, &int_of<&GauntsR::def_hi>},
    {C::stat_gaunts_abs, &real_of<&GauntsR::abs_hi>},
    {C::stat_gaunts_spec_def, &int_of<&GauntsR::spec_def_hi>},
    {C::stat_gaunts_spec_abs, &real_of<&GauntsR::spec_abs_hi>},
};
constexpr BoxFromItem<ArmletR> kArmletBoxes[] = {
    {C::stat_armlets_def, &int_of<&ArmletR::def_hi>},
    {C::stat_armlets_rtg, &int_of<&ArmletR::rtg_hi>},
    {C::stat_armlets_lvl, &one<ArmletR>},  // every row, row 0 included
};
constexpr BoxFromItem<AmuletR> kAmuletBoxes[] = {
    {C::stat_amu_HP, &int_of<&AmuletR::hp_hi>},
    {C::stat_amu_MP, &int_of<&AmuletR::mp_hi>},
    {C::stat_amu_regen, &real_of<&AmuletR::regen_hi>},
};
constexpr BoxFromItem<RingsR> kRing1Boxes[] = {
    {C::stat_rings_HP, &int_of<&RingsR::hp_hi>},
    {C::stat_rings_STM, &int_of<&RingsR::stm_hi>},
};
constexpr BoxFromItem<RingsR> kRing2Boxes[] = {
    {C::stat_rings_HP_2, &int_of<&RingsR::hp_hi>},
    {C::stat_rings_STM_2, &int_of<&RingsR::stm_hi>},
};

template <auto Lookup, const auto& Boxes>
SlotWrite write_from(int n, const NumberFormat& fmt) {
  SlotWrite w;
  const auto item = item_or_zero(Lookup, n);
  for (const auto& b : Boxes) w.boxes.emplace_back(b.box, b.text(item, fmt));
  return w;
}

// Each list with its table: the armour list has two, by the class.
struct SlotTable {
  Ctl list;
  bool robes;
  int rows;
  SlotWrite (*write)(int n, const NumberFormat& fmt);
};
constexpr SlotTable kSlotTables[] = {
    {C::Select_Armor, false, kArmorRows, &write_from<&armor_row, kArmorBoxes>},
    {C::Select_Armor, true, kRobeRows, &write_from<&robe_row, kRobeBoxes>},
    {C::Select_Shield, false, kShieldRows, &write_from<&shield_row, kShieldBoxes>},
    {C::Select_Orb, false, kOrbRows, &write_from<&orb_row, kOrbBoxes>},
    {C::Select_Boots, false, kBootsRows, &write_from<&boots_row, kBootsBoxes>},
    {C::Select_Gaunts, false, kGauntsRows, &write_from<&gaunts_row, kGauntsBoxes>},
    {C::Select_armlets, false, kArmletRows, &write_from<&armlet_row, kArmletBoxes>},
    {C::Select_amulet, false, kAmuletRows, &write_from<&amulet_row, kAmuletBoxes>},
    {C::Select_ring1, false, kRingRows, &write_from<&ring_row, kRing1Boxes>},
    {C::Select_ring2, false, kRingRows, &write_from<&ring_row, kRing2Boxes>},
};

const SlotTable* slot_table(Ctl list, bool robes) {
  for (const SlotTable& t : kSlotTables)
    if (t.list == list && t.robes == (robes && list == C::Select_Armor)) return &t;
  return nullptr;
}

int table_rows(Ctl list, bool robes) {
  const SlotTable* t = slot_table(list, robes);
  return t ? t->rows : 0;
}

SlotWrite slot_write(Ctl list, int n, bool robes, const NumberFormat& fmt) {
  const SlotTable* t = slot_table(list, robes);
  return t ? t->write(n, fmt) : SlotWrite{};
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
