// What the eleven item browser windows show: the grid of an item table for a
// chosen class (and weapon kind), and the details panel of a clicked row.
//
// Everything here is plain text computed from the read-only tables; the
// windows only put the texts into their controls, and brennick-cli prints
// them. Rows are numbered as in the grid: row 0 is the header, row r >= 1 is
// table entry r. How a window is laid out (its size, the names of its
// widgets) belongs to the window: ui/browser_layout.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/number_text.h"

namespace brennick {

enum class BrowserKind { Armor, Robe, Shield, Orb, Boots, Gaunts, Armlets, Amulet, Ring, Sheltom, Weapon };
inline constexpr int kBrowserKindCount = 11;
inline constexpr std::array<BrowserKind, kBrowserKindCount> kAllBrowserKinds = {
    BrowserKind::Armor,   BrowserKind::Robe,   BrowserKind::Shield, BrowserKind::Orb,
    BrowserKind::Boots,   BrowserKind::Gaunts, BrowserKind::Armlets, BrowserKind::Amulet,
    BrowserKind::Ring,    BrowserKind::Sheltom, BrowserKind::Weapon};

// The fixed contents of one browser window.
struct BrowserInfo {
  std::string_view key;                 // "armor", "robe", ... as brennick-cli names them
  std::string_view caption;             // "Armor Info..."
  int columns = 0;                      // grid columns
  int rows = 0;                         // grid rows, the header included
  std::vector<std::string> class_rows;  // the rows of the class choice
  int class_offset = 0;                 // class code = row + offset (6 for robes and orbs)
  std::string click_text;               // "click in the grid to see details of the selected Armor."
  bool resistances = false;             // the details show the five resistances
};
const BrowserInfo& browser_info(BrowserKind kind);
// The kind of a key ("armor" .. "weapon"), or nothing.
std::optional<BrowserKind> browser_kind_of(std::string_view key);

// One caption of the details panel with the value label beside it.
struct DetailField {
  std::string caption;        // its text at creation
  std::string value_name;     // "lbl_defense"
  std::string caption_label;  // the label the click writes the caption into ("Label15"), or empty
                              // for a caption that never changes
};
std::vector<DetailField> detail_fields(BrowserKind kind);

// Hints and value labels of the five resistances, in the order organic,
// flame, ice, poison, lightning.
struct ResistanceField {
  std::string_view hint;        // "Organic" .. "Lightning"
  std::string_view value_name;  // "Lbl_organic", "lbl_flame", ...
};
extern const std::array<ResistanceField, 5> kResistanceFields;

// The weapon window's type choice: "Axe" .. "Mace" (kinds 0 .. 7).
std::string_view weapon_type_row(int kind);

// What the user has chosen in a window.
struct BrowserChoice {
  int class_row = -1;  // row of the class choice, -1 for none
  int weapon_kind = 0; // the weapon window's type choice, 0 .. 7
  // The class code passed to spec_requirement (-1 for none).
  int class_code(BrowserKind kind) const;
};

// Labels a step writes, by name.
using LabelTexts = std::vector<std::pair<std::string, std::string>>;

struct BrowserGrid {
  std::vector<std::vector<std::string>> cells;  // [row][column], row 0 the header
  LabelTexts labels;                            // captions fill_grid sets (weapons: Label15)
  const std::string& cell(int column, int row) const { return cells.at(row).at(column); }
};

// fill_grid: every cell of the window's grid for the choice.
BrowserGrid fill_grid(BrowserKind kind, const BrowserChoice& choice, const NumberFormat& fmt);

struct BrowserDetails {
  int item = 0;                            // the table entry shown (the weapon window clamps the row)
  std::string picture;                     // file name in the images folder ("Armor_01.bmp")
  std::string name;                        // lbl_name and the picture's hint
  std::optional<std::array<std::string, 5>> resistances;  // organic, flame, ice, poison, lightning
  LabelTexts labels;                       // the value labels (and captions) the click writes
};

// StringGrid1Click: the details of grid row `row` (1 .. rows - 1) of a grid
// filled by fill_grid for the same choice; nothing for a row outside it.
std::optional<BrowserDetails> item_details(BrowserKind kind, const BrowserChoice& choice, const BrowserGrid& grid,
                                           int row, const NumberFormat& fmt);

}  // namespace brennick
