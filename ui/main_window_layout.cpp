#include "ui/main_window_layout.h"

#include <array>
#include <unordered_map>

namespace brennick::layout {
namespace {

using C = Ctl;
using namespace style;

struct Place {
  Ctl id;
  int x, y, w, h;
};

// Text boxes are 20 high, lists 21, labels 14; rows of the item pages are 22 apart.
constexpr int kBase = 60, kSpec = 95, kBox = 33;
constexpr int row_y(int row) { return 17 + 22 * row; }

constexpr Place kPlaces[] = {
    // --- regions of the client area ----------------------------------------
    {C::ToolBar1, 0, 0, kClientWidth, 29},
    {C::grp_class, 5, 30, 121, 41},
    {C::grp_stats, 5, 75, 121, 186},
    {C::PageControl_items, 130, 31, 376, 165},
    {C::grp_quests, 130, 200, 206, 61},
    {C::grp_sheltom, 340, 200, 161, 61},
    {C::grp_cast_on, 5, 265, 496, 131},
    {C::grp_final, 5, 400, 331, 191},
    {C::grp_dot_1h, 355, 410, 146, 106},
    {C::grp_dot_2h, 505, 410, 146, 106},
    {C::grp_forceorb, 340, 520, 161, 71},
    {C::Button1, 515, 545, 81, 26},
    {C::Lbl_free_sp, 630, 545, 24, 14},
    {C::Lbl_free_ep, 630, 562, 24, 14},
    {C::PageControl_weapons, 507, 31, 146, 375},
    {C::PageControl_skills, 655, 31, 216, 561},

    // --- class and statistics ------------------------------------------------
    {C::Select_class, 8, 14, 105, 21},
    {C::stat_level, 62, 16, 51, 21},
    {C::stat_strenght, 62, 40, 51, 21},
    {C::stat_spirit, 62, 64, 51, 21},
    {C::stat_talent, 62, 88, 51, 21},
    {C::stat_agility, 62, 112, 51, 21},
    {C::stat_health, 62, 136, 51, 21},
    {C::Lbl_free_stat_points, 80, 164, 33, 14},

    // --- page "Armor" ----------------------------------------------------------
    {C::stat_armor_def, kBase, row_y(0), kBox, 20},
    {C::stat_armor_spec_def, kSpec, row_y(0), kBox, 20},
    {C::stat_armor_abs, kBase, row_y(1), kBox, 20},
    {C::stat_armor_spec_abs, kSpec, row_y(1), kBox, 20},
    {C::Label23, 5, row_y(2) + 3, 54, 14},
    {C::stat_robe_regen, kSpec, row_y(2), kBox, 20},
    {C::chk_armor_is_right_spec, 5, 85, 126, 17},
    {C::Select_Armor, 5, 105, 126, 21},
    {C::img_set_armor, 292, 12, 66, 88},
    {C::grp_gem_armor, 136, 2, 120, 88},
    {C::stat_gem_armor_hp, 40, 16, 72, 20},
    {C::stat_gem_armor_mp, 40, 39, 72, 20},
    {C::stat_gem_armor_stm, 40, 62, 72, 20},

    // --- page "Shield" ---------------------------------------------------------
    {C::stat_shield_def, kBase, row_y(0), kBox, 20},
    {C::stat_shield_spec_def, kSpec, row_y(0), kBox, 20},
    {C::stat_shield_abs, kBase, row_y(1), kBox, 20},
    {C::stat_shield_spec_abs, kSpec, row_y(1), kBox, 20},
    {C::stat_shield_blk, kBase, row_y(2), kBox, 20},
    {C::stat_shield_spec_blk, kSpec, row_y(2), kBox, 20},
    {C::Select_Shield, 5, 105, 126, 21},
    {C::img_set_shield, 302, 12, 46, 88},
    {C::grp_gem_shield, 136, 2, 120, 88},
    {C::stat_gem_shield_HP, 40, 16, 72, 20},
    {C::stat_gem_shield_MP, 40, 39, 72, 20},
    {C::stat_gem_shield_STM, 40, 62, 72, 20},

    // --- page "Orb" --------------------------------------------------------------
    {C::stat_orb_def, kBase, row_y(0), kBox, 20},
    {C::stat_orb_abs, kBase, row_y(1), kBox, 20},
    {C::stat_orb_spec_abs, kSpec, row_y(1), kBox, 20},
    {C::stat_orb_MP, kBase, row_y(2), kBox, 20},
    {C::stat_orb_regen, kSpec, row_y(3) - 2, kBox, 20},
    {C::Select_Orb, 5, 105, 126, 21},
    {C::img_set_orb, 302, 30, 44, 44},
    {C::grp_gem_orb, 136, 2, 120, 88},
    {C::stat_gem_orb_HP, 40, 16, 72, 20},
    {C::stat_gem_orb_MP, 40, 39, 72, 20},
    {C::stat_gem_orb_STM, 40, 62, 72, 20},

    // --- page "Boots" ------------------------------------------------------------
    {C::stat_boots_def, kBase, row_y(0), kBox, 20},
    {C::stat_boots_abs, kBase, row_y(1), kBox, 20},
    {C::stat_boots_spec_abs, kSpec, row_y(1), kBox, 20},
    {C::stat_boots_spd, kBase, row_y(2), kBox, 20},
    {C::stat_boots_spec_spd, kSpec, row_y(2), kBox, 20},
    {C::Select_Boots, 5, 105, 126, 21},
    {C::img_set_boots, 170, 40, 44, 44},

    // --- page "Gaunts" -----------------------------------------------------------
    {C::stat_gaunts_def, kBase, row_y(0), kBox, 20},
    {C::stat_gaunts_spec_def, kSpec, row_y(0), kBox, 20},
    {C::stat_gaunts_abs, kBase, row_y(1), kBox, 20},
    {C::stat_gaunts_spec_abs, kSpec, row_y(1), kBox, 20},
    {C::Select_Gaunts, 5, 105, 126, 21},
    {C::img_set_gaunts, 170, 40, 44, 44},

    // --- page "Armlets" ----------------------------------------------------------
    {C::stat_armlets_def, kBase, row_y(0), kBox, 20},
    {C::stat_armlets_rtg, kBase, row_y(1), kBox, 20},
    {C::stat_armlets_lvl, kSpec, row_y(2), kBox, 20},
    {C::Select_armlets, 5, 105, 126, 21},
    {C::img_set_armlets, 190, 40, 44, 44},

    // --- page "other" ------------------------------------------------------------
    {C::stat_other_def, kBase, row_y(0), kBox + 12, 20},
    {C::stat_other_abs, kBase, row_y(1), kBox + 12, 20},

    // --- page "Accessories" ------------------------------------------------------
    {C::grp_amulet, 3, 0, 140, 134},
    {C::stat_amu_HP, 74, 16, 58, 20},
    {C::stat_amu_MP, 74, 38, 58, 20},
    {C::stat_amu_regen, 74, 60, 58, 20},
    {C::Select_amulet, 6, 88, 128, 21},
    {C::img_set_amulet, 113, 88, 22, 22},
    {C::grp_rings, 147, 0, 220, 134},
    {C::Select_ring1, 6, 16, 178, 21},
    {C::img_set_ring1, 190, 16, 22, 22},
    {C::stat_rings_HP, 54, 41, 45, 20},
    {C::stat_rings_STM, 162, 41, 50, 20},
    {C::Select_ring2, 6, 72, 178, 21},
    {C::img_set_ring2, 190, 72, 22, 22},
    {C::stat_rings_HP_2, 54, 97, 45, 20},
    {C::stat_rings_STM_2, 162, 97, 50, 20},

    // --- quests (three columns of two) -------------------------------------------
    {C::level_30_done, 5, 16, 67, 17},
    {C::tier3_done, 5, 37, 67, 17},
    {C::level_55_done, 71, 16, 67, 17},
    {C::level_70_done, 71, 37, 67, 17},
    {C::level_80_done, 137, 16, 67, 17},
    {C::level_90_done, 137, 37, 67, 17},

    // --- sheltom -------------------------------------------------------------------
    {C::Label_sheltom_hp, 8, 19, 62, 14},
    {C::stat_sheltom_hp, 72, 16, 50, 20},
    {C::stat_sheltom_mp, 72, 38, 50, 20},

    // --- final character stats ---------------------------------------------------
    {C::pnl_one_hand, 5, 15, 151, 151},
    {C::pnl_two_hand, 165, 15, 151, 151},
    {C::Image1, 131, 1, 16, 16},
    {C::Image2, 131, 1, 16, 16},
    {C::Lbl_final_stat_eva, 60, 171, 44, 14},
    {C::Lbl_final_stat_weight, 154, 171, 58, 14},
    {C::lbl_final_stat_spd, 258, 171, 66, 14},

    // --- damage over time --------------------------------------------------------
    {C::Image5, 124, 87, 16, 16},
    {C::Image6, 124, 87, 16, 16},

    // --- force orb ---------------------------------------------------------------
    {C::Select_ForceOrb, 6, 15, 122, 21},
    {C::img_forceorb, 133, 15, 22, 22},
    {C::lbl_forceorb, 6, 39, 150, 28},

    // --- weapons -----------------------------------------------------------------
    {C::Select_weapon, 3, 3, 112, 22},
    {C::Image8, 120, 6, 16, 16},
    {C::stat_weap_min_pow, 50, 30, 38, 20},
    {C::stat_weap_max_pow, 98, 30, 38, 20},
    {C::stat_weap_rtg, 50, 52, 40, 20},
    {C::stat_weap_crit, 50, 74, 40, 20},
    {C::stat_weap_def, 50, 96, 40, 20},
    {C::stat_weap_spec_pow, 50, 136, 40, 20},
    {C::stat_weap_spec_rtg, 50, 158, 40, 20},
    {C::stat_weap_spec_crit, 50, 180, 40, 20},
    {C::stat_weap_MP_regen, 50, 202, 40, 20},
    {C::stat_weap_spd, 72, 226, 50, 21},
    {C::grp_gem_weap, 3, 252, 134, 92},
    {C::stat_gem_HP, 40, 17, 86, 20},
    {C::stat_gem_MP, 40, 40, 86, 20},
    {C::stat_gem_STM, 40, 63, 86, 20},
    {C::Select_weapon_2, 3, 3, 112, 22},
    {C::Image9, 120, 6, 16, 16},
    {C::stat_weap_min_pow_2, 50, 30, 38, 20},
    {C::stat_weap_max_pow_2, 98, 30, 38, 20},
    {C::stat_weap_rtg_2, 50, 52, 40, 20},
    {C::stat_weap_crit_2, 50, 74, 40, 20},
    {C::stat_weap_blk, 50, 96, 40, 20},
    {C::stat_weap_spec_pow_2, 50, 136, 40, 20},
    {C::stat_weap_spec_rtg_2, 50, 158, 40, 20},
    {C::stat_weap_spec_crit_2, 50, 180, 40, 20},
    {C::stat_weap_MP_regen_2, 50, 202, 40, 20},
    {C::stat_weap_spd_2, 72, 226, 50, 21},
    {C::grp_gem_weap_2, 3, 252, 134, 92},
    {C::stat_gem_HP_2, 40, 17, 86, 20},
    {C::stat_gem_MP_2, 40, 40, 86, 20},
    {C::stat_gem_STM_2, 40, 63, 86, 20},
};

// Result rows of the final-statistics panels: left column, right column, full rows.
struct FinalRow {
  std::string_view caption;
  Ctl one, two;
  std::uint16_t caption_style;
};
constexpr FinalRow kFinalLeft[] = {
    {"HP:", C::Lbl_final_stat_HP, C::Lbl_final_stat_HP_2, Bold | Red},
    {"MP:", C::Lbl_final_stat_MP, C::Lbl_final_stat_MP_2, Bold | Blue},
    {"STM:", C::Lbl_final_stat_STM, C::Lbl_final_stat_STM_2, Bold | Green},
    {"Def.", C::Lbl_final_stat_def, C::Lbl_final_stat_def_2, Bold},
    {"Abs.", C::Lbl_final_stat_abs, C::Lbl_final_stat_abs_2, Bold},
};
constexpr FinalRow kFinalRight[] = {
    {"Atk-Pow:", C::Lbl_final_stat_atkpow, C::Lbl_final_stat_atkpow_2, Bold},
    {"Atk-Rtg:", C::Lbl_final_stat_rtg, C::Lbl_final_stat_rtg_2, Bold},
};
constexpr FinalRow kFinalFull[] = {
    {"Critical:", C::Lbl_final_stat_crit, C::Lbl_final_stat_crit_2, Bold},
    {"Block:", C::Lbl_final_stat_blk, C::Lbl_final_stat_blk_2, Bold},
    {"MP Regen:", C::Lbl_final_stat_mp_regen, C::Lbl_final_stat_mp_regen_2, Bold},
};
constexpr int kFinalTop = 18, kFinalStep = 15;

struct DotRow {
  std::string_view caption;
  Ctl one, two;
};
constexpr DotRow kDotRows[] = {
    {"\u00d8 Pow/Hit:", C::Lbl_dot_1h_1, C::Lbl_dot_2h_1},
    {"in 1 minute:", C::Lbl_dot_1h_2, C::Lbl_dot_2h_2},
    {"Critical Pow:", C::Lbl_dot_1h_3, C::Lbl_dot_2h_3},
    {"from pet(s):", C::Lbl_dot_1h_5, C::Lbl_dot_2h_5},
    {"Total Pow:", C::Lbl_dot_1h_4, C::Lbl_dot_2h_4},
};
constexpr int kDotTop = 17, kDotStep = 14;

// Buff slots: four columns, odd slots on top.
constexpr int kCastOnX[] = {7, 131, 255, 379};
constexpr int kCastOnY[] = {16, 76};

struct Tables {
  std::unordered_map<Ctl, QRect> places;
  std::vector<Caption> captions;
  std::unordered_map<Ctl, std::uint16_t> styles;
};

void add_rows(Tables& t, Ctl page, std::initializer_list<std::string_view> rows, bool headings) {
  int r = 0;
  for (std::string_view row : rows) {
    if (!row.empty()) t.captions.push_back({page, row, QRect(5, row_y(r) + 3, 54, 14), Plain, std::nullopt});
    ++r;
  }
  if (headings) {
    t.captions.push_back({page, "Base", QRect(kBase, 2, kBox, 14), Bold | Centre, std::nullopt});
    t.captions.push_back({page, "Spec", QRect(kSpec, 2, kBox, 14), Bold | Centre, std::nullopt});
  }
}

void add_gem_group(Tables& t, Ctl group, Ctl page) {
  t.captions.push_back({group, "HP:", QRect(8, 19, 30, 14), Bold | Red, std::nullopt});
  t.captions.push_back({group, "MP:", QRect(8, 42, 30, 14), Bold | Blue, std::nullopt});
  t.captions.push_back({group, "STM:", QRect(8, 65, 30, 14), Bold | Green, std::nullopt});
  t.captions.push_back({page, "Age / Gem with the right-click popup menu", QRect(136, 93, 150, 30), Wrap, std::nullopt});
}

// Skill slots: four per page, 130 apart.
void add_skill_slots(Tables& t) {
  for (int i = 0; i < kSlotCount; ++i) {
    const SlotControls& s = slot_controls(i);
    const int y = 5 + 130 * (i % 4);
    t.places.emplace(s.icon, QRect(3, y, 40, 40));
    t.places.emplace(s.name, QRect(47, y, 161, 15));
    t.places.emplace(s.info, QRect(47, y + 17, 161, 106));
    t.places.emplace(s.level, QRect(3, y + 44, 40, 21));
    t.places.emplace(s.levelreg, QRect(0, y + 68, 46, 14));
    t.places.emplace(s.kind_img, QRect(15, y + 86, 16, 16));
    // Two lines under the kind picture, for usages of four digits each.
    t.places.emplace(s.mana, QRect(0, y + 103, 46, 26));
    t.styles[s.name] = Bold | Underline;
    t.styles[s.levelreg] = Centre;
    t.styles[s.mana] = Centre | Wrap;
  }
}

// Buff slots.
void add_buff_slots(Tables& t) {
  for (int i = 0; i < kCastOnCount; ++i) {
    const CastOnControls& s = cast_on_controls(i);
    const int x = kCastOnX[i / 2], y = kCastOnY[i % 2];
    t.places.emplace(s.img, QRect(x, y, 40, 40));
    t.places.emplace(s.spin, QRect(x + 44, y, 46, 21));
    t.places.emplace(s.stat_img, QRect(x + 44, y + 24, 16, 16));
    t.places.emplace(s.label, QRect(x + 63, y + 25, 56, 14));
    if (i == 1) t.places.emplace(C::img_holy_valor_special, QRect(x + 96, y + 1, 19, 19));
  }
}

// Final statistics: the same rows in both panels, then evasion, weight and speed.
void add_final_statistics(Tables& t) {
  for (const bool two : {false, true}) {
    const Ctl panel = two ? C::pnl_two_hand : C::pnl_one_hand;
    int y = kFinalTop;
    for (const FinalRow& r : kFinalLeft) {
      const Ctl value = two ? r.two : r.one;
      // Absorption has the row to itself: its value may run to the panel's edge.
      const bool whole_row = r.one == C::Lbl_final_stat_abs;
      t.captions.push_back({panel, r.caption, QRect(6, y, 30, 14), r.caption_style, value});
      t.places.emplace(value, QRect(36, y, whole_row ? 111 : 39, 14));
      y += kFinalStep;
    }
    y = kFinalTop;
    for (const FinalRow& r : kFinalRight) {
      const Ctl value = two ? r.two : r.one;
      t.captions.push_back({panel, r.caption, QRect(84, y, 62, 14), static_cast<std::uint16_t>(r.caption_style | Centre), value});
      t.places.emplace(value, QRect(75, y + kFinalStep, 74, 14));
      t.styles[value] = Centre;
      y += 2 * kFinalStep;
    }
    y = kFinalTop + 5 * kFinalStep + 6;
    for (const FinalRow& r : kFinalFull) {
      const Ctl value = two ? r.two : r.one;
      t.captions.push_back({panel, r.caption, QRect(6, y, 64, 14), r.caption_style, value});
      const bool regen = r.one == C::Lbl_final_stat_mp_regen;
      t.places.emplace(value, QRect(72, y, regen ? 36 : 74, 14));
      if (regen) t.captions.push_back({panel, "MP/sec", QRect(108, y, 38, 14), Plain, value});
      y += kFinalStep;
    }
  }
  t.captions.push_back({C::grp_final, "Evasion:", QRect(8, 171, 50, 14), Bold, C::Lbl_final_stat_eva});
  t.captions.push_back({C::grp_final, "Weight:", QRect(108, 171, 44, 14), Bold, C::Lbl_final_stat_weight});
  t.captions.push_back({C::grp_final, "Speed:", QRect(216, 171, 40, 14), Bold, C::lbl_final_stat_spd});
}

// Damage over time.
void add_damage_over_time(Tables& t) {
  for (const bool two : {false, true}) {
    const Ctl group = two ? C::grp_dot_2h : C::grp_dot_1h;
    int y = kDotTop;
    for (const DotRow& r : kDotRows) {
      const Ctl value = two ? r.two : r.one;
      t.captions.push_back({group, r.caption, QRect(6, y, 68, 14), Bold, value});
      t.places.emplace(value, QRect(74, y, 67, 14));
      const bool total = value == C::Lbl_dot_1h_4 || value == C::Lbl_dot_2h_4;
      t.styles[value] = static_cast<std::uint16_t>(total ? Right | Underline : Right);
      y += kDotStep;
    }
  }
}

// Class and statistics.
void add_statistics(Tables& t) {
  int y = 19;
  for (std::string_view row : {"Level:", "Strenght:", "Spirit:", "Talent:", "Agility:", "Health:"}) {
    t.captions.push_back({C::grp_stats, row, QRect(8, y, 54, 14), Plain, std::nullopt});
    y += 24;
  }
  t.captions.push_back({C::grp_stats, "Free Points:", QRect(8, 164, 70, 14), Bold, C::Lbl_free_stat_points});
  t.styles[C::Lbl_free_stat_points] = Right | Bold;
}

// Item pages, the amulet and the rings.
void add_item_pages(Tables& t) {
  add_rows(t, C::TabSheet7, {"Defense:", "Abs:"}, true);
  add_gem_group(t, C::grp_gem_armor, C::TabSheet7);
  add_rows(t, C::TabSheet8, {"Defense:", "Abs:", "Block:"}, true);
  t.captions.push_back({C::TabSheet8, "%", QRect(kSpec + kBox + 3, row_y(2) + 3, 12, 14), Plain, std::nullopt});
  add_gem_group(t, C::grp_gem_shield, C::TabSheet8);
  add_rows(t, C::TabSheet9, {"Defense:", "Abs:", "MP:"}, true);
  t.captions.push_back({C::TabSheet9, "MP Regen:", QRect(5, row_y(3) + 1, 54, 14), Plain, std::nullopt});
  add_gem_group(t, C::grp_gem_orb, C::TabSheet9);
  add_rows(t, C::TabSheet10, {"Defense:", "Abs:", "Speed:"}, true);
  add_rows(t, C::TabSheet11, {"Defense:", "Abs:"}, true);
  add_rows(t, C::TabSheet12, {"Defense:", "Atk-Rtg:", "Spec AR:"}, true);
  t.captions.push_back({C::TabSheet12, "Lvl/1-3", QRect(kSpec + kBox + 3, row_y(2) + 3, 44, 14), Plain, std::nullopt});
  add_rows(t, C::TabSheet13, {"Defense:", "Abs:"}, false);
  t.captions.push_back({C::TabSheet13,
                        "this 2 fields are for any Defense / Absorption that don't belong to the other "
                        "fields in this Panel. Mainly for Quest Items",
                        QRect(118, 17, 240, 60), Wrap, std::nullopt});
  t.captions.push_back({C::grp_amulet, "Amulet HP:", QRect(6, 19, 66, 14), Plain, std::nullopt});
  t.captions.push_back({C::grp_amulet, "Amulet MP:", QRect(6, 41, 66, 14), Plain, std::nullopt});
  t.captions.push_back({C::grp_amulet, "Amulet MP R.", QRect(6, 63, 66, 14), Plain, std::nullopt});
  for (const int y0 : {44, 100}) {
    t.captions.push_back({C::grp_rings, "Ring HP:", QRect(6, y0, 46, 14), Plain, std::nullopt});
    t.captions.push_back({C::grp_rings, "Ring STM:", QRect(106, y0, 54, 14), Plain, std::nullopt});
  }
}

// The sheltom and the free skill points.
void add_sheltom_and_free_points(Tables& t) {
  t.captions.push_back({C::grp_sheltom, "MP Regen:", QRect(8, 41, 62, 14), Plain, std::nullopt});

  // Free skill points.
  t.captions.push_back({C::MainForm, "SP:", QRect(608, 545, 22, 14), Bold, C::Lbl_free_sp});
  t.captions.push_back({C::MainForm, "EP:", QRect(608, 562, 22, 14), Bold, C::Lbl_free_ep});
  t.styles[C::Lbl_free_sp] = Bold;
  t.styles[C::Lbl_free_ep] = Bold;
}

// Weapon pages.
void add_weapon_pages(Tables& t) {
  for (const bool two : {false, true}) {
    const Ctl page = two ? C::TabSheet6 : C::TabSheet5;
    const Ctl gem = two ? C::grp_gem_weap_2 : C::grp_gem_weap;
    auto row = [&](std::string_view text, int y0) {
      t.captions.push_back({page, text, QRect(3, y0 + 3, 47, 14), Plain, std::nullopt});
    };
    row("Atk-Pow:", 30);
    t.captions.push_back({page, "-", QRect(88, 27, 10, 22), Bold | Large | Centre, std::nullopt});
    row("Atk-Rtg:", 52);
    row("Critical:", 74);
    t.captions.push_back({page, "%", QRect(93, 77, 12, 14), Plain, std::nullopt});
    row(two ? "Block:" : "Def:", 96);
    if (two) t.captions.push_back({page, "%", QRect(93, 99, 12, 14), Plain, std::nullopt});
    t.captions.push_back({page, "Spec. Stats", QRect(3, 119, 100, 14), Bold, std::nullopt});
    row("Atk-Pow:", 136);
    t.captions.push_back({page, "Lvl/3-7", QRect(93, 139, 44, 14), Plain, std::nullopt});
    row("Atk-Rtg:", 158);
    t.captions.push_back({page, "Lvl/1-3", QRect(93, 161, 44, 14), Plain, std::nullopt});
    row("Critical:", 180);
    t.captions.push_back({page, "%", QRect(93, 183, 12, 14), Plain, std::nullopt});
    row("MP Rec:", 202);
    t.captions.push_back({page, "Weapon Spd:", QRect(3, 229, 68, 14), Plain, std::nullopt});
    t.captions.push_back({gem, "HP:", QRect(8, 20, 30, 14), Bold | Red, std::nullopt});
    t.captions.push_back({gem, "MP:", QRect(8, 43, 30, 14), Bold | Blue, std::nullopt});
    t.captions.push_back({gem, "STM:", QRect(8, 66, 30, 14), Bold | Green, std::nullopt});
  }
}

Tables build() {
  Tables t;
  for (const Place& p : kPlaces) t.places.emplace(p.id, QRect(p.x, p.y, p.w, p.h));

  add_skill_slots(t);
  add_buff_slots(t);
  add_final_statistics(t);
  add_damage_over_time(t);
  add_statistics(t);
  add_item_pages(t);
  add_sheltom_and_free_points(t);
  add_weapon_pages(t);
  return t;
}

const Tables& tables() {
  static const Tables t = build();
  return t;
}

}  // namespace

std::optional<QRect> place(Ctl id) {
  const auto& p = tables().places;
  auto it = p.find(id);
  if (it == p.end()) return std::nullopt;
  return it->second;
}

const std::vector<Caption>& captions() { return tables().captions; }

std::uint16_t control_style(Ctl id) {
  const auto& s = tables().styles;
  auto it = s.find(id);
  return it == s.end() ? std::uint16_t{Plain} : it->second;
}

bool clickable_picture(Ctl id) {
  if (id == C::img_holy_valor_special) return true;
  for (int i = 0; i < kSlotCount; ++i)
    if (slot_controls(i).kind_img == id) return true;
  for (int i = 0; i < kCastOnCount; ++i)
    if (cast_on_controls(i).stat_img == id) return true;
  return false;
}

Ctl tool_button_command(Ctl button) {
  switch (button) {
    case C::Btn_FileOpen: return C::MainMenu_file_load;
    case C::Btn_FileSave: return C::MainMenu_file_save;
    case C::Btn_ShowSkills: return C::MainMenu_info_skills;
    case C::Btn_ShowArmor: return C::Armor1;
    case C::ToolButton7: return C::RobeInfo1;
    case C::ToolButton8: return C::Shield1;
    case C::ToolButton9: return C::Orb1;
    case C::ToolButton3: return C::Armlets1;
    case C::ToolButton4: return C::Gaunts1;
    case C::ToolButton5: return C::Boots1;
    case C::ToolButton10: return C::Weapon1;
    case C::ToolButton12: return C::Rings1;
    case C::ToolButton13: return C::Amulets1;
    case C::ToolButton14: return C::Sheltoms1;
    default: return C::Count_;
  }
}

bool separator_after(Ctl id) {
  switch (id) {
    case C::MainMenu_file_save:
    case C::MainMenu_info_skills:
    case C::Weapon1:
    case C::Btn_FileSave:
    case C::Btn_ShowSkills:
    case C::ToolButton10:
    case C::ToolButton14:
      return true;
    default:
      return false;
  }
}

}  // namespace brennick::layout
