// The game's vocabulary, written once: the classes (rows of Select_class),
// the weapon kinds (rows of Select_weapon and Select_weapon_2, and the `kind`
// of every weapon row), the windows that follow the chosen class, and the
// picture files under images/.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brennick {

// --- classes -------------------------------------------------------------------

// The rows of Select_class.
enum ClassNo { Fighter = 0, Archer, Pikeman, Mechanician, Atalanta, Knight, Magician, Priestess };
inline constexpr int kClassCount = 8;

// Every class once: its name (its row of Select_class and of the skill
// window's class list, the stem of its skill pictures "<name>_01.jpg" ..
// "<name>_16.jpg"), and what it wears, which decides the item browsers that
// offer it in their class choice (data/browser_contents.cpp).
enum class Wears { Armour, Robe };
struct ClassInfo {
  std::string_view name;
  Wears wears;
};
inline constexpr std::array<ClassInfo, kClassCount> kClasses{{
    {"Fighter", Wears::Armour},
    {"Archer", Wears::Armour},
    {"Pikeman", Wears::Armour},
    {"Mechanician", Wears::Armour},
    {"Atalanta", Wears::Armour},
    {"Knight", Wears::Armour},
    {"Magician", Wears::Robe},
    {"Priestess", Wears::Robe},
}};

inline constexpr std::array<std::string_view, kClassCount> kClassNames = [] {
  std::array<std::string_view, kClassCount> names{};
  for (int c = 0; c < kClassCount; ++c) names[static_cast<std::size_t>(c)] = kClasses[static_cast<std::size_t>(c)].name;
  return names;
}();

// --- skill slots and buffs ---------------------------------------------------

// The skill slots of a class: index (tier - 1) * 4 + (position - 1).
inline constexpr int kSlotCount = 16;
// The buffs of "Cast on this Character...", index 0 .. 7.
inline constexpr int kCastOnCount = 8;
// The buff of index 2 (Holy Mind) has no switch: it is always disabled.
inline constexpr int kCastOnWithoutSwitch = 2;

// --- weapon kinds -----------------------------------------------------------------

// The rows of the weapon-kind lists; NoWeapon is the last row, "no Weapon",
// which has no table.
enum Weapon : int { Axe = 0, Bow, Scythe, Claw, Javelin, Sword, WandStaff, Mace, NoWeapon };
inline constexpr int kWeaponKindCount = 8;  // Axe .. Mace, the kinds with a table

// The texts of the weapon-kind lists, row by row.
inline constexpr std::array<std::string_view, kWeaponKindCount + 1> kWeaponKindTexts = {
    "Axe", "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand/Staff", "Mace", "no Weapon"};

// True for the kinds with a table (rows 0..7).
constexpr bool is_weapon_kind(int kind) { return kind >= 0 && kind < kWeaponKindCount; }

// --- windows ----------------------------------------------------------------------

// The windows of the program besides the main window, in the order of their
// menu entries.
enum class WindowId {
  About,
  Skills,
  Armors,
  Robes,
  BmpPatcher,
  Shields,
  Orbs,
  Armlets,
  Gaunts,
  Boots,
  Weapons,
  Rings,
  Amulets,
  Sheltoms,
  Aging,
};
inline constexpr int kWindowCount = static_cast<int>(WindowId::Aging) + 1;

// --- pictures ---------------------------------------------------------------------

// A numbered picture series: "<stem>_NN.<extension>" for 1..count (one digit
// below 10 when not two_digits).
struct PictureSeries {
  std::string_view stem;
  int count;
  bool two_digits;
};

inline constexpr int kSkillPicturesPerClass = 16;  // "<Class>_01.jpg" .. "<Class>_16.jpg"

// The item pictures, one series per item kind, in file-name order.
inline constexpr std::array<PictureSeries, 18> kItemPictures{{
    {"Amulet", 18, true}, {"Armlet", 17, true}, {"Armor", 18, true},   {"Axe", 17, true},
    {"Boots", 17, true},  {"Bow", 19, true},    {"Claw", 17, true},    {"Gaunts", 17, true},
    {"Javelin", 18, true}, {"Mace", 18, true},  {"Orb", 18, true},     {"Ring", 18, true},
    {"Robe", 18, true},   {"Scythe", 18, true}, {"Sheltom", 9, false}, {"Shield", 17, true},
    {"Sword", 20, true},  {"wand", 18, true},
}};

// The pictures that are one file each.
inline constexpr std::array<std::string_view, 15> kSinglePictures{
    "active.bmp", "axe.bmp", "bow.bmp", "claw.bmp", "Hbig.bmp",  "jav.bmp",   "mace.bmp",      "passive.bmp",
    "shield.bmp", "spear.bmp", "off.bmp", "on.bmp", "sword.bmp", "wand.bmp", "archer_big.bmp"};

// "<stem>_<n>.<extension>", n with two digits when asked.
inline std::string numbered_picture(std::string_view stem, int n, bool two_digits, std::string_view extension) {
  std::string number = std::to_string(n);
  if (two_digits && n < 10) number = "0" + number;
  return std::string(stem) + "_" + number + "." + std::string(extension);
}

// "Fighter_01.jpg" .. "Priestess_16.jpg" for class 0..7, slot index 0..15.
inline std::string skill_picture(int class_no, int slot_index) {
  return numbered_picture(kClassNames[static_cast<std::size_t>(class_no)], slot_index + 1, true, "jpg");
}

// Every picture under images/: the skill pictures class by class, the item
// series, then the single pictures.
inline const std::vector<std::string>& picture_files() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> f;
    for (int c = 0; c < kClassCount; ++c)
      for (int k = 0; k < kSkillPicturesPerClass; ++k) f.push_back(skill_picture(c, k));
    for (const PictureSeries& s : kItemPictures)
      for (int n = 1; n <= s.count; ++n) f.push_back(numbered_picture(s.stem, n, s.two_digits, "bmp"));
    for (std::string_view single : kSinglePictures) f.emplace_back(single);
    return f;
  }();
  return files;
}

}  // namespace brennick
