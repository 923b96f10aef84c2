// "Equip" of the item browsers: the change it makes for every kind, where
// rings and weapons go, what it refuses, and that it is the same single
// undo step the main window's own list or menu makes.
#include <gtest/gtest.h>

#include "engine/sheet_json.h"
#include "pipeline/browser_equip.h"
#include "pipeline/session.h"
#include "tests/support/recording.h"

using namespace brennick;

namespace {

struct Started {
  SilentDialogs dialogs;
  Session session{NumberFormat::point(), {&dialogs, nullptr, nullptr}};
  Started() { session.start(""); }
  const Sheet& sheet() const { return session.sheet(); }
};

std::string json_of(const Session& s) { return sheet_json(s.planner()).dump(); }

void expect_list(const EquipAction& e, Ctl list, const std::string& row) {
  ASSERT_TRUE(e.action) << e.hint;
  EXPECT_TRUE(e.action->set);
  EXPECT_EQ(e.action->control, list);
  EXPECT_EQ(e.action->value, row);
  EXPECT_FALSE(e.action->page);
}

void expect_menu_item(const EquipAction& e, const std::string& item, std::optional<Ctl> page) {
  ASSERT_TRUE(e.action) << e.hint;
  EXPECT_FALSE(e.action->set);
  EXPECT_FALSE(e.action->control);
  EXPECT_EQ(e.action->value, item);
  EXPECT_EQ(e.action->page, page);
}

}  // namespace

TEST(BrowserEquip, EachKindChoosesItsListOrMenuItem) {
  Started s;
  s.session.select_row(Ctl::Select_class, Knight);
  expect_list(equip_action(s.sheet(), BrowserKind::Armor, 0, 18), Ctl::Select_Armor, "18");
  expect_list(equip_action(s.sheet(), BrowserKind::Shield, 0, 3), Ctl::Select_Shield, "3");
  expect_list(equip_action(s.sheet(), BrowserKind::Orb, 0, 1), Ctl::Select_Orb, "1");
  expect_list(equip_action(s.sheet(), BrowserKind::Boots, 0, 17), Ctl::Select_Boots, "17");
  expect_list(equip_action(s.sheet(), BrowserKind::Gaunts, 0, 2), Ctl::Select_Gaunts, "2");
  expect_list(equip_action(s.sheet(), BrowserKind::Armlets, 0, 5), Ctl::Select_armlets, "5");
  expect_list(equip_action(s.sheet(), BrowserKind::Amulet, 0, 18), Ctl::Select_amulet, "18");
  expect_list(equip_action(s.sheet(), BrowserKind::Ring, 0, 1), Ctl::Select_ring1, "1");
  expect_menu_item(equip_action(s.sheet(), BrowserKind::Sheltom, 0, 3), "sheltom03", std::nullopt);
  expect_menu_item(equip_action(s.sheet(), BrowserKind::Sheltom, 0, 9), "sheltom09", std::nullopt);
  const EquipAction doom = equip_action(s.sheet(), BrowserKind::Armor, 0, 18);
  EXPECT_EQ(doom.hint, "Equip: choose Doom Armor in the armour list");
}

TEST(BrowserEquip, AWeaponGoesToTheColumnItsHandsAllow) {
  Started s;
  // A dagger is held in one hand, a claymore in two.
  const EquipAction dagger = equip_action(s.sheet(), BrowserKind::Weapon, Sword, 1);
  expect_menu_item(dagger, "Sword01", Ctl::TabSheet5);
  EXPECT_EQ(dagger.hint, "Equip: insert Dagger into the one-handed column");
  const EquipAction claymore = equip_action(s.sheet(), BrowserKind::Weapon, Sword, 11);
  expect_menu_item(claymore, "Sword11", Ctl::TabSheet6);
  EXPECT_EQ(claymore.hint, "Equip: insert Claymore into the two-handed column");
  expect_menu_item(equip_action(s.sheet(), BrowserKind::Weapon, Axe, 17), "Axe17", Ctl::TabSheet6);  // Ancient Axe
  expect_menu_item(equip_action(s.sheet(), BrowserKind::Weapon, Axe, 1), "Axe01", Ctl::TabSheet5);   // Stone Axe
  // Past the kind's table, and kinds that do not exist.
  EXPECT_FALSE(equip_action(s.sheet(), BrowserKind::Weapon, Axe, 18).action);
  EXPECT_FALSE(equip_action(s.sheet(), BrowserKind::Weapon, Axe, 0).action);
  EXPECT_FALSE(equip_action(s.sheet(), BrowserKind::Weapon, 8, 1).action);
  EXPECT_FALSE(equip_action(s.sheet(), BrowserKind::Weapon, -1, 1).action);
}

TEST(BrowserEquip, ARingGoesIntoTheFirstEmptyRingList) {
  Started s;
  expect_list(equip_action(s.sheet(), BrowserKind::Ring, 0, 4), Ctl::Select_ring1, "4");
  s.session.select_row(Ctl::Select_ring1, 2);
  const EquipAction second = equip_action(s.sheet(), BrowserKind::Ring, 0, 4);
  expect_list(second, Ctl::Select_ring2, "4");
  EXPECT_NE(second.hint.find("the second ring list"), std::string::npos) << second.hint;
  s.session.select_row(Ctl::Select_ring2, 3);
  expect_list(equip_action(s.sheet(), BrowserKind::Ring, 0, 4), Ctl::Select_ring1, "4");
  // "none" in the first list makes it the empty one again.
  s.session.select_row(Ctl::Select_ring1, 0);
  expect_list(equip_action(s.sheet(), BrowserKind::Ring, 0, 4), Ctl::Select_ring1, "4");
}

TEST(BrowserEquip, ArmourAndRobesNeedAClassThatWearsThem) {
  Started s;
  const EquipAction none = equip_action(s.sheet(), BrowserKind::Armor, 0, 1);
  EXPECT_FALSE(none.action);
  EXPECT_EQ(none.hint, "Choose a class in the main window first");
  EXPECT_FALSE(equip_action(s.sheet(), BrowserKind::Robe, 0, 1).action);
  // The other lists need no class.
  EXPECT_TRUE(equip_action(s.sheet(), BrowserKind::Shield, 0, 1).action);

  s.session.select_row(Ctl::Select_class, Magician);
  const EquipAction armour = equip_action(s.sheet(), BrowserKind::Armor, 0, 1);
  EXPECT_FALSE(armour.action);
  EXPECT_EQ(armour.hint, "A Magician wears robes, not armour");
  expect_list(equip_action(s.sheet(), BrowserKind::Robe, 0, 18), Ctl::Select_Armor, "18");

  s.session.select_row(Ctl::Select_class, Fighter);
  EXPECT_EQ(equip_action(s.sheet(), BrowserKind::Robe, 0, 1).hint, "A Fighter wears armour, not robes");
  expect_list(equip_action(s.sheet(), BrowserKind::Armor, 0, 1), Ctl::Select_Armor, "1");
}

TEST(BrowserEquip, ItemsNoTableHasAreRefused) {
  Started s;
  s.session.select_row(Ctl::Select_class, Knight);
  for (BrowserKind k : kAllBrowserKinds) {
    if (k == BrowserKind::Robe) continue;
    for (int item : {0, -1, 100}) {
      const EquipAction e = equip_action(s.sheet(), k, Axe, item);
      EXPECT_FALSE(e.action) << browser_info(k).key << " " << item;
      EXPECT_EQ(e.hint, "No item chosen");
    }
  }
}

TEST(BrowserEquip, EquipIsTheMainWindowsOwnChangeAndOneUndoStep) {
  Started by_equip, by_hand;
  for (Started* s : {&by_equip, &by_hand}) s->session.select_row(Ctl::Select_class, Knight);
  const std::string before = json_of(by_equip.session);
  const std::size_t steps = by_equip.session.undo_count();

  ASSERT_TRUE(by_equip.session.apply(*equip_action(by_equip.sheet(), BrowserKind::Armor, 0, 18).action));
  by_hand.session.select_row(Ctl::Select_Armor, 18);
  EXPECT_EQ(by_equip.sheet().text(Ctl::stat_armor_def), by_hand.sheet().text(Ctl::stat_armor_def));
  EXPECT_EQ(json_of(by_equip.session), json_of(by_hand.session));

  // A two-handed weapon lands in the two-handed boxes, as from the weapon
  // menu of the two-handed page.
  ASSERT_TRUE(by_equip.session.apply(*equip_action(by_equip.sheet(), BrowserKind::Weapon, Sword, 11).action));
  ASSERT_TRUE(by_hand.session.click_menu_item("Sword11", Ctl::TabSheet6));
  EXPECT_EQ(json_of(by_equip.session), json_of(by_hand.session));
  EXPECT_EQ(by_equip.sheet().row(Ctl::Select_weapon_2), Sword);

  ASSERT_TRUE(by_equip.session.apply(*equip_action(by_equip.sheet(), BrowserKind::Sheltom, 0, 9).action));
  ASSERT_TRUE(by_hand.session.click_menu_item("sheltom09", std::nullopt));
  EXPECT_EQ(json_of(by_equip.session), json_of(by_hand.session));

  EXPECT_EQ(by_equip.session.undo_count(), steps + 3) << "each equip is one step";
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(by_equip.session.undo());
  EXPECT_EQ(json_of(by_equip.session), before);
}
