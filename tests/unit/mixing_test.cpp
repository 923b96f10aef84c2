// Mixing: the four recipe menus, their captions and effects, the exact
// multiplying recipes, the one-decimal absorption recipe and one
// recalculation per mix.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "engine/startup.h"
#include "equipment/mixing.h"

using namespace brennick;

namespace {

struct Fixture {
  explicit Fixture(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, nullptr, nullptr}) {
    start_sheet(calc);
  }
  SilentDialogs dialogs;
  Planner calc;

  void set(Ctl id, const std::string& text) { calc.sheet.set_text(id, text); }
  const std::string& text(Ctl id) const { return calc.sheet.text(id); }
  std::vector<std::string> texts(std::initializer_list<Ctl> ids) const {
    std::vector<std::string> out;
    for (Ctl id : ids) out.push_back(text(id));
    return out;
  }
};

using V = std::vector<std::string>;

const std::initializer_list<Ctl> kWeapon1{Ctl::stat_weap_min_pow, Ctl::stat_weap_max_pow, Ctl::stat_weap_rtg,
                                          Ctl::stat_weap_crit,    Ctl::stat_gem_HP,        Ctl::stat_gem_MP,
                                          Ctl::stat_gem_STM};
const std::initializer_list<Ctl> kWeapon2{Ctl::stat_weap_min_pow_2, Ctl::stat_weap_max_pow_2, Ctl::stat_weap_rtg_2,
                                          Ctl::stat_weap_crit_2,    Ctl::stat_gem_HP_2,        Ctl::stat_gem_MP_2,
                                          Ctl::stat_gem_STM_2};
const std::initializer_list<Ctl> kArmor{Ctl::stat_armor_def, Ctl::stat_armor_abs, Ctl::stat_gem_armor_hp,
                                        Ctl::stat_gem_armor_mp, Ctl::stat_gem_armor_stm};
const std::initializer_list<Ctl> kShield{Ctl::stat_shield_def,    Ctl::stat_shield_abs,    Ctl::stat_shield_blk,
                                         Ctl::stat_gem_shield_HP, Ctl::stat_gem_shield_MP, Ctl::stat_gem_shield_STM};
const std::initializer_list<Ctl> kOrb{Ctl::stat_orb_def,    Ctl::stat_orb_abs,    Ctl::stat_orb_regen,
                                      Ctl::stat_gem_orb_HP, Ctl::stat_gem_orb_MP, Ctl::stat_gem_orb_STM};

void fill(Fixture& f, std::initializer_list<Ctl> ids, const V& values) {
  auto v = values.begin();
  for (Ctl id : ids) f.set(id, *v++);
}

}  // namespace

// --- the menus -------------------------------------------------------------------

TEST(MixingMenus, RecipeCounts) {
  EXPECT_EQ(recipe_count(MixTarget::Weapon), 23);
  EXPECT_EQ(recipe_count(MixTarget::Armor), 19);
  EXPECT_EQ(recipe_count(MixTarget::Shield), 17);
  EXPECT_EQ(recipe_count(MixTarget::Orb), 17);
}

TEST(MixingMenus, CaptionsAsTheMenusShowThem) {
  EXPECT_EQ(recipe_caption(MixTarget::Weapon, 1), "1T: 1 Crit");
  EXPECT_EQ(recipe_caption(MixTarget::Weapon, 5), "3L, 3Se: 40 % AR");
  EXPECT_EQ(recipe_caption(MixTarget::Weapon, 18), "1L, 1Se, 2F, 4SP, 1R: 1 minAP, 4 maxAP, 10% AR");
  EXPECT_EQ(recipe_caption(MixTarget::Weapon, 22), "3F, 3Sp, 2T, 2D: 6 minAP, 6 MaxAP, 4 Crit, 20 MP");
  EXPECT_EQ(recipe_caption(MixTarget::Weapon, 23), "2F, 2Sp, 1M, 3D: 6 minAP, 6 maxAP, 60 AR, 20 HP");
  EXPECT_EQ(recipe_caption(MixTarget::Armor, 1), "1T: 20 Def");
  EXPECT_EQ(recipe_caption(MixTarget::Armor, 8), "1Se, 2SP, 1R, 1T: 40 Def, 0.4 Abs");
  EXPECT_EQ(recipe_caption(MixTarget::Armor, 15), "3T, 3M: 30% Abs");
  EXPECT_EQ(recipe_caption(MixTarget::Armor, 19), "1R, 3M, 2D: 3.5 Abs, 20 HP");
  EXPECT_EQ(recipe_caption(MixTarget::Shield, 1), "1T: 10 Def");
  EXPECT_EQ(recipe_caption(MixTarget::Shield, 10), "1F, 4R, 1M: 0.6 Abs, 4 Blk");
  EXPECT_EQ(recipe_caption(MixTarget::Shield, 17), "3R, 1T, 2D: 0.6 Abs, 40 HP");
  EXPECT_EQ(recipe_caption(MixTarget::Orb, 1), "1T: 0.3 MPR");
  EXPECT_EQ(recipe_caption(MixTarget::Orb, 9), "2SE, 2F, 2Sp, 2R, 1T: 20 Def, 0.2 MPR");
  EXPECT_EQ(recipe_caption(MixTarget::Orb, 15), "2T, 1M, 2D: 10Def, 40 STM, 0.4 MPR");
  EXPECT_EQ(recipe_caption(MixTarget::Orb, 17), "5R, 2T, 2D: 1.0 Abs, 20 HP, 0.6 MPR");
}

TEST(MixingMenus, EveryCaptionIsGivenAndOutsideTheMenuThereIsNone) {
  for (MixTarget t : {MixTarget::Weapon, MixTarget::Armor, MixTarget::Shield, MixTarget::Orb}) {
    std::set<std::string> seen;
    for (int r = 1; r <= recipe_count(t); ++r) {
      const std::string& c = recipe_caption(t, r);
      EXPECT_NE(c.find(": "), std::string::npos) << r;
      seen.insert(c);
    }
    EXPECT_EQ(recipe_caption(t, 0), "");
    EXPECT_EQ(recipe_caption(t, recipe_count(t) + 1), "");
    EXPECT_EQ(static_cast<int>(seen.size()), recipe_count(t));
  }
}

// --- weapon ------------------------------------------------------------------------

TEST(MixingWeapon, MultiplyingRecipesOfTheRating) {
  Fixture f;
  f.set(Ctl::stat_weap_rtg, "100");
  Gem_Weapon(f.calc, false, 4);
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "120");
  f.set(Ctl::stat_weap_rtg, "45");
  Gem_Weapon(f.calc, false, 5);  // 45 * 1.4 is exactly 63
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "63");
  f.set(Ctl::stat_weap_rtg, "77");
  Gem_Weapon(f.calc, false, 9);
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "154");
  f.set(Ctl::stat_weap_rtg, "15");
  Gem_Weapon(f.calc, false, 4);  // 18
  Gem_Weapon(f.calc, false, 5);  // 25.2
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "25");
}

TEST(MixingWeapon, ExactProductsForEveryFactor) {
  struct Case {
    int recipe;
    const char* before;
    const char* after;
  };
  // Whole products that binary fractions put a hair below their value.
  const Case cases[] = {{5, "45", "63"},  {5, "5", "7"},   {5, "15", "21"},  {5, "35", "49"},  {4, "5", "6"},
                        {4, "15", "18"},  {4, "35", "42"}, {20, "5", "8"},   {20, "35", "56"}, {14, "10", "11"},
                        {14, "30", "33"}, {14, "9", "9"},  {18, "70", "77"}, {4, "0", "0"},    {5, "1", "1"}};
  for (const Case& c : cases) {
    Fixture f;
    f.set(Ctl::stat_weap_rtg, c.before);
    Gem_Weapon(f.calc, false, c.recipe);
    EXPECT_EQ(f.text(Ctl::stat_weap_rtg), c.after) << "recipe " << c.recipe << " on " << c.before;
  }
}

TEST(MixingWeapon, NegativeProductsRoundDown) {
  Fixture f;
  f.set(Ctl::stat_weap_rtg, "-5");
  Gem_Weapon(f.calc, false, 14);  // -5.5
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "-6");
  f.set(Ctl::stat_weap_rtg, "-10");
  Gem_Weapon(f.calc, false, 14);  // -11 exactly
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "-11");
}

TEST(MixingWeapon, RecipeTwentyInOrder) {
  Fixture f;
  fill(f, kWeapon1, {"10", "20", "100", "3", "0", "0", "0"});
  Gem_Weapon(f.calc, false, 20);
  EXPECT_EQ(f.texts(kWeapon1), (V{"10", "26", "160", "7", "0", "0", "0"}));
}

TEST(MixingWeapon, GemBoxesAreReplaced) {
  Fixture f;
  fill(f, kWeapon1, {"10", "20", "100", "3", "30", "16", "40"});
  Gem_Weapon(f.calc, false, 3);
  EXPECT_EQ(f.texts(kWeapon1), (V{"10", "20", "100", "3", "5", "5", "20"}));
  Gem_Weapon(f.calc, false, 22);
  EXPECT_EQ(f.texts(kWeapon1), (V{"16", "26", "100", "7", "5", "20", "20"}));
  Gem_Weapon(f.calc, false, 23);
  EXPECT_EQ(f.texts(kWeapon1), (V{"22", "32", "160", "7", "20", "20", "20"}));
}

TEST(MixingWeapon, AddingRecipes) {
  struct Case {
    int recipe;
    V after;
  };
  const V before{"10", "20", "100", "3", "0", "0", "0"};
  const Case cases[] = {
      {1, {"10", "20", "100", "4", "0", "0", "0"}},  {2, {"10", "20", "150", "3", "0", "0", "0"}},
      {6, {"11", "20", "110", "3", "0", "0", "0"}},  {7, {"10", "21", "110", "3", "0", "0", "0"}},
      {8, {"11", "21", "120", "3", "0", "0", "0"}},  {10, {"11", "20", "100", "3", "0", "0", "0"}},
      {11, {"10", "22", "100", "3", "0", "0", "0"}}, {12, {"11", "21", "100", "5", "0", "0", "0"}},
      {13, {"10", "24", "100", "3", "0", "0", "0"}}, {14, {"10", "24", "110", "3", "0", "0", "0"}},
      {15, {"11", "23", "100", "3", "0", "0", "0"}}, {16, {"12", "22", "100", "3", "0", "0", "0"}},
      {17, {"13", "23", "100", "7", "0", "0", "0"}}, {18, {"11", "24", "110", "3", "0", "0", "0"}},
      {19, {"13", "25", "140", "3", "0", "0", "0"}}, {21, {"14", "24", "180", "5", "0", "0", "0"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    fill(f, kWeapon1, before);
    Gem_Weapon(f.calc, false, c.recipe);
    EXPECT_EQ(f.texts(kWeapon1), c.after) << "recipe " << c.recipe;
  }
}

TEST(MixingWeapon, TwiceAppliesTwice) {
  Fixture f;
  f.set(Ctl::stat_weap_rtg, "100");
  Gem_Weapon(f.calc, false, 2);
  Gem_Weapon(f.calc, false, 2);
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "200");
}

TEST(MixingWeapon, TheTwoHandedSlotChangesOnlyItsBoxes) {
  Fixture f;
  fill(f, kWeapon1, {"1", "2", "3", "4", "5", "6", "7"});
  fill(f, kWeapon2, {"10", "20", "100", "3", "0", "0", "0"});
  Gem_Weapon(f.calc, true, 21);
  Gem_Weapon(f.calc, true, 3);
  EXPECT_EQ(f.texts(kWeapon2), (V{"14", "24", "180", "5", "5", "5", "20"}));
  EXPECT_EQ(f.texts(kWeapon1), (V{"1", "2", "3", "4", "5", "6", "7"}));
}

TEST(MixingWeapon, AnyKindAndAnEmptySlot) {
  Fixture f;
  f.calc.sheet.set_row(Ctl::Select_weapon, 8);  // no Weapon
  Gem_Weapon(f.calc, false, 8);
  EXPECT_EQ(f.texts(kWeapon1), (V{"1", "1", "20", "0", "0", "0", "0"}));
}

TEST(MixingWeapon, BadBoxesStopTheRecipeWhereItIs) {
  Fixture f;
  fill(f, kWeapon1, {"10", "20", "x", "3", "0", "0", "0"});
  EXPECT_THROW(Gem_Weapon(f.calc, false, 23), ConversionError);
  EXPECT_EQ(f.texts(kWeapon1), (V{"16", "26", "x", "3", "0", "0", "0"}));
  f.set(Ctl::stat_weap_rtg, "");
  try {
    Gem_Weapon(f.calc, false, 4);
    FAIL() << "an empty box has no value to multiply";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
}

TEST(MixingWeapon, HugeValuesSaturate) {
  Fixture f;
  fill(f, kWeapon1, {"2147483647", "2147483640", "2000000000", "-2147483648", "0", "0", "0"});
  Gem_Weapon(f.calc, false, 9);
  Gem_Weapon(f.calc, false, 17);
  EXPECT_EQ(f.texts(kWeapon1), (V{"2147483647", "2147483643", "2147483647", "-2147483644", "0", "0", "0"}));
  f.set(Ctl::stat_weap_rtg, "-2000000000");
  Gem_Weapon(f.calc, false, 20);
  EXPECT_EQ(f.text(Ctl::stat_weap_rtg), "-2147483648");
}

TEST(MixingWeapon, OneRecalculationAndTheSheetLiveAfterwards) {
  Fixture f;
  f.set(Ctl::stat_weap_rtg, "100");
  const auto passes = f.calc.passes();
  Gem_Weapon(f.calc, false, 2);
  EXPECT_EQ(f.calc.passes(), passes + 1);
  EXPECT_EQ(f.calc.state.weap_rtg, 150);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
  EXPECT_TRUE(f.calc.attached(Ctl::stat_weap_rtg));
}

TEST(MixingWeapon, RecipesOutsideTheMenuChangeNothingButRecalculate) {
  Fixture f;
  fill(f, kWeapon1, {"10", "20", "100", "3", "1", "2", "3"});
  const auto passes = f.calc.passes();
  for (int r : {0, -1, 24, 99}) Gem_Weapon(f.calc, false, r);
  EXPECT_EQ(f.texts(kWeapon1), (V{"10", "20", "100", "3", "1", "2", "3"}));
  EXPECT_EQ(f.calc.passes(), passes + 4);
}

// --- armour ----------------------------------------------------------------------

TEST(MixingArmor, DefenceRecipes) {
  Fixture f;
  f.set(Ctl::stat_armor_def, "100");
  Gem_Armor(f.calc, 6);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "115");
  f.set(Ctl::stat_armor_def, "100");
  Gem_Armor(f.calc, 4);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "110");
  f.set(Ctl::stat_armor_def, "20");
  Gem_Armor(f.calc, 6);  // 23 exactly
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "23");
  f.set(Ctl::stat_armor_def, "7");
  Gem_Armor(f.calc, 6);  // 8.05
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "8");
}

TEST(MixingArmor, RecipesInOrder) {
  struct Case {
    int recipe;
    V after;
  };
  const V before{"100", "2.5", "0", "0", "0"};
  const Case cases[] = {
      {1, {"120", "2.5", "0", "0", "0"}},  {2, {"100", "3.1", "0", "0", "0"}},  {3, {"100", "2.5", "0", "0", "10"}},
      {5, {"120", "2.5", "0", "0", "0"}},  {7, {"130", "3.1", "0", "0", "0"}},  {8, {"140", "2.9", "0", "0", "0"}},
      {9, {"145", "3.5", "0", "0", "0"}},  {10, {"110", "4", "0", "0", "0"}},   {11, {"100", "4.5", "0", "0", "0"}},
      {12, {"100", "5.5", "0", "0", "0"}}, {13, {"100", "6", "0", "0", "0"}},   {14, {"140", "5.5", "0", "0", "0"}},
      {15, {"100", "3.3", "0", "0", "0"}}, {16, {"120", "5.9", "0", "0", "0"}}, {17, {"100", "2.5", "40", "0", "0"}},
      {18, {"140", "2.5", "0", "30", "0"}}, {19, {"100", "6", "20", "0", "0"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    fill(f, kArmor, before);
    Gem_Armor(f.calc, c.recipe);
    EXPECT_EQ(f.texts(kArmor), c.after) << "recipe " << c.recipe;
  }
}

TEST(MixingArmor, ThirtyPerCentAbsorptionIsWrittenWithOneDecimal) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {{"2.5", "3.3"}, {"0", "0.0"}, {"0.5", "0.7"}, {"3.0", "3.9"},
                        {"10.0", "13.0"}, {"1.5", "2.0"}, {"-2.5", "-3.3"}, {"4.3", "5.6"}};
  for (const Case& c : cases) {
    Fixture f;
    f.set(Ctl::stat_armor_abs, c.before);
    Gem_Armor(f.calc, 15);
    EXPECT_EQ(f.text(Ctl::stat_armor_abs), c.after) << c.before;
  }
}

TEST(MixingArmor, DecimalComma) {
  Fixture f(NumberFormat::comma());
  f.set(Ctl::stat_armor_abs, "2,5");
  Gem_Armor(f.calc, 15);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "3,3");
  Gem_Armor(f.calc, 2);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "3,9");
  f.set(Ctl::stat_armor_abs, "0");
  Gem_Armor(f.calc, 15);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "0,0");
  Gem_Armor(f.calc, 11);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "2");
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
  EXPECT_DOUBLE_EQ(f.calc.state.armor_abs, 2.0);
}

TEST(MixingArmor, RealsInTheGeneralFormat) {
  Fixture f;
  f.set(Ctl::stat_armor_abs, "0.1");
  Gem_Armor(f.calc, 2);  // 0.7, not 0.70000000000000001
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "0.7");
  Gem_Armor(f.calc, 16);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "4.1");
  f.set(Ctl::stat_armor_abs, "1e-7");
  Gem_Armor(f.calc, 9);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "1.0000001");
}

TEST(MixingArmor, BadBoxes) {
  Fixture f;
  fill(f, kArmor, {"abc", "2.5", "0", "0", "0"});
  EXPECT_THROW(Gem_Armor(f.calc, 7), ConversionError);  // defence first: nothing written
  EXPECT_EQ(f.texts(kArmor), (V{"abc", "2.5", "0", "0", "0"}));
  fill(f, kArmor, {"100", "2,5", "0", "0", "0"});
  try {
    Gem_Armor(f.calc, 7);
    FAIL() << "a comma is no separator in this locale";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'2,5' is not a valid floating point value");
  }
  EXPECT_EQ(f.texts(kArmor), (V{"130", "2,5", "0", "0", "0"}));
  EXPECT_THROW(Gem_Armor(f.calc, 19), ConversionError);  // absorption first: HP untouched
  EXPECT_EQ(f.text(Ctl::stat_gem_armor_hp), "0");
  EXPECT_THROW(Gem_Armor(f.calc, 15), ConversionError);
  // Recipe 17 writes without reading; the pass after it then fails on the
  // absorption box.
  EXPECT_THROW(Gem_Armor(f.calc, 17), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_gem_armor_hp), "40");
}

TEST(MixingArmor, HugeDefenceSaturates) {
  Fixture f;
  f.set(Ctl::stat_armor_def, "2147483640");
  Gem_Armor(f.calc, 1);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "2147483647");
  f.set(Ctl::stat_armor_def, "2000000000");
  Gem_Armor(f.calc, 6);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "2147483647");
}

// --- shield and orb ------------------------------------------------------------------

TEST(MixingShield, RecipesInOrder) {
  struct Case {
    int recipe;
    V after;
  };
  const V before{"50", "1.5", "10", "0", "0", "0"};
  const Case cases[] = {
      {1, {"60", "1.5", "10", "0", "0", "0"}},   {2, {"50", "1.5", "11", "0", "0", "0"}},
      {3, {"50", "1.5", "10", "10", "0", "0"}},  {4, {"60", "1.5", "10", "0", "0", "0"}},
      {5, {"55", "1.5", "10", "0", "0", "0"}},   {6, {"65", "1.8", "10", "0", "0", "0"}},
      {7, {"50", "1.8", "10", "0", "0", "0"}},   {8, {"60", "2.1", "10", "0", "0", "0"}},
      {9, {"70", "1.8", "10", "0", "0", "0"}},   {10, {"50", "2.1", "14", "0", "0", "0"}},
      {11, {"50", "1.5", "15", "0", "0", "0"}},  {12, {"90", "1.5", "12", "0", "0", "0"}},
      {13, {"70", "1.5", "14", "0", "0", "0"}},  {14, {"90", "1.5", "10", "0", "10", "50"}},
      {15, {"50", "1.5", "13", "20", "0", "0"}}, {16, {"50", "2.5", "10", "0", "0", "50"}},
      {17, {"50", "2.1", "10", "40", "0", "0"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    fill(f, kShield, before);
    Gem_Shield(f.calc, c.recipe);
    EXPECT_EQ(f.texts(kShield), c.after) << "recipe " << c.recipe;
  }
}

TEST(MixingShield, BlockIsAddedBeforeAbsorption) {
  Fixture f;
  fill(f, kShield, {"50", "bad", "10", "0", "0", "0"});
  EXPECT_THROW(Gem_Shield(f.calc, 10), ConversionError);
  EXPECT_EQ(f.texts(kShield), (V{"50", "bad", "14", "0", "0", "0"}));
}

TEST(MixingOrb, RecipesInOrder) {
  struct Case {
    int recipe;
    V after;
  };
  const V before{"100", "1", "0.5", "0", "0", "0"};
  const Case cases[] = {
      {1, {"100", "1", "0.8", "0", "0", "0"}},    {2, {"110", "1", "0.5", "0", "0", "0"}},
      {3, {"100", "1", "0.5", "0", "20", "0"}},   {4, {"110", "1", "0.5", "0", "0", "0"}},
      {5, {"110", "1", "0.5", "0", "0", "0"}},    {6, {"115", "1.4", "0.5", "0", "0", "0"}},
      {7, {"100", "1.8", "0.5", "0", "0", "0"}},  {8, {"110", "1.4", "0.5", "0", "0", "0"}},
      {9, {"120", "1", "0.7", "0", "0", "0"}},    {10, {"140", "1", "0.5", "0", "0", "0"}},
      {11, {"110", "1", "1.1", "0", "0", "0"}},   {12, {"150", "2", "0.5", "0", "0", "0"}},
      {13, {"140", "1", "0.9", "0", "0", "0"}},   {14, {"100", "1", "1", "0", "40", "0"}},
      {15, {"100", "1", "0.9", "0", "0", "40"}},  {16, {"100", "1", "0.5", "0", "50", "50"}},
      {17, {"100", "2", "1.1", "20", "0", "0"}},
  };
  for (const Case& c : cases) {
    Fixture f;
    fill(f, kOrb, before);
    Gem_Orb(f.calc, c.recipe);
    EXPECT_EQ(f.texts(kOrb), c.after) << "recipe " << c.recipe;
  }
}

TEST(MixingOrb, RecipeFifteenLeavesTheDefenceAlone) {
  Fixture f;
  fill(f, kOrb, {"defence?", "1", "0", "0", "0", "0"});
  Gem_Orb(f.calc, 15);  // the box is never read
  EXPECT_EQ(f.texts(kOrb), (V{"defence?", "1", "0.4", "0", "0", "40"}));
}

TEST(MixingOrb, RegenerationSumsInBothLocales) {
  Fixture point;
  point.set(Ctl::stat_orb_regen, "0.1");
  Gem_Orb(point.calc, 9);
  EXPECT_EQ(point.text(Ctl::stat_orb_regen), "0.3");
  Fixture comma(NumberFormat::comma());
  comma.set(Ctl::stat_orb_regen, "0,1");
  Gem_Orb(comma.calc, 9);
  EXPECT_EQ(comma.text(Ctl::stat_orb_regen), "0,3");
  Gem_Orb(comma.calc, 17);
  EXPECT_EQ(comma.text(Ctl::stat_orb_regen), "0,9");
  EXPECT_EQ(comma.calc.sheet.status_panel1, "OK");
}

TEST(MixingOrb, HpIsWrittenBeforeARegenerationThatFails) {
  Fixture f;
  fill(f, kOrb, {"100", "1", "", "0", "0", "0"});
  EXPECT_THROW(Gem_Orb(f.calc, 17), ConversionError);
  EXPECT_EQ(f.texts(kOrb), (V{"100", "1", "", "20", "0", "0"}));
}

TEST(MixingOrb, OneRecalculationPerMix) {
  Fixture f;
  f.set(Ctl::stat_orb_def, "100");
  const auto passes = f.calc.passes();
  Gem_Orb(f.calc, 12);
  EXPECT_EQ(f.calc.passes(), passes + 1);
  EXPECT_EQ(f.calc.state.orb_def, 150);
  EXPECT_DOUBLE_EQ(f.calc.state.orb_abs, 1.0);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
}
