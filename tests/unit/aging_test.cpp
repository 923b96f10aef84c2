// Aging: the per-level raises of weapon, armour, shield and orb boxes, the
// extended arithmetic of the defence factors, and one recalculation per
// aging.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "pipeline/planner.h"
#include "tests/support/recording.h"
#include "engine/startup.h"
#include "equipment/aging.h"

using namespace brennick;
using test_support::RecordingDialogs;

namespace {


struct Fixture {
  explicit Fixture(NumberFormat f = NumberFormat::point()) : calc(f, {&dialogs, nullptr, nullptr}) {
    start_sheet(calc);
  }
  RecordingDialogs dialogs;
  Planner calc;

  void set(Ctl id, const std::string& text) { calc.sheet.set_text(id, text); }
  const std::string& text(Ctl id) const { return calc.sheet.text(id); }

  void weapon(bool two, int kind, const std::string& min, const std::string& max, const std::string& rtg,
              const std::string& crit, const std::string& gem_mp = "0") {
    calc.sheet.set_row(two ? Ctl::Select_weapon_2 : Ctl::Select_weapon, kind);
    set(two ? Ctl::stat_weap_min_pow_2 : Ctl::stat_weap_min_pow, min);
    set(two ? Ctl::stat_weap_max_pow_2 : Ctl::stat_weap_max_pow, max);
    set(two ? Ctl::stat_weap_rtg_2 : Ctl::stat_weap_rtg, rtg);
    set(two ? Ctl::stat_weap_crit_2 : Ctl::stat_weap_crit, crit);
    set(two ? Ctl::stat_gem_MP_2 : Ctl::stat_gem_MP, gem_mp);
  }
  std::vector<std::string> one_hand() const {
    return {text(Ctl::stat_weap_min_pow), text(Ctl::stat_weap_max_pow), text(Ctl::stat_weap_rtg),
            text(Ctl::stat_weap_crit), text(Ctl::stat_gem_MP)};
  }
  std::vector<std::string> two_hand() const {
    return {text(Ctl::stat_weap_min_pow_2), text(Ctl::stat_weap_max_pow_2), text(Ctl::stat_weap_rtg_2),
            text(Ctl::stat_weap_crit_2), text(Ctl::stat_gem_MP_2)};
  }
  std::string armor_after(const std::string& def, int level) {
    set(Ctl::stat_armor_def, def);
    Age_Armor(calc, level);
    return text(Ctl::stat_armor_def);
  }
};

using V = std::vector<std::string>;

}  // namespace

// --- weapons -----------------------------------------------------------------

TEST(AgingWeapon, AxeAddsPowerAndTenRatingPerLevel) {
  Fixture f;
  f.weapon(false, Axe, "10", "20", "100", "7");
  Age_weapon(f.calc, false, 3);
  EXPECT_EQ(f.one_hand(), (V{"13", "23", "130", "7", "0"}));
}

TEST(AgingWeapon, MaceAgesLikeAnAxe) {
  Fixture f;
  f.weapon(false, Mace, "1", "2", "0", "0");
  Age_weapon(f.calc, false, 11);
  EXPECT_EQ(f.one_hand(), (V{"12", "13", "110", "0", "0"}));
}

TEST(AgingWeapon, BowAddsHalfTheLevelRoundedDownToCritical) {
  Fixture f;
  f.weapon(false, Bow, "10", "20", "100", "5");
  Age_weapon(f.calc, false, 3);
  EXPECT_EQ(f.one_hand(), (V{"13", "23", "100", "6", "0"}));
  Age_weapon(f.calc, false, 1);  // floor(0.5) = 0
  EXPECT_EQ(f.one_hand(), (V{"14", "24", "100", "6", "0"}));
  Age_weapon(f.calc, false, 11);
  EXPECT_EQ(f.one_hand(), (V{"25", "35", "100", "11", "0"}));
}

TEST(AgingWeapon, JavelinAgesLikeABow) {
  Fixture f;
  f.weapon(false, Javelin, "0", "0", "50", "0");
  Age_weapon(f.calc, false, 4);
  EXPECT_EQ(f.one_hand(), (V{"4", "4", "50", "2", "0"}));
}

TEST(AgingWeapon, SwordScytheAndClawAddCriticalThenFiveRatingPerLevel) {
  for (int kind : {Sword, Scythe, Claw}) {
    Fixture f;
    f.weapon(false, kind, "10", "20", "100", "3");
    Age_weapon(f.calc, false, 3);
    EXPECT_EQ(f.one_hand(), (V{"13", "23", "115", "4", "0"})) << kind;
  }
}

TEST(AgingWeapon, WandReplacesTheGemMpBox) {
  Fixture f;
  f.weapon(false, WandStaff, "10", "20", "100", "0", "55");
  Age_weapon(f.calc, false, 2);
  EXPECT_EQ(f.one_hand(), (V{"12", "22", "120", "0", "20"}));
  Age_weapon(f.calc, false, 1);  // replaces again, never adds
  EXPECT_EQ(f.one_hand(), (V{"13", "23", "130", "0", "10"}));
}

TEST(AgingWeapon, NoWeaponAsksAboutTheFistAndChangesNothingButRecalculates) {
  Fixture f;
  f.weapon(false, NoWeapon, "10", "20", "100", "3");
  const auto passes = f.calc.passes();
  Age_weapon(f.calc, false, 1);
  EXPECT_EQ(f.dialogs.messages, (V{"Age your fist...?"}));
  EXPECT_EQ(f.one_hand(), (V{"10", "20", "100", "3", "0"}));
  EXPECT_EQ(f.calc.passes(), passes + 1);
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
}

TEST(AgingWeapon, NoKindChosenChangesNothingSilently) {
  Fixture f;
  f.weapon(false, -1, "10", "20", "100", "3");
  const auto passes = f.calc.passes();
  Age_weapon(f.calc, false, 5);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(f.one_hand(), (V{"10", "20", "100", "3", "0"}));
  EXPECT_EQ(f.calc.passes(), passes + 1);
}

TEST(AgingWeapon, TheTwoHandedSlotChangesOnlyTheSecondColumn) {
  Fixture f;
  f.weapon(false, Axe, "10", "20", "100", "0");
  f.weapon(true, Sword, "30", "40", "200", "2");
  Age_weapon(f.calc, true, 4);
  EXPECT_EQ(f.two_hand(), (V{"34", "44", "220", "4", "0"}));
  EXPECT_EQ(f.one_hand(), (V{"10", "20", "100", "0", "0"}));
  Age_weapon(f.calc, false, 1);
  EXPECT_EQ(f.one_hand(), (V{"11", "21", "110", "0", "0"}));
  EXPECT_EQ(f.two_hand(), (V{"34", "44", "220", "4", "0"}));
}

TEST(AgingWeapon, TheAgedValuesReachTheResults) {
  Fixture f;
  f.calc.user_select_row(Ctl::Select_class, Fighter);
  f.weapon(false, Axe, "10", "20", "0", "0");
  f.calc.sheet.set_row(Ctl::Select_weapon_2, Axe);
  Age_weapon(f.calc, false, 2);
  EXPECT_EQ(f.calc.state.weap_min_pow, 12);
  EXPECT_EQ(f.calc.state.weap_max_pow, 22);
  EXPECT_EQ(f.calc.state.weap_rtg, 20);
}

TEST(AgingWeapon, OneRecalculationAndTheSheetLiveAfterwards) {
  Fixture f;
  f.weapon(false, Axe, "10", "20", "100", "0");
  const auto passes = f.calc.passes();
  Age_weapon(f.calc, false, 3);
  EXPECT_EQ(f.calc.passes(), passes + 1);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
  EXPECT_TRUE(f.calc.attached(Ctl::stat_weap_min_pow));
  EXPECT_TRUE(f.calc.attached(Ctl::stat_armor_def));
}

TEST(AgingWeapon, ABadBoxStopsTheAgingWhereItIs) {
  Fixture f;
  f.weapon(false, Axe, "10", "abc", "100", "0");
  EXPECT_THROW(Age_weapon(f.calc, false, 3), ConversionError);
  // The minimum was written before the maximum failed; the rating is untouched.
  EXPECT_EQ(f.one_hand(), (V{"13", "abc", "100", "0", "0"}));
}

TEST(AgingWeapon, ErrorMessageNamesTheText) {
  Fixture f;
  f.weapon(false, Sword, "", "20", "100", "0");
  try {
    Age_weapon(f.calc, false, 1);
    FAIL() << "an empty box must not age";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_EQ(f.one_hand(), (V{"", "20", "100", "0", "0"}));
}

TEST(AgingWeapon, RealTextInAnIntegerBoxIsAnError) {
  Fixture f;
  f.weapon(false, Bow, "10", "20", "0", "1.5");
  EXPECT_THROW(Age_weapon(f.calc, false, 2), ConversionError);
  EXPECT_EQ(f.one_hand(), (V{"12", "22", "0", "1.5", "0"}));
}

TEST(AgingWeapon, HugeValuesSaturate) {
  Fixture f;
  f.weapon(false, Axe, "2147483640", "2147483647", "2147483600", "0");
  Age_weapon(f.calc, false, 11);
  EXPECT_EQ(f.one_hand(), (V{"2147483647", "2147483647", "2147483647", "0", "0"}));
  f.weapon(false, Sword, "-2147483648", "0", "-5", "0");
  Age_weapon(f.calc, false, 1);
  EXPECT_EQ(f.one_hand(), (V{"-2147483647", "1", "0", "0", "0"}));
}

TEST(AgingWeapon, LevelsOutsideTheMenuChangeNothing) {
  Fixture f;
  f.weapon(false, Axe, "10", "20", "100", "0");
  for (int level : {0, -1, 12}) Age_weapon(f.calc, false, level);
  EXPECT_EQ(f.one_hand(), (V{"10", "20", "100", "0", "0"}));
}

// --- armour --------------------------------------------------------------------

TEST(AgingArmor, FirstLevelExamples) {
  Fixture f;
  EXPECT_EQ(f.armor_after("60", 1), "62");
  EXPECT_EQ(f.armor_after("100", 1), "104");
  EXPECT_EQ(f.armor_after("120", 1), "125");
  EXPECT_EQ(f.armor_after("200", 1), "209");
  EXPECT_EQ(f.armor_after("220", 1), "230");
  EXPECT_EQ(f.armor_after("20", 1), "21");
  EXPECT_EQ(f.armor_after("80", 1), "84");
  EXPECT_EQ(f.armor_after("0", 1), "0");
  EXPECT_EQ(f.armor_after("1", 1), "1");
  EXPECT_EQ(f.armor_after("19", 1), "19");  // 19.95
}

// A multiple of 20 ages to K - 1 instead of K = D * 1.05 exactly when K lies
// in the upper part of its power-of-two range (K / 2^m > 1.3125).
TEST(AgingArmor, WholeProductsBelowTheirValueFromTwentyToAThousand) {
  const std::set<int> one_less = [] {
    std::set<int> s{60, 100, 120, 180, 200, 220, 240};
    for (int d = 340; d <= 480; d += 20) s.insert(d);
    for (int d = 660; d <= 960; d += 20) s.insert(d);
    return s;
  }();
  Fixture f;
  for (int d = 20; d <= 1000; d += 20) {
    const int k = d / 20 * 21;
    const int expected = one_less.count(d) ? k - 1 : k;
    EXPECT_EQ(f.armor_after(std::to_string(d), 1), std::to_string(expected)) << "defence " << d;
  }
}

TEST(AgingArmor, ElevenLevelsOfAHundred) {
  const V steps{"104", "109", "114", "119", "124", "130", "136", "142", "149", "156", "163"};
  Fixture f;
  f.set(Ctl::stat_armor_def, "100");
  for (const std::string& expected : steps) {
    Age_Armor(f.calc, 1);
    EXPECT_EQ(f.text(Ctl::stat_armor_def), expected);
  }
  // +N multiplies N times, exactly as N single levels.
  for (int n = 1; n <= 11; ++n) {
    EXPECT_EQ(f.armor_after("100", n), steps[static_cast<std::size_t>(n - 1)]) << "+" << n;
  }
}

TEST(AgingArmor, TwoLevelsAndAbsorption) {
  Fixture f;
  f.set(Ctl::stat_armor_def, "270");
  f.set(Ctl::stat_armor_abs, "10.6");
  Age_Armor(f.calc, 2);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "297");  // 283, then 297
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "11.6");
  EXPECT_EQ(f.armor_after("270", 1), "283");
}

TEST(AgingArmor, AbsorptionWithADecimalComma) {
  Fixture f(NumberFormat::comma());
  f.set(Ctl::stat_armor_def, "60");
  f.set(Ctl::stat_armor_abs, "10,6");
  Age_Armor(f.calc, 3);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "68");  // 62, 65, 68
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "12,1");
  EXPECT_EQ(f.calc.sheet.status_panel1, "OK");
}

TEST(AgingArmor, AgingTwiceCompounds) {
  Fixture a, b;
  for (Fixture* f : {&a, &b}) {
    f->set(Ctl::stat_armor_def, "340");
    f->set(Ctl::stat_armor_abs, "4");
  }
  Age_Armor(a.calc, 2);
  Age_Armor(a.calc, 3);
  Age_Armor(b.calc, 5);
  EXPECT_EQ(a.text(Ctl::stat_armor_def), b.text(Ctl::stat_armor_def));
  EXPECT_EQ(a.text(Ctl::stat_armor_abs), "6.5");
  EXPECT_EQ(b.text(Ctl::stat_armor_abs), "6.5");
}

TEST(AgingArmor, OneRecalculationThatSeesTheNewValues) {
  Fixture f;
  f.set(Ctl::stat_armor_def, "100");
  f.set(Ctl::stat_armor_abs, "1.5");
  const auto passes = f.calc.passes();
  Age_Armor(f.calc, 1);
  EXPECT_EQ(f.calc.passes(), passes + 1);
  EXPECT_EQ(f.calc.state.armor_def, 104);
  EXPECT_DOUBLE_EQ(f.calc.state.armor_abs, 2.0);
  EXPECT_EQ(f.calc.state.calc_ready, 1);
}

TEST(AgingArmor, BothBoxesAreReadBeforeEitherIsWritten) {
  Fixture f;
  f.set(Ctl::stat_armor_def, "100");
  f.set(Ctl::stat_armor_abs, "x");
  EXPECT_THROW(Age_Armor(f.calc, 1), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "100");
  f.set(Ctl::stat_armor_def, "ten");
  f.set(Ctl::stat_armor_abs, "1");
  EXPECT_THROW(Age_Armor(f.calc, 1), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_armor_abs), "1");
}

TEST(AgingArmor, AbsorptionMustUseTheLocaleSeparator) {
  Fixture f(NumberFormat::comma());
  f.set(Ctl::stat_armor_def, "100");
  f.set(Ctl::stat_armor_abs, "1.5");
  try {
    Age_Armor(f.calc, 1);
    FAIL() << "a point is no separator in this locale";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
  }
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "100");
}

TEST(AgingArmor, HugeDefenceSaturates) {
  Fixture f;
  EXPECT_EQ(f.armor_after("2147483647", 11), "2147483647");
  EXPECT_EQ(f.armor_after("2100000000", 1), "2147483647");
  EXPECT_EQ(f.armor_after("-2147483648", 1), "-2147483648");
  // Beyond the 32-bit range the text is no integer at all.
  EXPECT_THROW(f.armor_after("2147483648", 1), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_armor_def), "2147483648");
}

// --- shield and orb ----------------------------------------------------------------

TEST(AgingShield, AbsorptionAndBlockButNotDefence) {
  Fixture f;
  f.set(Ctl::stat_shield_def, "50");
  f.set(Ctl::stat_shield_abs, "5.7");
  f.set(Ctl::stat_shield_blk, "19");
  Age_Shield(f.calc, 5);
  EXPECT_EQ(f.text(Ctl::stat_shield_abs), "6.7");
  EXPECT_EQ(f.text(Ctl::stat_shield_blk), "21");
  EXPECT_EQ(f.text(Ctl::stat_shield_def), "50");
  Age_Shield(f.calc, 1);
  EXPECT_EQ(f.text(Ctl::stat_shield_abs), "6.9");
  EXPECT_EQ(f.text(Ctl::stat_shield_blk), "21");
}

TEST(AgingShield, CommaLocaleAndBadBlock) {
  Fixture f(NumberFormat::comma());
  f.set(Ctl::stat_shield_abs, "5,7");
  f.set(Ctl::stat_shield_blk, "19");
  Age_Shield(f.calc, 5);
  EXPECT_EQ(f.text(Ctl::stat_shield_abs), "6,7");
  f.set(Ctl::stat_shield_blk, "");
  EXPECT_THROW(Age_Shield(f.calc, 2), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_shield_abs), "6,7");
}

TEST(AgingOrb, DefenceGrowsByATenthPerLevel) {
  Fixture f;
  f.set(Ctl::stat_orb_def, "85");
  f.set(Ctl::stat_orb_abs, "1.2");
  for (const char* expected : {"93", "102", "112", "123"}) {
    Age_Orb(f.calc, 1);
    EXPECT_EQ(f.text(Ctl::stat_orb_def), expected);
  }
  EXPECT_EQ(f.text(Ctl::stat_orb_abs), "3.2");
  f.set(Ctl::stat_orb_def, "85");
  f.set(Ctl::stat_orb_abs, "0");
  Age_Orb(f.calc, 4);
  EXPECT_EQ(f.text(Ctl::stat_orb_def), "123");
  EXPECT_EQ(f.text(Ctl::stat_orb_abs), "2");
}

TEST(AgingOrb, WholeProductsStayWhole) {
  Fixture f;
  for (int d = 10; d <= 2000; d += 10) {
    f.set(Ctl::stat_orb_def, std::to_string(d));
    Age_Orb(f.calc, 1);
    EXPECT_EQ(f.text(Ctl::stat_orb_def), std::to_string(d / 10 * 11)) << d;
  }
}

TEST(AgingOrb, BadBoxesAndHugeValues) {
  Fixture f;
  f.set(Ctl::stat_orb_def, "2000000000");
  f.set(Ctl::stat_orb_abs, "0");
  Age_Orb(f.calc, 2);
  EXPECT_EQ(f.text(Ctl::stat_orb_def), "2147483647");
  f.set(Ctl::stat_orb_def, "12a");
  EXPECT_THROW(Age_Orb(f.calc, 1), ConversionError);
  EXPECT_EQ(f.text(Ctl::stat_orb_abs), "1");
}
