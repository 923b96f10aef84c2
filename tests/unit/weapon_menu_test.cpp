// The right-click menus as data: preparing the weapon and sheltom menus,
// the requirement dots, inserting weapons and sheltoms, and clicking menu
// items by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/item_tables.h"
#include "data/spec_requirement.h"
#include "data/weapon_tables.h"
#include "pipeline/planner.h"
#include "tests/unit/test_sheet.h"
#include "engine/startup.h"
#include "pipeline/menu_items.h"
#include "equipment/mixing.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"

using namespace brennick;

namespace {

struct Fixture {
  explicit Fixture(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, &log, nullptr}) {
    start_sheet(calc);
  }
  const std::string& text(Ctl id) const { return calc.sheet.text(id); }
  SilentDialogs dialogs;
  RecordingLog log;
  Planner calc;
};

// (kind, row) of a weapon by name; the test fails when there is none.
std::pair<int, int> weapon_named(const std::string& name) {
  for (int k = 0; k < kWeaponKindCount; ++k) {
    const std::vector<WeaponR> rows = weapon_rows(k);
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].name == name) return {k, static_cast<int>(i) + 1};
  }
  ADD_FAILURE() << "no weapon " << name;
  return {0, 0};
}

std::string item_name(int kind, int row) {
  static const char* prefix[] = {"Axe", "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand", "Mace"};
  return std::string(prefix[kind]) + (row < 10 ? "0" : "") + std::to_string(row);
}

const MenuEntry& kind_menu(const PopupMenus& menus, int kind) { return menus.menu(Popup::Weapon).items.at(kind); }

struct Counts {
  int enabled = 0, disabled = 0, red = 0, green = 0, enabled_claws = 0;
};

Counts count(const PopupMenus& menus) {
  Counts c;
  for (int k = 0; k < kWeaponKindCount; ++k) {
    for (const MenuEntry& m : kind_menu(menus, k).items) {
      if (m.enabled) {
        ++c.enabled;
        if (k == Claw) ++c.enabled_claws;
        if (m.image == kRedDotImage) ++c.red;
        if (m.image == kGreenDotImage) ++c.green;
      } else {
        ++c.disabled;
        EXPECT_EQ(m.image, kNoImage) << m.name << ": a disabled item shows no image";
      }
    }
  }
  return c;
}

}  // namespace

// --- the menus' structure -----------------------------------------------------

TEST(PopupMenus, WeaponMenuHasEightKindsAgeAndGem) {
  PopupMenus menus;
  const PopupMenu& weap = menus.menu(Popup::Weapon);
  EXPECT_EQ(weap.name, "popup_weap");
  ASSERT_EQ(weap.items.size(), 11u);
  const std::vector<std::string> names = {"Axe1", "Bow1", "Scythe1", "Claw1", "Javelin1", "Sword1", "Wand1", "Mace1"};
  const std::vector<std::string> captions = {"Insert Axe",     "Insert Bow",   "Insert Scythe",     "Insert Claw",
                                             "Insert Javelin", "Insert Sword", "Insert Wand/Staff", "Insert Mace"};
  const std::vector<std::size_t> sizes = {17, 19, 18, 17, 18, 20, 18, 18};
  std::size_t total = 0;
  for (int k = 0; k < 8; ++k) {
    const MenuEntry& sub = weap.items[static_cast<std::size_t>(k)];
    EXPECT_EQ(sub.name, names[static_cast<std::size_t>(k)]);
    EXPECT_EQ(sub.caption, captions[static_cast<std::size_t>(k)]);
    EXPECT_EQ(sub.tag, k + 1);
    EXPECT_EQ(sub.image, k) << "the kind icon";
    ASSERT_EQ(sub.items.size(), sizes[static_cast<std::size_t>(k)]);
    total += sub.items.size();
    for (const MenuEntry& item : sub.items) EXPECT_EQ(item.caption, "") << "captions come with the first opening";
  }
  EXPECT_EQ(total, 145u);
  EXPECT_EQ(weap.items[0].items.front().name, "Axe01");
  EXPECT_EQ(weap.items[0].items.back().name, "Axe17");
  EXPECT_EQ(weap.items[5].items.back().name, "Sword20");
  EXPECT_EQ(weap.items[6].items.front().name, "Wand01");
  EXPECT_TRUE(weap.items[8].separator);

  const MenuEntry& age = weap.items[9];
  EXPECT_EQ(age.name, "Age1");
  EXPECT_EQ(age.caption, "Age to...");
  ASSERT_EQ(age.items.size(), 11u);
  EXPECT_EQ(age.items[0].name, "age01");
  EXPECT_EQ(age.items[0].caption, "+1");
  EXPECT_EQ(age.items[10].name, "age11");
  EXPECT_EQ(age.items[10].caption, "+11");
  EXPECT_EQ(age.items[10].tag, 11);

  const MenuEntry& gem = weap.items[10];
  EXPECT_EQ(gem.name, "Gemto1");
  EXPECT_EQ(gem.caption, "Gem with...");
  ASSERT_EQ(gem.items.size(), 23u);
  EXPECT_EQ(gem.items[6].name, "gem07");
  for (int r = 1; r <= 23; ++r)
    EXPECT_EQ(gem.items[static_cast<std::size_t>(r - 1)].caption, recipe_caption(MixTarget::Weapon, r));
}

TEST(PopupMenus, ArmourShieldOrbAndSheltomMenus) {
  PopupMenus menus;
  struct Expect {
    Popup popup;
    const char *name, *age, *age_item, *gem, *gem_last;
    std::size_t recipes;
    MixTarget target;
  };
  const Expect expect[] = {
      {Popup::Armor, "popup_armor", "Age2", "AgeA", "GemTo2", "GemA19", 19, MixTarget::Armor},
      {Popup::Shield, "Popup_shield", "Age3", "AgeS", "GemTo3", "GemS17", 17, MixTarget::Shield},
      {Popup::Orb, "Popup_orb", "Age4", "AgeO", "GemTo4", "GemO17", 17, MixTarget::Orb},
  };
  for (const Expect& e : expect) {
    const PopupMenu& m = menus.menu(e.popup);
    EXPECT_EQ(m.name, e.name);
    ASSERT_EQ(m.items.size(), 2u);
    EXPECT_EQ(m.items[0].name, e.age);
    ASSERT_EQ(m.items[0].items.size(), 11u);
    EXPECT_EQ(m.items[0].items[2].name, std::string(e.age_item) + "03");
    EXPECT_EQ(m.items[0].items[2].caption, "+3");
    EXPECT_EQ(m.items[1].name, e.gem);
    ASSERT_EQ(m.items[1].items.size(), e.recipes);
    EXPECT_EQ(m.items[1].items.back().name, e.gem_last);
    EXPECT_EQ(m.items[1].items[0].caption, recipe_caption(e.target, 1));
  }
  const PopupMenu& sheltom = menus.menu(Popup::Sheltom);
  EXPECT_EQ(sheltom.name, "popup_sheltom");
  ASSERT_EQ(sheltom.items.size(), 9u);
  EXPECT_EQ(sheltom.items[0].name, "sheltom01");
  EXPECT_EQ(sheltom.items[0].image, 9);
  EXPECT_EQ(sheltom.items[8].name, "sheltom09");
  EXPECT_EQ(sheltom.items[8].image, 17);

  Fixture f;
  menus.handle_popup(f.calc, Popup::Sheltom);
  EXPECT_EQ(menus.menu(Popup::Sheltom).items[0].caption, "Lucidy");
  EXPECT_EQ(menus.menu(Popup::Sheltom).items[8].caption, "Celesto");
  EXPECT_EQ(kind_menu(menus, 0).items[0].caption, "") << "opening the sheltom menu leaves the weapon menu alone";

  EXPECT_EQ(popup_of_page(Ctl::TabSheet5), Popup::Weapon);
  EXPECT_EQ(popup_of_page(Ctl::TabSheet6), Popup::Weapon);
  EXPECT_EQ(popup_of_page(Ctl::grp_sheltom), Popup::Sheltom);
  EXPECT_EQ(popup_of_page(Ctl::TabSheet7), Popup::Armor);
  EXPECT_EQ(popup_of_page(Ctl::TabSheet8), Popup::Shield);
  EXPECT_EQ(popup_of_page(Ctl::TabSheet9), Popup::Orb);
  EXPECT_EQ(popup_of_page(Ctl::TabSheet10), std::nullopt);
  EXPECT_EQ(item_number("Axe05"), 5);
  EXPECT_EQ(item_number("Sword20"), 20);
  EXPECT_EQ(item_number("Axe1"), std::nullopt);
  EXPECT_EQ(item_number("x"), std::nullopt);
}

// --- handle_popup -----------------------------------------------------------------

TEST(HandlePopup, OneHandedPageEnablesTheOneHandedRows) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  PopupMenus menus;
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet5);
  EXPECT_EQ(menus.weapon_page(), Ctl::TabSheet5);
  const Counts c = count(menus);
  EXPECT_EQ(c.enabled, 81);
  EXPECT_EQ(c.disabled, 64);
  EXPECT_EQ(c.enabled_claws, 17);
  EXPECT_EQ(c.red + c.green, 81) << "every enabled item carries a dot";
  for (int k = 0; k < kWeaponKindCount; ++k) {
    const std::vector<WeaponR> rows = weapon_rows(k);
    const MenuEntry& sub = kind_menu(menus, k);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(sub.items[i].caption, rows[i].name);
      EXPECT_EQ(sub.items[i].enabled, rows[i].hands == 1) << sub.items[i].name;
      if (sub.items[i].enabled) {
        EXPECT_EQ(sub.items[i].image, requirement_mark(f.calc.sheet, rows[i]));
      }
    }
  }
  // Stone Axe (no requirements) is green for a Fighter at level 1;
  // "Double Sided War Axe" is two-handed and disabled here.
  EXPECT_EQ(kind_menu(menus, Axe).items[0].image, kGreenDotImage);
  EXPECT_FALSE(kind_menu(menus, Axe).items[4].enabled);
  EXPECT_EQ(kind_menu(menus, Axe).items[4].caption, "Double Sided War Axe");
}

TEST(HandlePopup, TwoHandedPageIsTheReverse) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Pikeman);
  PopupMenus menus;
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet5);
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet6);
  const Counts c = count(menus);
  EXPECT_EQ(c.enabled, 64);
  EXPECT_EQ(c.disabled, 81);
  EXPECT_EQ(c.enabled_claws, 0) << "every claw is one-handed";
  EXPECT_EQ(c.red + c.green, 64);
  EXPECT_TRUE(kind_menu(menus, Axe).items[4].enabled);
  EXPECT_FALSE(kind_menu(menus, Axe).items[0].enabled);
  EXPECT_EQ(kind_menu(menus, Axe).items[0].image, kNoImage);
  // Pole (scythe row 1) has no requirements.
  EXPECT_EQ(kind_menu(menus, Scythe).items[0].image, kGreenDotImage);
}

TEST(HandlePopup, NoClassShowsEveryEnabledItemRed) {
  Fixture f;
  ASSERT_EQ(f.calc.class_row(), -1);
  f.calc.sheet.set_text(Ctl::stat_level, "1000");
  for (Ctl stat : {Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility})
    f.calc.sheet.set_text(stat, "1000");
  PopupMenus menus;
  for (Ctl page : {Ctl::TabSheet5, Ctl::TabSheet6}) {
    menus.handle_popup(f.calc, Popup::Weapon, page);
    const Counts c = count(menus);
    EXPECT_EQ(c.green, 0);
    EXPECT_EQ(c.red, c.enabled);
  }
}

TEST(HandlePopup, DotsFollowTheCharacterOnEveryOpening) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Knight);
  PopupMenus menus;
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet5);
  const Counts low = count(menus);
  for (Ctl stat : {Ctl::stat_level, Ctl::stat_strenght, Ctl::stat_spirit, Ctl::stat_talent, Ctl::stat_agility})
    f.calc.user_set_value(stat, 1000);
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet5);
  const Counts high = count(menus);
  EXPECT_GT(low.red, 0);
  EXPECT_EQ(high.green, 81);
  EXPECT_EQ(high.red, 0);
}

TEST(RequirementMark, EqualIsMetOneLessIsNot) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  const auto [kind, row] = weapon_named("Shield Sword");
  const WeaponR w = weapon_row(kind, row).value();
  const int str = spec_requirement(w.str_req, kStatStrength, Fighter, true);
  const int tal = spec_requirement(w.tal_req, kStatTalent, Fighter, true);
  const int agi = spec_requirement(w.agi_req, kStatAgility, Fighter, true);
  ASSERT_GT(str, 0);
  ASSERT_GT(tal, 0);
  ASSERT_GT(agi, 0);
  Sheet& s = f.calc.sheet;
  auto set_all = [&] {
    s.set_text(Ctl::stat_level, std::to_string(w.level_req));
    s.set_text(Ctl::stat_strenght, std::to_string(str));
    s.set_text(Ctl::stat_talent, std::to_string(tal));
    s.set_text(Ctl::stat_agility, std::to_string(agi));
    s.set_text(Ctl::stat_spirit, "0");
  };
  set_all();
  EXPECT_EQ(w.level_req, 30);
  EXPECT_EQ(requirement_mark(s, w), kGreenDotImage);
  for (Ctl stat : {Ctl::stat_level, Ctl::stat_strenght, Ctl::stat_talent, Ctl::stat_agility}) {
    set_all();
    s.set_text(stat, std::to_string(s.value(stat) - 1));
    EXPECT_EQ(requirement_mark(s, w), kRedDotImage) << control_spec(stat).name;
  }
  // The lower end counts: a statistic between the lower and the upper end is enough.
  const int str_upper = spec_requirement(w.str_req, kStatStrength, Fighter, false);
  EXPECT_GE(str_upper, str);

  // Spirit: Templar Sword asks for it.
  const auto [tk, tr] = weapon_named("Templar Sword");
  const WeaponR t = weapon_row(tk, tr).value();
  for (Ctl stat : {Ctl::stat_level, Ctl::stat_strenght, Ctl::stat_talent, Ctl::stat_agility})
    s.set_text(stat, "1000");
  const int spi = spec_requirement(t.spi_req, kStatSpirit, Fighter, true);
  s.set_text(Ctl::stat_spirit, std::to_string(spi));
  EXPECT_EQ(requirement_mark(s, t), kGreenDotImage);
  s.set_text(Ctl::stat_spirit, std::to_string(spi - 1));
  EXPECT_EQ(requirement_mark(s, t), kRedDotImage);
}

TEST(RequirementHint, NamesEveryUnmetRequirementWithItsValue) {
  Fixture f;
  const auto [kind, row] = weapon_named("Shield Sword");
  const WeaponR w = weapon_row(kind, row).value();
  EXPECT_EQ(requirement_hint(f.calc.sheet, w), "Not met: no class chosen");
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  const int str = spec_requirement(w.str_req, kStatStrength, Fighter, true);
  const int tal = spec_requirement(w.tal_req, kStatTalent, Fighter, true);
  const int agi = spec_requirement(w.agi_req, kStatAgility, Fighter, true);
  Sheet& s = f.calc.sheet;
  s.set_text(Ctl::stat_level, "29");
  s.set_text(Ctl::stat_strenght, std::to_string(str));
  s.set_text(Ctl::stat_talent, std::to_string(tal - 1));
  s.set_text(Ctl::stat_agility, std::to_string(agi));
  EXPECT_EQ(requirement_hint(s, w), "Not met: Level 30 (you have 29), Talent " + std::to_string(tal) +
                                        " (you have " + std::to_string(tal - 1) + ")");
  EXPECT_EQ(requirement_mark(s, w), kRedDotImage);
  s.set_text(Ctl::stat_level, "30");
  s.set_text(Ctl::stat_talent, std::to_string(tal));
  EXPECT_EQ(requirement_hint(s, w), "All requirements met");
  EXPECT_EQ(requirement_mark(s, w), kGreenDotImage);

  // The prepared menu carries the hint of each enabled weapon item.
  PopupMenus menus;
  menus.handle_popup(f.calc, Popup::Weapon, Ctl::TabSheet5);
  const auto found = menus.find("Sword01");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->item->enabled, !found->item->hint.empty());
}

// --- Insert_weapon ------------------------------------------------------------------

TEST(InsertWeapon, DefenceOfShieldSwordEagleClawStoneAxe) {
  Fixture f;
  const std::pair<std::string, std::string> cases[] = {
      {"Shield Sword", "30"}, {"Eagle Claw", "5"}, {"Stone Axe", "0"}};
  for (const auto& [name, def] : cases) {
    const auto [kind, row] = weapon_named(name);
    const auto passes = f.calc.passes();
    ASSERT_TRUE(Insert_weapon(f.calc, kind, row));
    EXPECT_EQ(f.text(Ctl::stat_weap_def), def) << name;
    EXPECT_EQ(f.calc.sheet.row(Ctl::Select_weapon), kind);
    EXPECT_EQ(f.calc.passes(), passes + 1) << "one insertion, one pass";
    EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
    EXPECT_EQ(f.calc.state.weap_def, std::stoi(def));
  }
}

TEST(InsertWeapon, OneHandedBoxesFromTheUpperEnds) {
  Fixture f;
  const auto [kind, row] = weapon_named("Shield Sword");
  Insert_weapon(f.calc, kind, row);
  EXPECT_EQ(f.text(Ctl::Select_weapon), "Sword");
  EXPECT_EQ(f.text(Ctl::stat_weap_min_pow), "12");
  EXPECT_EQ(f.text(Ctl::stat_weap_max_pow), "18");
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "56");
  EXPECT_EQ(f.text(Ctl::stat_weap_crit), "7");
  EXPECT_EQ(f.text(Ctl::stat_weap_spec_pow), "5");
  EXPECT_EQ(f.text(Ctl::stat_weap_spec_rtg), "0");
  EXPECT_EQ(f.text(Ctl::stat_weap_spec_crit), "4");
  EXPECT_EQ(f.text(Ctl::stat_weap_MP_regen), "0");
  EXPECT_EQ(f.text(Ctl::stat_weap_spd), "7") << "7 + 0";
  // The two-handed slot is untouched.
  EXPECT_EQ(f.text(Ctl::stat_weap_min_pow_2), "0");
  EXPECT_EQ(f.text(Ctl::Select_weapon_2), "no Weapon");
}

TEST(InsertWeapon, SpeedRowsAndTheTwoHandedSlot) {
  Fixture f;
  const auto [dk, dr] = weapon_named("Double Sided War Axe");
  Insert_weapon(f.calc, dk, dr);
  EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd_2), 1);
  EXPECT_EQ(f.text(Ctl::stat_weap_spd_2), "8");
  EXPECT_EQ(f.text(Ctl::Select_weapon_2), "Axe");
  EXPECT_EQ(f.text(Ctl::stat_weap_min_pow_2), "8");
  EXPECT_EQ(f.text(Ctl::stat_weap_max_pow_2), "19");
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg_2), "60");
  EXPECT_EQ(f.text(Ctl::stat_weap_crit_2), "9");
  EXPECT_EQ(f.text(Ctl::stat_weap_blk), "3");
  EXPECT_EQ(f.text(Ctl::stat_weap_spec_rtg_2), "1");
  EXPECT_EQ(f.text(Ctl::stat_weap_def), "0") << "the 2h slot has no defence box";
  EXPECT_EQ(f.text(Ctl::Select_weapon), "no Weapon") << "the 1h slot is untouched";

  const auto [sk, sr] = weapon_named("Stone Axe");
  Insert_weapon(f.calc, sk, sr);
  EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd), 0);
  EXPECT_EQ(f.text(Ctl::stat_weap_spd), "7");
  EXPECT_EQ(f.calc.state.weap_blk, 3);
}

TEST(InsertWeapon, WandRegenerationUnderBothSeparators) {
  for (NumberFormat fmt : {NumberFormat::point(), NumberFormat::comma()}) {
    Fixture f(fmt);
    const auto [kind, row] = weapon_named("Wand");
    Insert_weapon(f.calc, kind, row);
    EXPECT_EQ(f.text(Ctl::stat_weap_MP_regen), fmt.decimal_comma() ? "0,4" : "0.4");
    EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
    EXPECT_DOUBLE_EQ(f.calc.state.weap_mp_regen, 0.4);
  }
}

TEST(InsertWeapon, GemManaAccumulates) {
  Fixture f;
  const auto [kind, row] = weapon_named("Templar Sword");
  Insert_weapon(f.calc, kind, row);
  EXPECT_EQ(f.text(Ctl::stat_gem_MP), "16");
  Insert_weapon(f.calc, kind, row);
  EXPECT_EQ(f.text(Ctl::stat_gem_MP), "32");
  f.calc.sheet.set_text(Ctl::stat_gem_MP, "-20");
  Insert_weapon(f.calc, kind, row);
  EXPECT_EQ(f.text(Ctl::stat_gem_MP), "-4");
  // Other weapons add nothing but keep what is there.
  const auto [sk, sr] = weapon_named("Stone Axe");
  Insert_weapon(f.calc, sk, sr);
  EXPECT_EQ(f.text(Ctl::stat_gem_MP), "-4");
  EXPECT_EQ(f.text(Ctl::stat_gem_MP_2), "0");
}

TEST(InsertWeapon, GemManaThatIsNoIntegerIsReported) {
  Fixture f;
  f.calc.user_set_text(Ctl::stat_health, "20");
  f.calc.sheet.set_text(Ctl::stat_gem_MP, "1.5");
  const auto passes = f.calc.passes();
  const auto [kind, row] = weapon_named("Templar Sword");
  EXPECT_TRUE(click_menu_item(f.calc, item_name(kind, row), Ctl::TabSheet5));
  // The boxes before the gem MP box are written, the speed after it is not.
  EXPECT_EQ(f.text(Ctl::stat_weap_min_pow), "9");
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "46");
  EXPECT_EQ(f.text(Ctl::stat_weap_MP_regen), "0");
  EXPECT_EQ(f.text(Ctl::stat_gem_MP), "1.5");
  EXPECT_EQ(f.calc.sheet.row(Ctl::stat_weap_spd), -1);
  EXPECT_EQ(f.calc.passes(), passes) << "no pass completed";
  EXPECT_EQ(f.calc.sheet.status_panel1, "'1.5' is not a valid integer value");
  ASSERT_EQ(f.log.lines.size(), 1u);
  EXPECT_EQ(f.log.lines[0].message, "'1.5' is not a valid integer value");
  EXPECT_EQ(f.log.lines[0].owner, "Sword1");
  EXPECT_EQ(f.log.lines[0].detail, item_name(kind, row));
  EXPECT_EQ(f.calc.state.calc_ready, 1) << "the sheet is live again";
  EXPECT_TRUE(f.calc.attached(Ctl::stat_health));

  // The two-handed gem box, empty.
  f.calc.sheet.set_text(Ctl::stat_gem_MP_2, "");
  const auto [dk, dr] = weapon_named("Double Sided War Axe");
  EXPECT_TRUE(click_menu_item(f.calc, item_name(dk, dr), Ctl::TabSheet6));
  ASSERT_EQ(f.log.lines.size(), 2u);
  EXPECT_EQ(f.log.lines[1].message, "'' is not a valid integer value");
  EXPECT_EQ(f.log.lines[1].owner, "Axe1");
  EXPECT_EQ(f.log.lines[1].detail, "Axe05");
  EXPECT_EQ(f.text(Ctl::stat_weap_blk), "3");
}

TEST(InsertWeapon, RowsNoTableHas) {
  Fixture f;
  EXPECT_FALSE(Insert_weapon(f.calc, Axe, 0));
  EXPECT_FALSE(Insert_weapon(f.calc, Axe, 18));
  EXPECT_FALSE(Insert_weapon(f.calc, 8, 1));
  EXPECT_FALSE(Insert_weapon(f.calc, -1, 1));
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_EQ(f.text(Ctl::Select_weapon), "no Weapon");
  EXPECT_EQ(f.calc.state.calc_ready, 0) << "nothing started";
}

// --- Insert_Sheltom -------------------------------------------------------------------

TEST(InsertSheltom, TheNineValues) {
  const char* point[] = {"0.5", "0.6", "0.8", "1.1", "1.2", "1.4", "1.8", "2.3", "2.6"};
  const char* comma[] = {"0,5", "0,6", "0,8", "1,1", "1,2", "1,4", "1,8", "2,3", "2,6"};
  for (NumberFormat fmt : {NumberFormat::point(), NumberFormat::comma()}) {
    Fixture f(fmt);
    for (int r = 1; r <= 9; ++r) {
      const auto passes = f.calc.passes();
      const std::string name = std::string("sheltom0") + std::to_string(r);
      EXPECT_TRUE(click_menu_item(f.calc, name, std::nullopt));
      EXPECT_EQ(f.text(Ctl::stat_sheltom_mp), (fmt.decimal_comma() ? comma : point)[r - 1]) << name;
      EXPECT_EQ(f.calc.passes(), passes + 1);
    }
    EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
    EXPECT_DOUBLE_EQ(f.calc.state.sheltom_mp, 2.6);
  }
  Fixture f;
  EXPECT_FALSE(Insert_Sheltom(f.calc, 0));
  EXPECT_FALSE(Insert_Sheltom(f.calc, 10));
  EXPECT_FALSE(click_menu_item(f.calc, "sheltom10", std::nullopt));
  EXPECT_EQ(f.text(Ctl::stat_sheltom_mp), "0");
}

// --- click_menu_item ----------------------------------------------------------------

TEST(ClickMenuItem, WeaponItemsNeedTheirPageAndGrip) {
  Fixture f;
  // Axe05 is the two-handed "Double Sided War Axe".
  EXPECT_FALSE(click_menu_item(f.calc, "Axe05", std::nullopt));
  EXPECT_FALSE(click_menu_item(f.calc, "Axe05", Ctl::TabSheet7));
  EXPECT_FALSE(click_menu_item(f.calc, "Axe05", Ctl::TabSheet5)) << "disabled on the one-handed page";
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_EQ(f.text(Ctl::stat_weap_blk), "0");
  EXPECT_TRUE(click_menu_item(f.calc, "Axe05", Ctl::TabSheet6));
  EXPECT_EQ(f.text(Ctl::stat_weap_blk), "3");
  EXPECT_EQ(f.calc.passes(), 1u);
  EXPECT_FALSE(click_menu_item(f.calc, "Claw01", Ctl::TabSheet6));
  EXPECT_TRUE(click_menu_item(f.calc, "Claw01", Ctl::TabSheet5));
  EXPECT_EQ(f.text(Ctl::stat_weap_def), "5");
  EXPECT_EQ(f.text(Ctl::Select_weapon), "Claw");
}

TEST(ClickMenuItem, UnknownNamesAndEntriesThatAreNoItems) {
  Fixture f;
  for (const char* name : {"", "Axe00", "Axe18", "Sword21", "Axe1", "Age1", "Gemto1", "GemTo2", "N1", "popup_weap",
                           "popup_sheltom", "sheltom00", "age12", "AgeA12", "GemA20", "GemS18", "gem24", "nonsense"}) {
    EXPECT_FALSE(click_menu_item(f.calc, name, Ctl::TabSheet5)) << name;
    EXPECT_FALSE(click_menu_item(f.calc, name, std::nullopt)) << name;
  }
  EXPECT_EQ(f.calc.passes(), 0u);
  EXPECT_TRUE(f.log.lines.empty());
}

TEST(ClickMenuItem, AgeAndGemItemsAreRecognised) {
  Fixture f;
  EXPECT_FALSE(click_menu_item(f.calc, "age03", std::nullopt)) << "the weapon menu's items need the page";
  EXPECT_TRUE(click_menu_item(f.calc, "age03", Ctl::TabSheet6));
  EXPECT_TRUE(click_menu_item(f.calc, "gem07", Ctl::TabSheet5));
  for (const char* name : {"AgeA01", "AgeA11", "GemA06", "GemA19", "AgeS03", "GemS17", "AgeO11", "GemO01"})
    EXPECT_TRUE(click_menu_item(f.calc, name, std::nullopt)) << name;
  EXPECT_TRUE(f.log.lines.empty());
}

TEST(ClickMenuItem, MenuNamesAreNoControlNames) {
  // The command line resolves a name as a control first: no menu entry may
  // share a control's name.
  PopupMenus menus;
  int entries = 0;
  auto visit = [&](const std::vector<MenuEntry>& items, auto& self) -> void {
    for (const MenuEntry& e : items) {
      ++entries;
      EXPECT_FALSE(control_by_name(e.name).has_value()) << e.name;
      EXPECT_TRUE(menus.find(e.name).has_value()) << e.name;
      self(e.items, self);
    }
  };
  for (Popup p : kAllPopups) {
    EXPECT_FALSE(control_by_name(menus.menu(p).name).has_value()) << menus.menu(p).name;
    visit(menus.menu(p).items, visit);
  }
  // 8 kinds + 145 weapons + separator + 2 + 11 + 23; 9 sheltoms; 3 x (2 + 11) + 19 + 17 + 17.
  EXPECT_EQ(entries, 8 + 145 + 1 + 2 + 11 + 23 + 9 + 3 * (2 + 11) + 19 + 17 + 17);
}
